// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-score's options: the words of a command line, or of one batch line,
// read into the hand they describe and the way of answering.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/hand_options.h"

namespace tenho::cli {

// The most jobs --jobs takes.
inline constexpr int kMaxJobs = 64;

struct ParseResult {
    HandOptions options;
    bool json = false;   // --json anywhere, even after the error
    bool waits = false;  // --waits anywhere: the tiles that complete the hand, in JSON
    bool batch = false;
    bool help = false;  // --help or -h
    bool version = false;
    int jobs = 0;  // --jobs N; 0 when not given
    // The first option that describes the hand (refused beside --batch).
    std::string_view firstHandOption;
    std::string error;  // the first word that was not understood, and why; empty when none
};

// `--name value` and `--name=value` alike; `--` ends the options. Reading
// stops at the first error, except that a later --json still counts.
ParseResult parseOptions(std::span<const std::string_view> args);
// The same into `into`, which keeps the storage of its lists and texts from
// one line of a batch to the next.
void parseOptions(std::span<const std::string_view> args, ParseResult& into);
// The same for the words of a batch line, separated by blanks (space, tab),
// with `words` as room for them kept from line to line; false, with nothing
// read, for a line without words or whose first word starts with "#".
bool parseLine(std::string_view line, std::vector<std::string_view>& words, ParseResult& into);

// Every option's name, in the order of the option table (for --help's tests).
std::span<const std::string_view> optionNames();

}  // namespace tenho::cli
