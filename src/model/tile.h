// SPDX-License-Identifier: GPL-3.0-or-later
// Tile codes: two decimal digits, suit (or honour) digit first, rank second.
#pragma once

#include <array>
#include <bit>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/fixed_text.h"

namespace tenho {

// One tile code, or the empty text that a list yields past its end. The
// scratch list of the suit and rank tests also holds one-character texts
// (a suit or rank digit). Held as two characters so that text order
// (sorting, equality) is the plain comparison of the characters; the empty
// text sorts first.
class Code {
public:
    constexpr Code() = default;
    constexpr Code(char suit, char rank) : d_{suit, rank} {}

    // "" or two characters; anything else yields the empty code.
    static constexpr Code fromText(std::string_view text)
    {
        if (text.size() == 1) return {text[0], '\0'};
        if (text.size() != 2) return {};
        return {text[0], text[1]};
    }

    // A one-character text such as the rank digit "7".
    static constexpr Code digit(char ch) { return {ch, '\0'}; }

    constexpr bool empty() const { return d_[0] == '\0'; }
    constexpr int length() const { return d_[0] == '\0' ? 0 : d_[1] == '\0' ? 1 : 2; }
    // First and second character; '\0' for the empty code.
    constexpr char suit() const { return d_[0]; }
    constexpr char rank() const { return d_[1]; }

    // Numeric value of the text ("09" is 9); the empty text reads as 0.
    constexpr int value() const
    {
        if (d_[1] != '\0') return (d_[0] - '0') * 10 + (d_[1] - '0');
        return d_[0] != '\0' ? d_[0] - '0' : 0;
    }
    // Numeric value of one character ("" reads as 0).
    constexpr int suitValue() const { return empty() ? 0 : d_[0] - '0'; }
    constexpr int rankValue() const { return length() < 2 ? 0 : d_[1] - '0'; }

    std::string str() const { return std::string(view()); }
    std::string_view view() const
    {
        return std::string_view(d_, static_cast<std::size_t>(length()));
    }

    constexpr std::strong_ordering operator<=>(const Code& other) const
    {
        return key() <=> other.key();
    }
    constexpr bool operator==(const Code& other) const { return raw() == other.raw(); }
    // The two characters as one number, for look-ups; not in text order.
    constexpr std::uint16_t raw() const { return std::bit_cast<std::uint16_t>(d_); }

private:
    // Both characters as one number, in text order.
    constexpr unsigned key() const
    {
        return static_cast<unsigned>(static_cast<unsigned char>(d_[0])) << 8 |
               static_cast<unsigned char>(d_[1]);
    }

    char d_[2] = {'\0', '\0'};
};

inline constexpr int kTileKinds = 34;

// The 34 codes in palette order: HAI(i).Tag == kHaiCodes[i].
inline constexpr std::array<Code, kTileKinds> kHaiCodes = {
    Code('0', '1'), Code('0', '2'), Code('0', '3'), Code('0', '4'), Code('0', '5'), Code('0', '6'),
    Code('0', '7'), Code('0', '8'), Code('0', '9'), Code('1', '1'), Code('1', '2'), Code('1', '3'),
    Code('1', '4'), Code('1', '5'), Code('1', '6'), Code('1', '7'), Code('1', '8'), Code('1', '9'),
    Code('2', '1'), Code('2', '2'), Code('2', '3'), Code('2', '4'), Code('2', '5'), Code('2', '6'),
    Code('2', '7'), Code('2', '8'), Code('2', '9'), Code('3', '1'), Code('4', '1'), Code('5', '1'),
    Code('6', '1'), Code('7', '1'), Code('8', '1'), Code('9', '1'),
};

namespace detail {
// Palette index of a code, under the code's two bytes less "00" taken as
// one little-endian number: the suit digit's value in the low byte, the
// rank digit's in the high one. Everything below 0x090A that is no tile,
// a low byte over 9 included, holds -1; a byte below '0' borrows and lands
// on a low byte of 0xD0 or more, or on a number past the table.
inline constexpr std::size_t kPaletteRoom = 0x090A;
inline constexpr auto kPaletteOf = [] {
    std::array<std::int8_t, kPaletteRoom> t{};
    for (auto& v : t) v = -1;
    for (int suit = 0; suit < 10; ++suit)
        for (int rank = 1; rank < 10; ++rank) {
            int index = -1;
            if (suit <= 2) index = suit * 9 + rank - 1;
            if (suit >= 3 && rank == 1) index = 27 + suit - 3;
            t[static_cast<std::size_t>(rank << 8 | suit)] = static_cast<std::int8_t>(index);
        }
    return t;
}();

// The place of a code in tables laid out as kPaletteOf; kPaletteRoom or more
// for a code outside them, which is no tile.
constexpr std::uint16_t paletteSlot(Code c)
{
    const auto suit = static_cast<unsigned>(static_cast<unsigned char>(c.suit()));
    const auto rank = static_cast<unsigned>(static_cast<unsigned char>(c.rank()));
    return static_cast<std::uint16_t>((rank << 8 | suit) - 0x3030u);
}
}  // namespace detail

// Palette index of a code, or -1 for anything that is not one of the 34 codes.
// Every entry check and every tile picture asks this, so it is one compare
// and one look-up.
constexpr int paletteIndex(Code c)
{
    const std::uint16_t at = detail::paletteSlot(c);
    return at < detail::kPaletteRoom ? detail::kPaletteOf[at] : -1;
}

// Honour: first digit 3 or more. Number tile: first digit 0, 1 or 2, a
// suit digit.
constexpr bool isHonour(Code c) { return !c.empty() && c.suit() >= '3'; }
constexpr bool isSuitDigit(char ch) { return ch == '0' || ch == '1' || ch == '2'; }
constexpr bool isNumberTile(Code c) { return isSuitDigit(c.suit()); }
// Terminal or honour: second digit "1" or "9" (every honour ends in "1").
constexpr bool isTerminalOrHonour(Code c) { return c.rank() == '1' || c.rank() == '9'; }

// Key of one tile, ":" + code + ":": DRAG_KEY, the tile a tile-count check
// looks for (HAI_SHUUKEI reads the tile back out of it). Every caller passes
// a tile; a shorter text keeps its own length, as the text would.
inline FixedText<8> tileKey(Code c)
{
    const char key[4] = {':', c.suit(), c.rank(), ':'};
    if (c.length() == 2) return FixedText<8>(std::string_view(key, 4));
    FixedText<8> shorter(":");
    shorter += c.view();
    shorter += ':';
    return shorter;
}

// Japanese name of a tile, for people reading tool output ("一萬", "東", ...).
std::string tileName(Code c);

// Full-width decimal digits ("１３").
FixedText<40> fullWidthNumber(int n);

// Numeric value of a text the way the calculator reads labels: leading blanks,
// an optional sign and the ASCII digits that follow; anything else stops the
// reading, so "" and "１３翻" read as 0 and "3翻" as 3.
int textValueSlow(std::string_view text);
inline int textValue(std::string_view text)
{
    // Nearly always a count of one or two digits ("0", "13"), read at once.
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return text[0] - '0';
    if (text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9')
        return (text[0] - '0') * 10 + (text[1] - '0');
    return textValueSlow(text);
}

}  // namespace tenho
