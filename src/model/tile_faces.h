// SPDX-License-Identifier: GPL-3.0-or-later
// Sixteen bytes of a text of tiles read at once: which bytes are digits and
// which letters, and each digit's tile as its two characters.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>

namespace tenho {

struct TileFaces {
    __m128i digit;      // 0xFF where the byte is 1..9
    __m128i letter;     // 0xFF where it is m, s, p or z
    __m128i badHonour;  // 0xFF where it is a digit past 7 under z
    // Each place's tile, its first and second character: the suit and the
    // digit, or an honour's '3'..'9' and '1'. Meaningful under digits only.
    __m128i first;
    __m128i second;
};

// Each place is given the suit of the first letter at or after it ('0' m,
// '1' s, '2' p, 1 z); where no letter follows in the block, that of `after`
// (the next block's first, or zero).
[[gnu::always_inline]] inline TileFaces tileFaces(__m128i v, __m128i after)
{
    const auto bytes = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
    const __m128i digit =
        _mm_and_si128(_mm_cmpgt_epi8(v, bytes('0')), _mm_cmplt_epi8(v, bytes(':')));
    const __m128i m = _mm_cmpeq_epi8(v, bytes('m'));
    const __m128i s = _mm_cmpeq_epi8(v, bytes('s'));
    const __m128i p = _mm_cmpeq_epi8(v, bytes('p'));
    const __m128i z = _mm_cmpeq_epi8(v, bytes('z'));
    __m128i suit =
        _mm_or_si128(_mm_or_si128(_mm_and_si128(m, bytes('0')), _mm_and_si128(s, bytes('1'))),
                     _mm_or_si128(_mm_and_si128(p, bytes('2')), _mm_and_si128(z, bytes(1))));
    // The suits spread backwards over the digits before them: 1, 2, 4, 8
    // places at a time, into the places that have none yet.
    const __m128i zero = _mm_setzero_si128();
    const auto spread = [&](__m128i from) {
        suit = _mm_or_si128(suit, _mm_and_si128(_mm_cmpeq_epi8(suit, zero), from));
    };
    spread(_mm_srli_si128(suit, 1));
    spread(_mm_srli_si128(suit, 2));
    spread(_mm_srli_si128(suit, 4));
    spread(_mm_srli_si128(suit, 8));
    spread(after);
    // An honour is written '3'..'9' '1': its digit moved on by two, over 1.
    const __m128i honour = _mm_cmpeq_epi8(suit, bytes(1));
    return {digit, _mm_or_si128(_mm_or_si128(m, s), _mm_or_si128(p, z)),
            _mm_and_si128(honour, _mm_cmpgt_epi8(v, bytes('7'))),
            _mm_or_si128(_mm_andnot_si128(honour, suit),
                         _mm_and_si128(honour, _mm_add_epi8(v, bytes(2)))),
            _mm_or_si128(_mm_andnot_si128(honour, v), _mm_and_si128(honour, bytes('1')))};
}

}  // namespace tenho
#endif
