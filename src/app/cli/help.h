// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of --help and --version.
#pragma once

#include <string>

namespace tenho::cli {

std::string usage();
std::string versionLine();  // "tenho-score 0.97" and a line break

}  // namespace tenho::cli
