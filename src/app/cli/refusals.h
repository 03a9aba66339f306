// SPDX-License-Identifier: GPL-3.0-or-later
// Why the window refused an entry of the hand, in words that name the
// option: the window itself only beeps or does nothing.
#pragma once

#include <string>

#include "app/cli/hand_options.h"
#include "model/tenho.h"

namespace tenho::cli {

// A call dialog's choice refused with a beep: the tile that would be on the
// table a fifth time (`t` as it was when the meld was refused).
std::string meldRefused(const TENHO& t, const MeldOption& meld);
std::string chiNotOffered(const MeldOption& meld);
std::string meldNotFormed(const MeldOption& meld);

std::string handTileRefused(const HandOptions& hand, Code tile);
std::string tooManyHandTiles(const HandOptions& hand);
std::string winRefused(Code tile);

// Situation box `box` was disabled when the hand's option clicked it.
std::string boxDisabled(const TENHO& t, const HandOptions& hand, int box);

std::string doraRefused(const HandOptions& hand, Code tile);
std::string tooManyIndicators(const HandOptions& hand);

}  // namespace tenho::cli
