// SPDX-License-Identifier: GPL-3.0-or-later
// --waits: the hand is entered without a winning tile, and every tile kind
// that completes it is tried as the window's waits table tries it.
#pragma once

#include "app/cli/hand_options.h"
#include "app/cli/outcome.h"
#include "app/cli/replay.h"

namespace tenho::cli {

// The waits of `hand` (Outcome::Kind::Waits), the message box that 計算
// shows instead, or an error: --win given, an entry refused, or a hand that
// is not thirteen tiles.
Outcome answerWaits(HandReplay& replay, const HandOptions& hand);

}  // namespace tenho::cli
