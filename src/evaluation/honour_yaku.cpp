// SPDX-License-Identifier: GPL-3.0-or-later
// Winds and dragons. A group is known by its first tile: a group that starts
// with an honour is always a triplet or kan.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

namespace {

constexpr Code kEast('3', '1'), kSouth('4', '1'), kWest('5', '1'), kNorth('6', '1');
constexpr Code kWhite('7', '1'), kGreen('8', '1'), kRed('9', '1');
constexpr std::array<Code, 4> kWinds = {kEast, kSouth, kWest, kNorth};

}  // namespace

bool TENHO::hasGroupOf(Code c) const
{
    // The four compared at once: which group holds the tile, if any, comes
    // at random.
    unsigned any = 0;
    for (std::size_t k = 0; k < 4; ++k) any |= static_cast<unsigned>(ListEND[k].item(0) == c);
    return any != 0;
}

void TENHO::HU_PON()
{
    static constexpr std::array<std::string_view, 4> kRound = {"東（場風）", "南（場風）",
                                                               "西（場風）", "北（場風）"};
    static constexpr std::array<std::string_view, 4> kSeat = {"東（自風）", "南（自風）",
                                                              "西（自風）", "北（自風）"};
    // The wind each group starts with (0 東 .. 3 北), or -1.
    std::array<int, 4> wind{};
    // The winds' codes are "31" .. "61": the suit digit tells which.
    for (std::size_t k = 0; k < 4; ++k) {
        const Code first = ListEND[k].item(0);
        const auto w = static_cast<unsigned char>(first.suit() - '3');
        wind[k] = first.rank() == '1' && w < 4 ? static_cast<int>(w) : -1;
    }
    for (std::size_t k = 0; k < 4; ++k)
        if (wind[k] >= 0 && wind[k] == B_list)
            reportYaku(kRound[static_cast<std::size_t>(wind[k])], "１翻", 1);
    for (std::size_t k = 0; k < 4; ++k)
        if (wind[k] >= 0 && wind[k] == I_list)
            reportYaku(kSeat[static_cast<std::size_t>(wind[k])], "１翻", 1);
}

void TENHO::SANGEN()
{
    // From the last group down, so that the lowest group's dragon ends on top.
    // The dragons' codes are "71" .. "91": the suit digit tells which.
    static constexpr std::array<std::string_view, 3> kNames = {"三元牌（白）", "三元牌（發）",
                                                               "三元牌（中）"};
    for (int k = 3; k >= 0; --k) {
        const Code first = ListEND[static_cast<std::size_t>(k)].item(0);
        const auto d = static_cast<unsigned char>(first.suit() - '7');
        if ((static_cast<unsigned>(first.rank() == '1') & static_cast<unsigned>(d < 3)) != 0)
            reportYaku(kNames[d], "１翻", 1);
    }
}

void TENHO::SYOSANGEN()
{
    const Code pair = ListEND[4].item(0);
    const auto is = [](bool b) { return static_cast<unsigned>(b); };
    const unsigned red = is(hasGroupOf(kRed)), green = is(hasGroupOf(kGreen)),
                   white = is(hasGroupOf(kWhite));
    if (((red & green & is(pair == kWhite)) | (red & white & is(pair == kGreen)) |
         (white & green & is(pair == kRed))) != 0)
        reportYaku("小三元", "２翻", 2);
}

void TENHO::DAISANGEN()
{
    const auto is = [](bool b) { return static_cast<unsigned>(b); };
    if ((is(hasGroupOf(kRed)) & is(hasGroupOf(kGreen)) & is(hasGroupOf(kWhite))) != 0)
        reportYakuman("大三元");
}

void TENHO::DAISU_SI()
{
    for (std::size_t k = 0; k < 4; ++k)
        if (ListEND[k].item(0).value() != kWinds[k].value()) return;
    reportYakuman("大四喜");
}

void TENHO::SYOSU_SI()
{
    const Code pair = ListEND[4].item(0);
    std::array<Code, 3> others{};
    std::size_t n = 0;
    bool pairIsWind = false;
    for (Code w : kWinds) {
        if (w == pair)
            pairIsWind = true;
        else if (n < others.size())
            others[n++] = w;
    }
    if (!pairIsWind) return;
    for (const auto& t : kTriplesLeavingOut) {
        if (ListEND[t[0]].item(0) == others[0] && ListEND[t[1]].item(0) == others[1] &&
            ListEND[t[2]].item(0) == others[2]) {
            SYOSU_SI_KAKUTEI();
            return;
        }
    }
}

void TENHO::SYOSU_SI_KAKUTEI() { reportYakuman("小四喜"); }

void TENHO::SAN_KOKU()
{
    if (threeColoursAmong(ListEND.data(), false)) reportYaku("三色同刻", "２翻", 2);
}

}  // namespace tenho
