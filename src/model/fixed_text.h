// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of a small known maximum held in place: the result dialog's labels,
// the keys and flag strings of the window-level variables. A calculation
// writes them many times; held in place they never touch the heap, and a
// copy of the result dialog is a copy of the bytes in use.
#pragma once

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tenho {

// Behaves like the text it holds: compares, converts and is searched as a
// std::string_view. Every capacity below is well above the longest text the
// calculator can write there; a longer text is cut at the capacity (and stops
// a debug build), never written past it.
template <std::size_t N> class FixedText {
    static_assert(N > 0 && N < 65535);

public:
    static constexpr std::size_t kCapacity = N;
    static constexpr std::size_t kWholeCopy = 64;

    // User-provided, so that value-initialising one does not clear its
    // whole capacity first.
    FixedText() noexcept {}                             // NOLINT(modernize-use-equals-default)
    FixedText(std::string_view text) { assign(text); }  // NOLINT: as a std::string is
    FixedText(const char* text) { assign(text); }       // NOLINT
    // A short text is copied whole, as plain bytes (so that a calculator
    // holding only such texts copies as one block); a long one only as far
    // as it is used.
    FixedText(const FixedText& other) noexcept requires(N <= kWholeCopy) = default;
    FixedText(const FixedText& other) noexcept requires(N > kWholeCopy) : size_(other.size_)
    {
        copyWhole(other);
    }
    FixedText& operator=(const FixedText& other) noexcept requires(N <= kWholeCopy) = default;
    FixedText& operator=(const FixedText& other) noexcept requires(N > kWholeCopy)
    {
        if (this == &other) return *this;
        size_ = other.size_;
        copyWhole(other);
        return *this;
    }
    FixedText& operator=(std::string_view text) { return assign(text); }
    FixedText& operator=(const char* text) { return assign(text); }

    FixedText& assign(std::string_view text)
    {
        const std::size_t n = fit(0, text.size());
        move(data_, text.data(), n);  // the text may be a part of this one
        size_ = static_cast<std::uint16_t>(n);
        return *this;
    }
    FixedText& operator+=(std::string_view text)
    {
        const std::size_t n = fit(size_, text.size());
        move(data_ + size_, text.data(), n);
        size_ = static_cast<std::uint16_t>(size_ + n);
        return *this;
    }
    FixedText& operator+=(char ch)
    {
        if (fit(size_, 1) == 1) data_[size_++] = ch;
        return *this;
    }
    FixedText& operator+=(const char* text) { return *this += std::string_view(text); }

    // Puts `text` in front of the character at `pos`.
    FixedText& insert(std::size_t pos, std::string_view text) { return insert(pos, text, {}); }
    // Puts `first`, then `second`, in front of the character at `pos`: a new
    // line on top of a label is its text and CR LF. Neither may be a part of
    // this text.
    FixedText& insert(std::size_t pos, std::string_view first, std::string_view second)
    {
        pos = std::min<std::size_t>(pos, size_);
        const std::size_t a = fit(size_, first.size());
        const std::size_t b = fit(size_ + a, second.size());
        const std::size_t tail = std::min<std::size_t>(size_ - pos, N - pos - a - b);
        std::memmove(data_ + pos + a + b, data_ + pos, tail);
        move(data_ + pos, first.data(), a);
        move(data_ + pos + a, second.data(), b);
        size_ = static_cast<std::uint16_t>(pos + a + b + tail);
        return *this;
    }
    // insert(0, line, "\r\n"): a new line on top of a label, which moves
    // the whole text on. When the capacity is of whole sixteen-byte blocks
    // and the blocks in use fit once moved, the text moves in blocks from the
    // last one down (each is read before anything is written over it; the
    // bytes past the size come along unread), without a library call. In a
    // label of 128 bytes or more the first two blocks move whatever the
    // size: nearly every text is that short, and then no loop is left at a
    // count that changes from one line to the next.
    FixedText& prependLine(std::string_view line)
    {
#if defined(__SSE2__)
        if constexpr (N % 16 == 0) {
            const std::size_t by = line.size() + 2;
            const std::size_t used = (size_ + std::size_t{15}) / 16 * 16;
            constexpr std::size_t kFixed = N >= 128 ? 32 : 0;
            const std::size_t blocks = std::max(used, kFixed);
            if (by + blocks <= N) {
                const auto moveBlock = [this, by](std::size_t at) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(data_ + at + by),
                                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(data_ + at)));
                };
                for (std::size_t at = blocks; at > kFixed; at -= 16) moveBlock(at - 16);
                for (std::size_t at = kFixed; at > 0; at -= 16) moveBlock(at - 16);
                putLine(line);
                data_[line.size()] = '\r';
                data_[line.size() + 1] = '\n';
                size_ = static_cast<std::uint16_t>(size_ + by);
                return *this;
            }
        }
#endif
        return prependLineSlowly(line);
    }
    // prependLine for a text that does not fit the moves above: out of line,
    // so that the usual case keeps to few registers.
    [[gnu::noinline, gnu::cold]] FixedText& prependLineSlowly(std::string_view line)
    {
        return insert(0, line, "\r\n");
    }
    // Writes `digits`, a number from 0 to 99, in place of the text, as
    // Decimal writes it.
    FixedText& assignSmall(unsigned digits) requires(N >= 2)
    {
        assert(digits < 100);
        const unsigned tens = digits / 10;
        const unsigned ones = digits % 10;
        const bool two = tens != 0;
        data_[0] = static_cast<char>('0' + (two ? tens : ones));
        data_[1] = static_cast<char>('0' + ones);
        size_ = static_cast<std::uint16_t>(two ? 2 : 1);
        return *this;
    }
    FixedText& erase(std::size_t pos, std::size_t count)
    {
        pos = std::min<std::size_t>(pos, size_);
        count = std::min<std::size_t>(count, size_ - pos);
        std::memmove(data_ + pos, data_ + pos + count, size_ - pos - count);
        size_ = static_cast<std::uint16_t>(size_ - count);
        return *this;
    }
    void clear() { size_ = 0; }

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    const char* data() const { return data_; }
    char operator[](std::size_t i) const { return data_[i]; }

    std::string_view view() const { return {data_, size_}; }
    operator std::string_view() const { return view(); }  // NOLINT
    // For the window and the tools, which keep texts as strings.
    operator std::string() const { return str(); }  // NOLINT
    std::string str() const { return std::string(view()); }

    std::size_t find(std::string_view text, std::size_t pos = 0) const
    {
#if defined(__SSE2__)
        // The labels are searched for yaku names many times a calculation:
        // sixteen places at a time are tested for the name's first two bytes,
        // reading no further than the capacity.
        if constexpr (N >= 64) {
            if (text.size() >= 2 && pos <= size_) {
                const __m128i first = _mm_set1_epi8(text[0]);
                const __m128i second = _mm_set1_epi8(text[1]);
                for (std::size_t at = pos; at + text.size() <= size_; at += 16) {
                    if (at + 17 > N) return view().find(text, at);
                    const auto* p = reinterpret_cast<const __m128i*>(data_ + at);
                    const auto* q = reinterpret_cast<const __m128i*>(data_ + at + 1);
                    auto hits = static_cast<unsigned>(_mm_movemask_epi8(
                        _mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(p), first),
                                      _mm_cmpeq_epi8(_mm_loadu_si128(q), second))));
                    // Only the places where the whole name would fit count.
                    const std::size_t fits = size_ - text.size() - at + 1;
                    if (fits < 16) hits &= (1u << fits) - 1;
                    for (; hits != 0; hits &= hits - 1) {
                        const std::size_t i = at + static_cast<std::size_t>(std::countr_zero(hits));
                        if (std::memcmp(data_ + i, text.data(), text.size()) == 0) return i;
                    }
                }
                return std::string_view::npos;
            }
        }
#endif
        return view().find(text, pos);
    }
    std::size_t find(char ch, std::size_t pos = 0) const { return view().find(ch, pos); }
    std::size_t find_first_not_of(char ch) const { return view().find_first_not_of(ch); }
    bool starts_with(std::string_view text) const { return view().starts_with(text); }
    bool ends_with(std::string_view text) const { return view().ends_with(text); }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    template <std::size_t M> friend bool operator==(const FixedText& a, const FixedText<M>& b)
    {
        return a.view() == b.view();
    }
    friend std::ostream& operator<<(std::ostream& os, const FixedText& t) { return os << t.view(); }

private:
#if defined(__SSE2__)
    // The line of prependLine at the start: up to 32 bytes as two blocks
    // that may overlap, without a library call.
    void putLine(std::string_view line)
    {
        const std::size_t n = line.size();
        if (n > 16 && n <= 32) {
            const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data()));
            const __m128i tail =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + n - 16));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(data_), head);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(data_ + n - 16), tail);
        } else {
            move(data_, line.data(), n);
        }
    }
#endif
    // A copy of another text of the same capacity: for a capacity of whole
    // sixteen-byte blocks, the blocks in use as they stand (the bytes past the
    // size come along unread).
    void copyWhole(const FixedText& other)
    {
#if defined(__SSE2__)
        if constexpr (N % 16 == 0) {
            for (std::size_t at = 0; at < size_; at += 16)
                _mm_storeu_si128(
                    reinterpret_cast<__m128i*>(data_ + at),
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(other.data_ + at)));
            return;
        }
#endif
        move(data_, other.data_, size_);
    }

    // memmove, without a library call for the short texts that are nearly
    // all of them: both ends are read before anything is written.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
// GCC looks into the branches for lengths the caller's text cannot have.
#pragma GCC diagnostic ignored "-Warray-bounds"
#pragma GCC diagnostic ignored "-Wstringop-overread"
#endif
    static void move(char* to, const char* from, std::size_t n)
    {
        const auto twoWords = [&]<typename W>(W) {
            W head, tail;
            std::memcpy(&head, from, sizeof(W));
            std::memcpy(&tail, from + n - sizeof(W), sizeof(W));
            std::memcpy(to, &head, sizeof(W));
            std::memcpy(to + n - sizeof(W), &tail, sizeof(W));
        };
        if (n >= 8 && n <= 16)
            twoWords(std::uint64_t{});
        else if (n >= 4 && n < 8)
            twoWords(std::uint32_t{});
        else if (n >= 2 && n < 4)
            twoWords(std::uint16_t{});
        else if (n == 1)
            *to = *from;
        else if (n > 16)
            std::memmove(to, from, n);
    }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

    // How much of `wanted` more characters fit after `used`.
    static std::size_t fit(std::size_t used, std::size_t wanted)
    {
        assert(used + wanted <= N && "text longer than its fixed capacity");
        return std::min(wanted, N - used);
    }

    std::uint16_t size_ = 0;
    char data_[N];
};

// The decimal digits of n as std::to_string writes them, without a string.
class Decimal {
public:
    explicit Decimal(long n)
    {
        if (n >= 0 && n < 100) {  // han totals, fu and counts, nearly always
            if (n >= 10) buf_[len_++] = static_cast<char>('0' + n / 10);
            buf_[len_++] = static_cast<char>('0' + n % 10);
            return;
        }
        char digits[24];
        int count = 0;
        unsigned long rest =
            n < 0 ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
        do {
            digits[count++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (n < 0) buf_[len_++] = '-';
        while (count > 0) buf_[len_++] = digits[--count];
    }
    operator std::string_view() const { return {buf_, len_}; }  // NOLINT

private:
    char buf_[24];
    std::size_t len_ = 0;
};

}  // namespace tenho
