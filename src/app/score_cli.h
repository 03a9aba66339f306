// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-score: enters one hand the way a person would at the main window,
// presses 計算 and reports what the result dialog holds when it is shown.
// Its pieces live in src/app/cli/: the options (options.h), the replay of a
// hand through the window's handlers (replay.h) and the refusal texts
// (refusals.h), the printed forms (output.h), --batch (batch.h), the streams
// (io.h) and the command line as a whole (run.h).
#pragma once

#include "app/cli/batch.h"
#include "app/cli/help.h"
#include "app/cli/io.h"
#include "app/cli/options.h"
#include "app/cli/output.h"
#include "app/cli/replay.h"
#include "app/cli/run.h"
