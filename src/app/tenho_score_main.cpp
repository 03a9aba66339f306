// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-score: the command-line scorer.
#include <string_view>
#include <vector>

#include "app/score_cli.h"

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    tenho::cli::FdInput in(0);
    tenho::cli::FdOutput out(1);
    tenho::cli::FdOutput err(2);
    return tenho::cli::run(args, in, out, err);
}
