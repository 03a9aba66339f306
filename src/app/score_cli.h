// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-score: enters one hand the way a person would at the main window,
// presses 計算 and reports what the result dialog holds when it is shown.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/dialogs.h"
#include "model/tile.h"

namespace tenho::cli {

enum class MeldKind { Chi, Pon, Kan, Ankan };

struct MeldOption {
    MeldKind kind = MeldKind::Chi;
    std::string text;         // as given, for error messages
    std::vector<Code> tiles;  // sorted
};

// One hand as given by the options.
struct HandOptions {
    std::vector<Code> hand;
    std::string handText;
    std::optional<Code> win;
    std::vector<MeldOption> melds;
    std::vector<Code> dora;
    std::string doraText;
    bool tsumo = false;
    bool ron = false;
    int round = -1;  // B_list index
    int seat = -1;   // I_list index
    // リーチ, ダブリー, 一発, 一巡目, ハイテイ
    bool boxes[5] = {false, false, false, false, false};
    bool kuitan = false;
    bool renhou = false;
    bool json = false;
    bool help = false;
    bool batch = false;
};

struct ParseResult {
    HandOptions options;
    std::string error;  // empty when the options were understood
};

ParseResult parseOptions(const std::vector<std::string_view>& args);

// What became of one hand.
struct Outcome {
    enum class Kind { Dialog, Message, Error } kind = Kind::Error;
    HAN_number dialog;    // Kind::Dialog
    std::string message;  // Kind::Message, or the error text
};

// Replays a parsed hand on a freshly started calculator and presses 計算.
Outcome score(const HandOptions& options);

// The outcome as one JSON object on one line (no line break).
std::string toJson(const Outcome& outcome);
// The outcome as a person reads the dialog; several lines unless oneLine.
std::string toPlain(const Outcome& outcome, bool oneLine);

std::string usage();

// Runs the command line; returns the exit status.
int run(const std::vector<std::string_view>& args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace tenho::cli
