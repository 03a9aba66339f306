// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the items of a tile list into a row of pictures at once.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/picture.h"
#include "model/tile.h"
#include "model/tile_list.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tenho {

// For i = 0 .. n - 1 what HAI_GAZOU does with PAI_CODE = item i of `list` and
// PAI_CTL = pictures[i]: a tile's picture gets the tile's face (the palette
// picture HAI(k) shows face k) and is shown; a picture whose item is no tile
// is left alone. n is at most the number of pictures and at most 16.
//
// Every tile added to the hand redraws the whole hand, so this runs some
// hundred times a calculation: eight codes are turned into faces at a time.
inline void drawTiles(const TileList& list, Picture* pictures, int n)
{
    static_assert(sizeof(Picture) == 8 && offsetof(Picture, visible) == 4);
#if defined(__SSE2__)
    const Code* items = list.begin();  // sixteen places, empty past the count
    for (int block = 0; block * 8 < n; ++block) {
        // Eight codes; the suit character is the low byte of each lane.
        const __m128i codes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(items + block * 8));
        const __m128i zero = _mm_set1_epi16('0');
        const __m128i suit = _mm_sub_epi16(_mm_and_si128(codes, _mm_set1_epi16(0xff)), zero);
        const __m128i rank = _mm_sub_epi16(_mm_srli_epi16(codes, 8), zero);
        const auto between = [](__m128i v, int low, int high) {
            return _mm_and_si128(_mm_cmpgt_epi16(v, _mm_set1_epi16(static_cast<short>(low - 1))),
                                 _mm_cmpgt_epi16(_mm_set1_epi16(static_cast<short>(high + 1)), v));
        };
        // Number tiles "01".."29": suit 0..2, rank 1..9, face suit * 9 + rank - 1.
        // Honours "31".."91": suit 3..9, rank 1, face suit + 24.
        const __m128i number = _mm_and_si128(between(suit, 0, 2), between(rank, 1, 9));
        const __m128i honour =
            _mm_and_si128(between(suit, 3, 9), _mm_cmpeq_epi16(rank, _mm_set1_epi16(1)));
        const __m128i numberFace = _mm_add_epi16(_mm_mullo_epi16(suit, _mm_set1_epi16(9)),
                                                 _mm_sub_epi16(rank, _mm_set1_epi16(1)));
        const __m128i honourFace = _mm_add_epi16(suit, _mm_set1_epi16(24));
        const __m128i face =
            _mm_or_si128(_mm_and_si128(number, numberFace), _mm_and_si128(honour, honourFace));
        const __m128i draw = _mm_or_si128(number, honour);

        // Two pictures a quarter: {face, shown} where drawn, else as they were.
        const __m128i shown = _mm_set1_epi32(1);  // visible = true, padding 0
        const __m128i faces[2] = {_mm_unpacklo_epi16(face, _mm_setzero_si128()),
                                  _mm_unpackhi_epi16(face, _mm_setzero_si128())};
        const __m128i draws[2] = {_mm_unpacklo_epi16(draw, draw), _mm_unpackhi_epi16(draw, draw)};
        for (int half = 0; half < 2; ++half) {
            for (int quarter = 0; quarter < 2; ++quarter) {
                const int first = block * 8 + half * 4 + quarter * 2;
                if (first >= n) return;
                const __m128i fresh = quarter == 0 ? _mm_unpacklo_epi32(faces[half], shown)
                                                   : _mm_unpackhi_epi32(faces[half], shown);
                const __m128i mask = quarter == 0 ? _mm_unpacklo_epi32(draws[half], draws[half])
                                                  : _mm_unpackhi_epi32(draws[half], draws[half]);
                auto* at = reinterpret_cast<__m128i*>(pictures + first);
                const bool both = first + 1 < n;  // else the last picture alone
                const __m128i old = both ? _mm_loadu_si128(at) : _mm_loadl_epi64(at);
                const __m128i out =
                    _mm_or_si128(_mm_and_si128(mask, fresh), _mm_andnot_si128(mask, old));
                if (both)
                    _mm_storeu_si128(at, out);
                else
                    _mm_storel_epi64(at, out);
            }
        }
    }
#else
    for (int i = 0; i < n; ++i) {
        const int face = paletteIndex(list.item(i));
        if (face >= 0) pictures[i] = Picture{face, true};
    }
#endif
}

}  // namespace tenho
