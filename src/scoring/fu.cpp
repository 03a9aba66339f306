// SPDX-License-Identifier: GPL-3.0-or-later
// Fu of the pair, the wait and the triplets and kans of the one split in
// ListEND. Winning by self-draw adds nothing here.
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

    // Triplets and kans, by the first meld frame that holds them: the fu
    // of a simple one by frame, the last place for none (concealed, also
    // when completed by a discard). Worked out for every group alike, without
    // a branch on the tiles, which differ from hand to hand past any
    // prediction.
    std::array<int, 5> frameFu{};
    unsigned tripletFrames = 0;  // two bits a frame, as the comparison below
    std::uint64_t frameTiles = 0;
    for (int k = 4; k >= 1; --k) {
        const TileList& meld = List[static_cast<std::size_t>(k)];
        frameFu[static_cast<std::size_t>(k - 1)] = meldIsClosedKan(k) ? 16 : meldIsKan(k) ? 8 : 2;
        frameTiles = frameTiles << 16 | meld.item(0).raw();
        tripletFrames = tripletFrames << 2 | (isTriplet(meld) ? 3u : 0u);
    }
    frameFu[4] = 4;
#if defined(__SSE2__)
    const __m128i frames = _mm_cvtsi64_si128(static_cast<long long>(frameTiles));
    const auto holding = [&](Code t) {
        return static_cast<unsigned>(_mm_movemask_epi8(
            _mm_cmpeq_epi16(frames, _mm_set1_epi16(static_cast<short>(t.raw())))));
    };
#else
    const auto holding = [&](Code t) {
        unsigned bits = 0;
        for (unsigned k = 0; k < 4; ++k)
            bits |=
                static_cast<std::uint16_t>(frameTiles >> (16 * k)) == t.raw() ? 3u << (2 * k) : 0u;
        return bits;
    };
#endif
    int fu = 0;
    for (std::size_t b = 0; b < 4; ++b) {
        const TileList& group = ListEND[b];
        const Code t = group.item(0);
        const unsigned held = holding(t) & tripletFrames;
        const int simple = frameFu[static_cast<std::size_t>(std::countr_zero(held | 0x100u)) / 2];
        // Terminals and honours count twice the fu of simples.
        const int add = isTerminalOrHonour(t) ? 2 * simple : simple;
        fu += isTriplet(group) ? add : 0;
    }
    FU_SUU = static_cast<Integer>(FU_SUU + fu);
}

}  // namespace tenho
