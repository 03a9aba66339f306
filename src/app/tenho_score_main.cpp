// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-score: the command-line scorer.
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/score_cli.h"

int main(int argc, char** argv)
{
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return tenho::cli::run(args, stdin, stdout, stderr);
}
