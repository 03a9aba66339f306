// SPDX-License-Identifier: GPL-3.0-or-later
// The concealed tiles with the winning tile added, as the shape tests and
// the two-identical-sequences test list them.
#pragma once

#include <array>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/tile_list.h"

namespace tenho {

// `to` = `hand`, then `win` added, as copyFrom and add leave it: the place
// add moves `win` down to is found at once, and the items are written once.
inline void copyAndAdd(TileList& to, const TileList& hand, Code win)
{
#if defined(__SSE2__)
    const int n = hand.count();
    if (n < TileList::kCapacity) {
        const auto* items = reinterpret_cast<const __m128i*>(hand.begin());
        const __m128i low = _mm_loadu_si128(items), high = _mm_loadu_si128(items + 1);
        int at = n;
        if (to.sorted()) {
            // add moves `win` down past every item above it in text order,
            // so it stands after the last of the n items that is not.
            const auto key = [](__m128i codes) {  // text order, as signed numbers
                const __m128i swapped =
                    _mm_or_si128(_mm_slli_epi16(codes, 8), _mm_srli_epi16(codes, 8));
                return _mm_xor_si128(swapped, _mm_set1_epi16(static_cast<short>(0x8000)));
            };
            const __m128i w = key(_mm_set1_epi16(static_cast<short>(win.raw())));
            const __m128i above =
                _mm_packs_epi16(_mm_cmpgt_epi16(key(low), w), _mm_cmpgt_epi16(key(high), w));
            const unsigned notAbove =
                ~static_cast<unsigned>(_mm_movemask_epi8(above)) & ((1u << n) - 1);
            at = notAbove == 0 ? 0 : 32 - std::countl_zero(notAbove);
        }
        // The items before `at` stay, `win` goes to `at`, the rest move one
        // place on: all sixteen places are chosen at once, in registers.
        const __m128i place = _mm_set1_epi16(static_cast<short>(at));
        const __m128i w16 = _mm_set1_epi16(static_cast<short>(win.raw()));
        const auto pick = [&](__m128i here, __m128i previous, __m128i lanes) {
            const __m128i after = _mm_cmpgt_epi16(lanes, place);
            const __m128i atWin = _mm_cmpeq_epi16(lanes, place);
            return _mm_or_si128(
                _mm_or_si128(_mm_and_si128(after, previous), _mm_and_si128(atWin, w16)),
                _mm_andnot_si128(_mm_or_si128(after, atWin), here));
        };
        const __m128i outLow =
            pick(low, _mm_slli_si128(low, 2), _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7));
        const __m128i outHigh =
            pick(high, _mm_or_si128(_mm_slli_si128(high, 2), _mm_srli_si128(low, 14)),
                 _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15));
        to.writeInPlace(n + 1, [&](unsigned char* places) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(places), outLow);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(places + 16), outHigh);
        });
        return;
    }
#endif
    to.copyFrom(hand);
    to.add(win);
}

}  // namespace tenho
