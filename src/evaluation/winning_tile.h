// SPDX-License-Identifier: GPL-3.0-or-later
// The concealed tiles with the winning tile added, as the shape tests and
// the two-identical-sequences test list them.
#pragma once

#include <array>
#include <bit>
#include <cstring>
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
        int at = n;
        if (to.sorted()) {
            // add moves `win` down past every item above it in text order,
            // so it stands after the last of the n items that is not.
            const auto key = [](__m128i codes) {  // text order, as signed numbers
                const __m128i swapped =
                    _mm_or_si128(_mm_slli_epi16(codes, 8), _mm_srli_epi16(codes, 8));
                return _mm_xor_si128(swapped, _mm_set1_epi16(static_cast<short>(0x8000)));
            };
            const auto* items = reinterpret_cast<const __m128i*>(hand.begin());
            const __m128i w = key(_mm_set1_epi16(static_cast<short>(win.raw())));
            const __m128i above =
                _mm_packs_epi16(_mm_cmpgt_epi16(key(_mm_loadu_si128(items)), w),
                                _mm_cmpgt_epi16(key(_mm_loadu_si128(items + 1)), w));
            const unsigned notAbove =
                ~static_cast<unsigned>(_mm_movemask_epi8(above)) & ((1u << n) - 1);
            at = notAbove == 0 ? 0 : 32 - std::countl_zero(notAbove);
        }
        // The items up to `at`, `win`, then the rest one place on; the room
        // past the sixteen lets both copies be of fixed length.
        std::array<Code, 2 * TileList::kCapacity> items{};
        std::memcpy(static_cast<void*>(items.data()), hand.begin(),
                    TileList::kCapacity * sizeof(Code));
        std::array<Code, 2 * TileList::kCapacity + 2> moved;
        std::memcpy(static_cast<void*>(moved.data()), items.data(),
                    TileList::kCapacity * sizeof(Code));
        std::memcpy(static_cast<void*>(moved.data() + at + 1), items.data() + at,
                    TileList::kCapacity * sizeof(Code));
        moved[static_cast<std::size_t>(at)] = win;
        std::array<Code, TileList::kCapacity> out;
        std::memcpy(static_cast<void*>(out.data()), moved.data(),
                    TileList::kCapacity * sizeof(Code));
        to.assign(out, n + 1);
        return;
    }
#endif
    to.copyFrom(hand);
    to.add(win);
}

}  // namespace tenho
