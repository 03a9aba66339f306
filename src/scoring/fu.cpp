// SPDX-License-Identifier: GPL-3.0-or-later
// Fu of the pair, the wait and the triplets and kans of the one split in
// ListEND. Winning by self-draw adds nothing here.
#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

namespace {

// Numeric value of the text suit digit + rank digit.
int valueOf(char suit, int rank) { return (suit - '0') * 10 + rank; }

}  // namespace

void TENHO::FU_KEISAN()
{
    const Code pair = ListEND[4].item(0);

    // Pair.
    if (pair.suit() >= '3' && pair.suit() <= '6' && pair.rank() == '1') {
        const int wind = pair.suit() - '3';
        if (B_list == wind && I_list == wind)
            FU_SUU += 4;
        else if (B_list == wind || I_list == wind)
            FU_SUU += 2;
    } else if (pair == Code('7', '1') || pair == Code('8', '1') || pair == Code('9', '1')) {
        FU_SUU += 2;
    }

    // Wait: single, edge or closed, judged on this split only.
    const Code w = Text1;
    const char s = w.suit();
    const int n = w.rankValue();
    bool waitCounted = false;
    if (w == pair) {
        FU_SUU += 2;
        waitCounted = true;
    }
    for (int g = 0; g < 4 && !waitCounted; ++g) {
        const TileList& group = ListEND[static_cast<std::size_t>(g)];
        if ((n == 3 && w == group.item(2) && group.item(0).value() == valueOf(s, 1)) ||
            (n == 7 && w == group.item(0) && group.item(2).value() == valueOf(s, 9))) {
            FU_SUU += 2;
            waitCounted = true;
        }
    }
    if (!waitCounted && n >= 2 && n <= 8) {
        for (int g = 0; g < 4; ++g) {
            const TileList& group = ListEND[static_cast<std::size_t>(g)];
            if (group.item(0).value() == valueOf(s, n - 1) && group.item(1) == w &&
                group.item(2).value() == valueOf(s, n + 1)) {
                FU_SUU += 2;
                break;
            }
        }
    }

    // Triplets and kans, by the meld frame that holds them.
    for (int b = 0; b < 4; ++b) {
        const TileList& group = ListEND[static_cast<std::size_t>(b)];
        if (!isTriplet(group)) continue;
        const Code t = group.item(0);
        const bool outer = isTerminalOrHonour(t);
        int frame = 0;
        for (int k = 1; k <= 4; ++k) {
            const TileList& meld = List[static_cast<std::size_t>(k)];
            if (isTriplet(meld) && meld.item(0) == t) {
                frame = k;
                break;
            }
        }
        // Terminals and honours count twice the fu of simples.
        const auto add = [this, outer](int simple) {
            FU_SUU = static_cast<Integer>(FU_SUU + (outer ? 2 * simple : simple));
        };
        if (frame == 0)
            add(4);  // concealed triplet, also when completed by a discard
        else if (meldIsClosedKan(frame))
            add(16);
        else if (meldIsKan(frame))
            add(8);
        else
            add(2);
    }
}

}  // namespace tenho
