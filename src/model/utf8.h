// SPDX-License-Identifier: GPL-3.0-or-later
// Reading UTF-8 one character at a time, for texts that come from outside
// (typed tiles, command-line words) and must be quoted back whole: a message
// never shows part of a character, and bytes that are not UTF-8 show as
// U+FFFD, one for each longest piece that could have begun a character (the
// usual replacement practice).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenho {

inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

struct Utf8Piece {
    std::size_t size;  // bytes, at least 1
    bool valid;        // a whole character; else bytes to show as one U+FFFD
};

// The character (or ill-formed piece) starting at byte `at` < text.size().
constexpr Utf8Piece utf8PieceAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {1, true};
    // Continuation bytes allowed after the lead byte; the first one is
    // narrowed where shorter forms, surrogates or code points past U+10FFFF
    // would result.
    std::size_t more = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {1, false};
    }
    std::size_t size = 1;
    for (; more > 0; --more, ++size) {
        if (at + size >= text.size()) return {size, false};
        const auto next = static_cast<unsigned char>(text[at + size]);
        if (next < low || next > high) return {size, false};
        low = 0x80;
        high = 0xBF;
    }
    return {size, true};
}

constexpr bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Piece p = utf8PieceAt(text, i);
        if (!p.valid) return false;
        i += p.size;
    }
    return true;
}

// Appends `text` with every ill-formed piece replaced by U+FFFD, to a
// std::string or anything else that appends a std::string_view with +=.
template <typename Text = std::string> void appendValidUtf8(Text& out, std::string_view text)
{
    std::size_t from = 0;  // start of the valid run not yet copied
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Piece p = utf8PieceAt(text, i);
        if (!p.valid) {
            out += text.substr(from, i - from);
            out += kReplacementCharacter;
            from = i + p.size;
        }
        i += p.size;
    }
    out += text.substr(from);
}

}  // namespace tenho
