// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/notation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "model/few_bytes.h"
#include "model/tile_faces.h"
#include "model/utf8.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tenho {

namespace {

// Texts up to this long are first read in one pass that only tells whether
// they are well formed.
constexpr std::size_t kFastText = 64;

// Where the tiles of a well-formed text are read into: room for a tile a
// byte, left as it is until written (an array of Code would be cleared first).
struct TileRoom {
    alignas(Code) unsigned char bytes[kFastText * sizeof(Code)];
    Code* tiles() { return reinterpret_cast<Code*>(bytes); }
};

// The tiles read, or none (first null) when the text is not well formed.
struct ReadTiles {
    const Code* first = nullptr;
    std::size_t count = 0;
};

// Each byte of a text of tiles in one small byte, so that the tables stay
// few cache lines: a digit 1..9 as itself, a suit letter as kIsLetter, its
// row of kTileOf below (0 m, 1 s, 2 p, 3 z, 16 places each) and kLetterPlace,
// anything else (0 too) as 0.
constexpr unsigned kIsLetter = 0x80;
constexpr unsigned kRowBits = 0x70;
constexpr unsigned kPlaceBits = 0x0F;
constexpr unsigned kLetterPlace = 15;
constexpr unsigned kNoLetterRow = 4 * 16;  // before the last letter of the text

constexpr auto kClassOf = [] {
    std::array<std::uint8_t, 256> info{};
    for (int d = 1; d <= 9; ++d)
        info[static_cast<std::size_t>('0' + d)] = static_cast<std::uint8_t>(d);
    info['m'] = kIsLetter | 0 * 16 | kLetterPlace;
    info['s'] = kIsLetter | 1 * 16 | kLetterPlace;
    info['p'] = kIsLetter | 2 * 16 | kLetterPlace;
    info['z'] = kIsLetter | 3 * 16 | kLetterPlace;
    return info;
}();

// Each place under each letter, or under none: a digit's tile (its two
// characters as Code::raw, whose bytes are ASCII), and kBad (bits no tile
// has) for anything that is no tile there: a byte of no notation, 0, 8 or 9
// under z, a digit with no letter after it. A letter is no tile but not bad
// either.
constexpr std::uint16_t kBad = 0x8080;

constexpr auto kTileOf = [] {
    std::array<std::uint16_t, kNoLetterRow + 16> tiles{};
    for (auto& t : tiles) t = kBad;
    for (unsigned row = 0; row <= kNoLetterRow; row += 16) tiles[row + kLetterPlace] = 0;
    for (unsigned d = 1; d <= 9; ++d) {
        const auto ch = static_cast<char>('0' + d);
        tiles[0 * 16 + d] = Code('0', ch).raw();
        tiles[1 * 16 + d] = Code('1', ch).raw();
        tiles[2 * 16 + d] = Code('2', ch).raw();
        if (d <= 7) tiles[3 * 16 + d] = Code(static_cast<char>('3' + (d - 1)), '1').raw();
    }
    return tiles;
}();

#if defined(__SSE2__)
// Sixteen bytes of a text of tiles, each place given the suit of the first
// letter at or after it: '0' m, '1' s, '2' p, 1 z, 0 where no letter follows
// in the block (then it is the next block's first, `after`).
struct TileBlock {
    unsigned digits;   // bytes 1..9, as bits
    unsigned letters;  // bytes m, s, p, z
    unsigned badHonours;
    __m128i codes[2];  // of the 16 places, as Code: the tile where a digit is
};

[[gnu::always_inline]] inline TileBlock readBlock(__m128i v, __m128i after)
{
    const auto mask = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    const TileFaces f = tileFaces(v, after);
    const unsigned digits = mask(f.digit);
    return {digits,
            mask(f.letter),
            mask(f.badHonour) & digits,
            {_mm_unpacklo_epi8(f.first, f.second), _mm_unpackhi_epi8(f.first, f.second)}};
}

// readWellFormed for texts of 3 to 32 bytes, 16 at a time: what every byte
// is and the tile of every digit are worked out for all at once, and the
// tiles then taken from the places of the digits.
[[gnu::always_inline]] inline ReadTiles readWellFormed32(std::string_view text, Code* out)
{
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    alignas(16) Code places[32];
    std::uint32_t digits = 0;
    std::uint32_t letters = 0;
    unsigned badHonours = 0;
    const auto keep = [&](const TileBlock& b, std::size_t at) {
        digits |= b.digits << at;
        letters |= b.letters << at;
        badHonours |= b.badHonours;
        _mm_store_si128(reinterpret_cast<__m128i*>(places + at), b.codes[0]);
        _mm_store_si128(reinterpret_cast<__m128i*>(places + at + 8), b.codes[1]);
    };
    if (size <= 16) {
        keep(readBlock(loadFew(bytes, size), _mm_setzero_si128()), 0);
    } else {
        const TileBlock high = readBlock(loadFew(bytes + 16, size - 16), _mm_setzero_si128());
        keep(high, 16);
        // The suit of the high block's first place goes on to the end of
        // the low one (an honour's as 1 again).
        const auto first = static_cast<char>(_mm_cvtsi128_si32(high.codes[0]) & 0xFF);
        keep(readBlock(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)),
                       _mm_set1_epi8(first >= '3' ? 1 : first)),
             0);
    }
    const std::uint32_t all = size == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << size) - 1;
    // Every byte a digit or a letter, a letter last and none first, no two
    // side by side, no honour past 7.
    if ((digits | letters) != all || ((letters >> (size - 1)) & 1) == 0 || (letters & 1) != 0 ||
        (letters & (letters >> 1)) != 0 || badHonours != 0)
        return {};
    std::size_t count = 0;
    for (std::uint32_t d = digits; d != 0; d &= d - 1) out[count++] = places[std::countr_zero(d)];
    return {out, count};
}
#endif

// The tiles of a well-formed text, in the order written, somewhere in
// out[0..text.size()); none when the text is not well formed (then the
// reading below tells why). The text is read backwards, so that every digit
// meets its suit letter first, and without a branch on what each character
// is: a digit's tile is written at the next place from the end, a letter's
// place is taken by the digit before it.
[[gnu::always_inline]] inline ReadTiles readWellFormed(std::string_view text, Code* out)
{
    if (text.empty()) return {};
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    if (text.size() == 2) {
        // One tile, as --win gives it, without the loop.
        const unsigned digit = kClassOf[bytes[0]];
        const unsigned letter = kClassOf[bytes[1]];
        const std::uint16_t t = kTileOf[(letter & kRowBits) + (digit & kPlaceBits)];
        if ((digit & kIsLetter) != 0 || (letter & kIsLetter) == 0 || (t & kBad) != 0) return {};
        out[0] = std::bit_cast<Code>(t);
        return {out, 1};
    }
#if defined(__SSE2__)
    if (text.size() <= 32) return readWellFormed32(text, out);
#endif
    unsigned row = kNoLetterRow;  // of the letter of the digits being read
    unsigned bad = 0;
    unsigned twoLetters = 0;
    unsigned nextIsLetter = 0;
    std::size_t at = text.size();
    for (std::size_t i = text.size(); i-- > 0;) {
        const unsigned c = kClassOf[bytes[i]];
        const unsigned isLetter = c >> 7;
        row = isLetter != 0 ? c & kRowBits : row;
        const std::uint16_t t = kTileOf[row + (c & kPlaceBits)];
        bad |= t;
        twoLetters |= isLetter & nextIsLetter;
        out[at - 1] = std::bit_cast<Code>(t);
        at -= 1 - isLetter;
        nextIsLetter = isLetter;
    }
    // A letter at the start has no digits.
    if ((bad & kBad) != 0 || twoLetters != 0 || nextIsLetter != 0) return {};
    return {out + at, text.size() - at};
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
        TileRoom room;
        if (const ReadTiles t = readWellFormed(text, room.tiles()); t.first) {
            // The few tiles of a meld or a dora one by one, more at once.
            if (t.count <= 4) {
                for (std::size_t i = 0; i < t.count; ++i) out.push_back(t.first[i]);
            } else {
                out.insert(out.end(), t.first, t.first + t.count);
            }
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
        // With room for as many tiles as the text has bytes, the tiles are
        // read in place.
        if (out.size() >= text.size()) {
            if (const ReadTiles t = readWellFormed(text, out.data()); t.first) {
                count = t.count;
                if (t.first != out.data()) std::copy_n(t.first, count, out.begin());
                return true;
            }
        } else {
            TileRoom room;
            if (const ReadTiles t = readWellFormed(text, room.tiles()); t.first) {
                count = t.count;
                // The one tile of --win without a call.
                if (count == 1 && !out.empty())
                    out[0] = t.first[0];
                else
                    std::copy_n(t.first, std::min(count, out.size()), out.begin());
                return true;
            }
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
