// SPDX-License-Identifier: GPL-3.0-or-later
// One hand as tenho-score's options give it: what a person would enter at
// the window, in the words of the options (kept for the messages).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/tile.h"

namespace tenho::cli {

enum class MeldKind { Chi, Pon, Kan, Ankan };

struct MeldOption {
    MeldKind kind = MeldKind::Chi;
    std::string text;         // as given, for error messages
    std::vector<Code> tiles;  // sorted
};

struct HandOptions {
    std::vector<Code> hand;
    std::string handText;  // every --hand value, joined by blanks
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
};

// The options of the situation boxes C_OPTION(0..4), in box order.
inline constexpr std::string_view kBoxOptions[5] = {"--riichi", "--double-riichi", "--ippatsu",
                                                    "--first-turn", "--haitei"};

constexpr std::string_view meldOptionName(MeldKind kind)
{
    switch (kind) {
    case MeldKind::Chi:
        return "--chi";
    case MeldKind::Pon:
        return "--pon";
    case MeldKind::Kan:
        return "--kan";
    case MeldKind::Ankan:
        return "--ankan";
    }
    return {};
}

}  // namespace tenho::cli
