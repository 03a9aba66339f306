// SPDX-License-Identifier: GPL-3.0-or-later
// The ordered tile containers of the calculator.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstdint>

#include "model/tile.h"

namespace tenho {

// A list box used as an ordered container of tile codes. A sorted list keeps
// its items in ascending text order whatever the order of insertion; an
// unsorted one keeps insertion order. Reading an index outside the list
// yields the empty code: the split search and the pair tests look one item
// past the end on purpose and rely on that.
//
// The capacity is fixed: no list of the calculator ever holds more than
// fourteen tiles, and a fixed array keeps a calculation free of allocations.
class TileList {
public:
    static constexpr int kCapacity = 16;

    explicit constexpr TileList(bool sorted = false) : sorted_(sorted) {}

    constexpr bool sorted() const { return sorted_; }
    constexpr int count() const { return count_; }
    constexpr bool isEmpty() const { return count_ == 0; }

    // The places past the count hold the empty code, so only an index
    // outside the capacity needs a test.
    constexpr Code item(int i) const
    {
        return static_cast<unsigned>(i) < kCapacity ? items_[static_cast<std::size_t>(i)] : Code();
    }

    // The items 0 .. count() - 1, for scans that run many times a calculation.
    constexpr const Code* begin() const { return items_.data(); }
    constexpr const Code* end() const { return items_.data() + count_; }

    // How many items equal c, a non-empty code.
    int countOf(Code c) const { return countOf(c, std::array<const TileList*, 1>{this}); }

    // How many items of all the lists equal c, a non-empty code. The places
    // past a list's count hold the empty code, so all sixteen are compared.
    template <std::size_t N> static int countOf(Code c, const std::array<const TileList*, N>& lists)
    {
        const auto want = std::bit_cast<std::uint16_t>(c);
#if defined(__SSE2__)
        static_assert(sizeof(items_) == 32);
        const __m128i w = _mm_set1_epi16(static_cast<short>(want));
        __m128i sum = _mm_setzero_si128();  // a match is -1 in its lane
        for (const TileList* list : lists) {
            const auto* at = reinterpret_cast<const __m128i*>(list->items_.data());
            sum = _mm_add_epi16(sum, _mm_cmpeq_epi16(_mm_loadu_si128(at), w));
            sum = _mm_add_epi16(sum, _mm_cmpeq_epi16(_mm_loadu_si128(at + 1), w));
        }
        return matches(sum);
#else
        int n = 0;
        for (const TileList* list : lists)
            for (std::uint16_t r :
                 std::bit_cast<std::array<std::uint16_t, kCapacity>>(list->items_))
                n += r == want ? 1 : 0;
        return n;
#endif
    }

    // How many items of all the lists equal each of `codes`, non-empty codes,
    // in one pass over the lists.
    template <std::size_t K, std::size_t N>
    static std::array<int, K> countEach(const std::array<Code, K>& codes,
                                        const std::array<const TileList*, N>& lists)
    {
        std::array<int, K> counts{};
#if defined(__SSE2__)
        __m128i want[K];
        __m128i sums[K];  // a match is -1 in its lane
        for (std::size_t k = 0; k < K; ++k) {
            want[k] = _mm_set1_epi16(static_cast<short>(std::bit_cast<std::uint16_t>(codes[k])));
            sums[k] = _mm_setzero_si128();
        }
        for (const TileList* list : lists) {
            const auto* at = reinterpret_cast<const __m128i*>(list->items_.data());
            const __m128i low = _mm_loadu_si128(at);
            const __m128i high = _mm_loadu_si128(at + 1);
            for (std::size_t k = 0; k < K; ++k)
                sums[k] = _mm_add_epi16(sums[k], _mm_add_epi16(_mm_cmpeq_epi16(low, want[k]),
                                                               _mm_cmpeq_epi16(high, want[k])));
        }
        for (std::size_t k = 0; k < K; ++k) counts[k] = matches(sums[k]);
#else
        for (std::size_t k = 0; k < K; ++k) counts[k] = countOf(codes[k], lists);
#endif
        return counts;
    }

    // Over all sixteen places of each list (past a count: the empty code,
    // both characters '\0'): for each of `chars`, how many places hold it as
    // their first character (or their second, with Second), and last how many
    // hold one below chars[0] there.
    template <bool Second, std::size_t N, std::size_t K>
    static std::array<int, K + 1> tally(const std::array<const TileList*, N>& lists,
                                        const std::array<char, K>& chars)
    {
        std::array<int, K + 1> counts{};
#if defined(__SSE2__)
        __m128i sums[K + 1];  // a match is -1 in its lane
        for (auto& s : sums) s = _mm_setzero_si128();
        for (const TileList* list : lists) {
            const auto* at = reinterpret_cast<const __m128i*>(list->items_.data());
            for (int half = 0; half < 2; ++half) {
                const __m128i codes = _mm_loadu_si128(at + half);
                const __m128i ch =
                    Second ? _mm_srli_epi16(codes, 8) : _mm_and_si128(codes, _mm_set1_epi16(0xff));
                for (std::size_t k = 0; k < K; ++k)
                    sums[k] = _mm_add_epi16(
                        sums[k],
                        _mm_cmpeq_epi16(ch, _mm_set1_epi16(static_cast<unsigned char>(chars[k]))));
                sums[K] = _mm_add_epi16(
                    sums[K],
                    _mm_cmpgt_epi16(_mm_set1_epi16(static_cast<unsigned char>(chars[0])), ch));
            }
        }
        for (std::size_t k = 0; k <= K; ++k) counts[k] = matches(sums[k]);
#else
        for (const TileList* list : lists)
            for (Code c : list->items_) {
                const auto ch = static_cast<unsigned char>(Second ? c.rank() : c.suit());
                for (std::size_t k = 0; k < K; ++k)
                    counts[k] += ch == static_cast<unsigned char>(chars[k]) ? 1 : 0;
                counts[K] += ch < static_cast<unsigned char>(chars[0]) ? 1 : 0;
            }
#endif
        return counts;
    }

    // Sorted lists place the code after any equal ones; a full list ignores it.
    constexpr void add(Code c)
    {
        if (count_ >= kCapacity) return;
        int at = count_;
        if (sorted_)
            while (at > 0 && c < items_[static_cast<std::size_t>(at - 1)]) --at;
        for (int j = count_; j > at; --j)
            items_[static_cast<std::size_t>(j)] = items_[static_cast<std::size_t>(j - 1)];
        items_[static_cast<std::size_t>(at)] = c;
        ++count_;
    }

    // Removing the selected item leaves no selection; a later one moves up.
    constexpr void removeAt(int i)
    {
        if (i < 0 || i >= count_) return;
        for (int j = i; j + 1 < count_; ++j)
            items_[static_cast<std::size_t>(j)] = items_[static_cast<std::size_t>(j + 1)];
        --count_;
        items_[static_cast<std::size_t>(count_)] = Code();
        if (index == i)
            index = -1;
        else if (index > i)
            --index;
    }

    // Clear, then add every item of `other` in order: a plain copy, since
    // adding sorted items to a sorted list keeps their order.
    constexpr void copyFrom(const TileList& other)
    {
        items_ = other.items_;
        count_ = other.count_;
        index = -1;
    }

    // Clear, then take the first `n` of `codes` as they stand; the rest of
    // `codes` must be empty codes. The caller of a sorted list gives them in
    // order. Faster than adding them one by one.
    constexpr void assign(const std::array<Code, kCapacity>& codes, int n)
    {
        assert(n >= 0 && n <= kCapacity &&
               std::all_of(codes.begin() + n, codes.end(), [](Code c) { return c.empty(); }));
        items_ = codes;
        count_ = static_cast<std::int16_t>(n);
        index = -1;
    }

    // Clear, then take at(0) .. at(n - 1) as they come; the caller of a
    // sorted list gives them in order. Each item is written where it goes.
    template <typename At> constexpr void generate(int n, At at)
    {
        assert(n >= 0 && n <= kCapacity);
        items_ = {};
        for (int j = 0; j < n; ++j) items_[static_cast<std::size_t>(j)] = at(j);
        count_ = static_cast<std::int16_t>(n);
        index = -1;
    }

    // Clear, then have `write` put the first `n` items in place: it is
    // handed the sixteen places, all holding the empty code, as bytes, so
    // that it may write several at once; every place from `n` on must hold
    // the empty code again when it returns.
    template <typename Write> void writeInPlace(int n, Write write)
    {
        assert(n >= 0 && n <= kCapacity);
        items_ = {};
        write(reinterpret_cast<unsigned char*>(items_.data()));
        assert(std::all_of(items_.begin() + n, items_.end(), [](Code c) { return c.empty(); }));
        count_ = static_cast<std::int16_t>(n);
        index = -1;
    }

    constexpr void clear()
    {
        items_ = {};
        count_ = 0;
        index = -1;
    }

    // Selected index (ListIndex); -1 = none. Only the dora list reads it back.
    int index = -1;

private:
#if defined(__SSE2__)
    // The matches summed in eight lanes, each match -1: their number.
    static int matches(__m128i sum)
    {
        sum = _mm_add_epi16(sum, _mm_srli_si128(sum, 8));
        sum = _mm_add_epi16(sum, _mm_srli_si128(sum, 4));
        sum = _mm_add_epi16(sum, _mm_srli_si128(sum, 2));
        return -static_cast<short>(_mm_cvtsi128_si32(sum));
    }
#endif

    std::array<Code, kCapacity> items_{};  // past count_: empty codes, always
    std::int16_t count_ = 0;
    bool sorted_ = false;
};

}  // namespace tenho
