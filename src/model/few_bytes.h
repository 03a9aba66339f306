// SPDX-License-Identifier: GPL-3.0-or-later
// Sixteen bytes at a time: a short run of bytes in one register without
// reading past the run, and which of sixteen bytes are one of two.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tenho {

// The `size` bytes at `from`, 0 < size <= 16, then zeros, read in a few
// loads that stay inside them (overlapping where the size is not theirs).
inline __m128i loadFew(const void* from, std::size_t size)
{
    const auto* const at = static_cast<const unsigned char*>(from);
    const auto load = [at]<typename Int>(Int, std::size_t offset) -> std::uint64_t {
        Int n;
        std::memcpy(&n, at + offset, sizeof n);
        return n;
    };
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    if (size >= 8) {
        low = load(std::uint64_t{}, 0);
        if (size > 8) high = load(std::uint64_t{}, size - 8) >> (8 * (16 - size));
    } else if (size >= 4) {
        low = load(std::uint32_t{}, 0) | load(std::uint32_t{}, size - 4) << (8 * (size - 4));
    } else if (size >= 2) {
        low = load(std::uint16_t{}, 0) | load(std::uint16_t{}, size - 2) << (8 * (size - 2));
    } else {
        low = *at;
    }
    return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

// The bytes of the 16 at `at` that are one of the two, as bits.
inline unsigned either16(const char* at, char a, char b)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(a)), _mm_cmpeq_epi8(v, _mm_set1_epi8(b)))));
}

}  // namespace tenho
#endif
