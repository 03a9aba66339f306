// SPDX-License-Identifier: GPL-3.0-or-later
// 平和: closed, four sequences, a pair without fu, a two-sided wait.
#include <array>
#include <utility>

#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

void TENHO::PINHU()
{
    if (meldPresent(1)) return;
    const Code pair = ListEND[4].item(0);
    if (pair == Code('7', '1') || pair == Code('8', '1') || pair == Code('9', '1')) return;
    static constexpr std::array<Code, 4> kWinds = {Code('3', '1'), Code('4', '1'), Code('5', '1'),
                                                   Code('6', '1')};
    if (I_list >= 0 && I_list <= 3 && pair == kWinds[static_cast<std::size_t>(I_list)]) return;
    if (B_list >= 0 && B_list <= 3 && pair == kWinds[static_cast<std::size_t>(B_list)]) return;
    for (std::size_t k = 0; k < 4; ++k)
        if (isTriplet(ListEND[k])) return;

    // The winning tile is the low end of a sequence not ending in 9, or the
    // high end of one not starting with 1; any such sequence of its suit will do.
    const char suit = Text1.suit();
    if (suit > '2' || Text1.empty()) return;
    using Ends = std::pair<int, int>;
    static constexpr std::array<std::array<Ends, 2>, 10> kAllowed = {{
        {{{0, 0}, {0, 0}}},
        {{{1, 3}, {0, 0}}},
        {{{2, 4}, {0, 0}}},
        {{{3, 5}, {0, 0}}},
        {{{2, 4}, {4, 6}}},
        {{{3, 5}, {5, 7}}},
        {{{4, 6}, {6, 8}}},
        {{{5, 7}, {0, 0}}},
        {{{6, 8}, {0, 0}}},
        {{{7, 9}, {0, 0}}},
    }};
    const int n = Text1.rankValue();
    if (n < 1 || n > 9) return;
    for (const Ends& ends : kAllowed[static_cast<std::size_t>(n)]) {
        if (ends.first == 0) break;
        for (std::size_t k = 0; k < 4; ++k) {
            const TileList& g = ListEND[k];
            if (g.item(0).suit() == suit && g.item(0).rankValue() == ends.first &&
                g.item(2).rankValue() == ends.second) {
                PINHU_KAKUTEI();
                return;
            }
        }
    }
}

void TENHO::PINHU_KAKUTEI() { reportYaku("平和", "１翻", 1); }

}  // namespace tenho
