// SPDX-License-Identifier: GPL-3.0-or-later
// Fu of the pair, the wait and the triplets and kans of the one split in
// ListEND. Winning by self-draw adds nothing here.
//
// Which groups are triplets, and which frames hold them, comes at random
// from hand to hand: those tests are all made, and the fu added as numbers.
#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

namespace {

// Numeric value of the text suit digit + rank digit.
int valueOf(char suit, int rank) { return (suit - '0') * 10 + rank; }

int is(bool b) { return static_cast<int>(b); }

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

    // Triplets and kans, by the meld frame that holds them: the first frame
    // holding a triplet of the same tile, or none (a concealed triplet, also
    // when completed by a discard). A frame without a triplet holds a number
    // no code has.
    int fu = 0;
    static constexpr std::array<std::uint8_t, 4> kFrameFu = {2, 8, 16, 16};  // closed kan, kan
    std::array<std::uint32_t, 4> frameTile{};
    std::array<int, 5> simpleFu{};
    for (std::size_t k = 0; k < 4; ++k) {
        const TileList& meld = List[k + 1];
        frameTile[k] = isTriplet(meld) ? meld.item(0).raw() : 0x10000u;
        const int kk = static_cast<int>(k) + 1;
        simpleFu[k] =
            kFrameFu[static_cast<std::size_t>(is(meldIsClosedKan(kk)) * 2 + is(meldIsKan(kk)))];
    }
    simpleFu[4] = 4;
#if defined(__SSE2__)
    const __m128i frames = _mm_loadu_si128(reinterpret_cast<const __m128i*>(frameTile.data()));
#endif
    for (std::size_t b = 0; b < 4; ++b) {
        const TileList& group = ListEND[b];
        const Code t = group.item(0);
#if defined(__SSE2__)
        const __m128i same = _mm_cmpeq_epi32(frames, _mm_set1_epi32(t.raw()));
        const auto held = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(same)));
#else
        unsigned held = 0;
        for (std::size_t k = 0; k < 4; ++k)
            held |= static_cast<unsigned>(frameTile[k] == t.raw()) << k;
#endif
        const int simple = simpleFu[static_cast<std::size_t>(std::countr_zero(held | 16u))];
        // Terminals and honours count twice the fu of simples.
        fu += is(isTriplet(group)) * (simple << is(isTerminalOrHonour(t)));
    }
    FU_SUU = static_cast<Integer>(FU_SUU + fu);
}

}  // namespace tenho
