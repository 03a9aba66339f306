// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tenho-score: one hand from the options, --batch, or
// the help and version texts.
#pragma once

#include <span>
#include <string_view>

#include "app/cli/io.h"

namespace tenho::cli {

// Runs the command line; returns the exit status: 0, or 2 on any error (an
// option not understood, an entry the window refused, a failed read or
// write; a closed output pipe ends the run quietly).
int run(std::span<const std::string_view> args, Input& in, Output& out, Output& err);

}  // namespace tenho::cli
