// SPDX-License-Identifier: GPL-3.0-or-later
// An outcome as tenho-score prints it: one JSON object, or the text a person
// reads off the dialog. Either is valid UTF-8 whatever the outcome holds.
#pragma once

#include <string>

#include "app/cli/io.h"
#include "app/cli/outcome.h"

namespace tenho::cli {

// The outcome as one JSON object on one line (no line break).
std::string toJson(const Outcome& outcome);
void appendJson(TextBuffer& out, const Outcome& outcome);
// The result dialog as appendJson writes the outcome that holds it.
void appendDialogJson(TextBuffer& out, const HAN_number& dialog);

// The outcome as a person reads the dialog; several lines unless oneLine.
std::string toPlain(const Outcome& outcome, bool oneLine);
void appendPlain(TextBuffer& out, const Outcome& outcome, bool oneLine);

}  // namespace tenho::cli
