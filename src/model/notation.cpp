// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/notation.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/utf8.h"

namespace tenho {

namespace {

// Texts up to this long are first read in one pass that only tells whether
// they are well formed.
constexpr std::size_t kFastText = 64;

// What each byte is in a text of tiles, in one byte: the suit letter (0 m,
// 1 s, 2 p, 3 z; kNotALetter for anything else), whether it is no character
// of the notation (or the digit 0), whether it is 8 or 9, which are no
// honours; and the tile a digit is under each of the four letters.
constexpr unsigned kNotALetter = 4;
constexpr unsigned kLetterBits = 7;
constexpr unsigned kNoTile = 8;
constexpr unsigned kHighNumber = 16;

constexpr auto kInfoOf = [] {
    std::array<std::uint8_t, 256> info{};
    for (auto& i : info) i = kNotALetter | kNoTile;
    for (char d = '1'; d <= '9'; ++d) info[static_cast<unsigned char>(d)] = kNotALetter;
    info['8'] = info['9'] = kNotALetter | kHighNumber;
    info['m'] = 0;
    info['s'] = 1;
    info['p'] = 2;
    info['z'] = 3;
    return info;
}();

constexpr auto kTileOf = [] {
    std::array<std::array<Code, 256>, kNotALetter + 1> tiles{};
    for (int d = '1'; d <= '9'; ++d) {
        const auto ch = static_cast<char>(d);
        tiles[0][static_cast<std::size_t>(d)] = Code('0', ch);
        tiles[1][static_cast<std::size_t>(d)] = Code('1', ch);
        tiles[2][static_cast<std::size_t>(d)] = Code('2', ch);
        tiles[3][static_cast<std::size_t>(d)] = Code(static_cast<char>('3' + (d - '1')), '1');
    }
    return tiles;
}();

// The tiles of a well-formed text, in the order written, at out[from..
// text.size()); `from`, or -1 when the text is not well formed (then the
// reading below tells why). The text is read backwards, so that every digit
// meets its suit letter first, and without a branch on what each character
// is: a digit's tile is written at the next place from the end, a letter's
// place is taken by the digit before it.
std::ptrdiff_t readWellFormed(std::string_view text, Code* out)
{
    if (text.empty()) return -1;
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    unsigned letter = kNotALetter;  // the letter of the digits being read
    unsigned bad = 0;
    unsigned nextIsLetter = 0;
    // A text ends with a letter.
    bad |= (kInfoOf[bytes[text.size() - 1]] & kLetterBits) == kNotALetter ? 1u : 0u;
    std::size_t at = text.size();
    for (std::size_t i = text.size(); i-- > 0;) {
        const unsigned b = bytes[i];
        const unsigned c = kInfoOf[b];
        const unsigned l = c & kLetterBits;
        const unsigned isLetter = l != kNotALetter ? 1u : 0u;
        letter ^= (letter ^ l) & (0u - isLetter);
        bad |= (c & kNoTile) | ((c & kHighNumber) & (letter == 3 ? ~0u : 0u)) |
               (isLetter & nextIsLetter);
        out[at - 1] = kTileOf[letter][b];
        at -= 1 - isLetter;
        nextIsLetter = isLetter;
    }
    bad |= nextIsLetter;  // a letter at the start has no digits
    if (bad != 0) return -1;
    return static_cast<std::ptrdiff_t>(at);
}

// The reading of parseTiles, handing each tile to `put` in order, for a
// text that readWellFormed did not take.
template <typename Put>
bool readTiles(std::string_view text, Put put, std::string& reason, std::size_t* errorAt)
{
    const auto fail = [&](std::size_t at, std::string why) {
        reason = std::move(why);
        if (errorAt) *errorAt = at;
        return false;
    };
    if (text.empty()) return fail(0, "no tiles given");
    std::size_t digitsFrom = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            if (digits == 0) digitsFrom = i;
            ++digits;
            continue;
        }
        if (ch != 'm' && ch != 's' && ch != 'p' && ch != 'z') {
            // The whole character, so that the reason stays readable text.
            const Utf8Piece piece = utf8PieceAt(text, i);
            const std::string_view shown =
                piece.valid ? text.substr(i, piece.size) : kReplacementCharacter;
            return fail(i, "unexpected character '" + std::string(shown) +
                               "' (tiles are digits followed by m, s, p or z)");
        }
        if (digits == 0) return fail(i, std::string("suit letter '") + ch + "' without digits");
        for (std::size_t j = digitsFrom; j < i; ++j) {
            const char d = text[j];
            if (d == '0') return fail(j, "0 is not a tile number");
            if (ch == 'z') {
                if (d > '7') return fail(j, std::string(1, d) + "z is not an honour (1z..7z)");
                put(Code(static_cast<char>('3' + (d - '1')), '1'));
            } else {
                const char suit = ch == 'm' ? '0' : ch == 's' ? '1' : '2';
                put(Code(suit, d));
            }
        }
        digits = 0;
    }
    if (digits != 0) return fail(text.size(), "digits without a suit letter at the end");
    return true;
}

}  // namespace

bool parseTiles(std::string_view text, std::vector<Code>& out, std::string& reason,
                std::size_t* errorAt)
{
    if (text.size() <= kFastText) {
        std::array<Code, kFastText> tiles;
        const std::ptrdiff_t from = readWellFormed(text, tiles.data());
        if (from >= 0) {
            out.insert(out.end(), tiles.begin() + from,
                       tiles.begin() + static_cast<std::ptrdiff_t>(text.size()));
            return true;
        }
    }
    return readTiles(
        text, [&out](Code c) { out.push_back(c); }, reason, errorAt);
}

bool parseTiles(std::string_view text, std::span<Code> out, std::size_t& count, std::string& reason,
                std::size_t* errorAt)
{
    if (text.size() <= kFastText) {
        std::array<Code, kFastText> tiles;
        const std::ptrdiff_t from = readWellFormed(text, tiles.data());
        if (from >= 0) {
            count = text.size() - static_cast<std::size_t>(from);
            const std::size_t n = std::min(count, out.size());
            for (std::size_t i = 0; i < n; ++i) out[i] = tiles[static_cast<std::size_t>(from) + i];
            return true;
        }
    }
    count = 0;
    return readTiles(
        text,
        [&](Code c) {
            if (count < out.size()) out[count] = c;
            ++count;
        },
        reason, errorAt);
}

std::string tileNotation(Code c)
{
    if (paletteIndex(c) < 0) return {};
    if (isHonour(c)) return std::string(1, static_cast<char>('1' + (c.suit() - '3'))) + 'z';
    std::string out(1, c.rank());
    out += c.suit() == '0' ? 'm' : c.suit() == '1' ? 's' : 'p';
    return out;
}

}  // namespace tenho
