// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/options.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/cli/text.h"
#include "model/few_bytes.h"
#include "model/notation.h"
#include "model/tile_faces.h"

namespace tenho::cli {

namespace {

struct Parser {
    ParseResult& r;
    std::string_view opt = {};  // the option being read, for its messages
    bool roundSet = false;
    bool seatSet = false;

    bool fail(std::string text)
    {
        r.error = std::move(text);
        return false;
    }
    HandOptions& hand() { return r.options; }
};

// What an option sets; false (with the error in the result) when its value
// is not understood.
using Apply = bool (*)(Parser&, std::string_view value);

// What an option is to the reading of the usual batch line (readCommonLine),
// which sets the hand without going through `apply`.
enum class LineKind : std::uint8_t { None, Flag, Wind, Win, Hand, Dora, Chi, Pon, Kan, Ankan };

struct Option {
    std::string_view name;
    bool takesValue;
    bool describesHand;  // refused beside --batch, whose hands come on standard input
    Apply apply;
    LineKind line = LineKind::None;
    std::uint8_t index = 0;  // of a flag (kFlagCount of them) or a wind (round 0, seat 1)
};

[[gnu::noinline]] bool tilesFailed(Parser& p, std::string_view value, const std::string& reason)
{
    return p.fail(std::string(p.opt) + " " + quoted(value) + ": " + reason);
}

// The tiles of `value` after those of `into`, read straight into its room
// (a text holds at most one tile for every two bytes).
[[gnu::always_inline]] inline bool readTiles(Parser& p, std::string_view value, TileRow& into)
{
    std::string reason;
    std::size_t count = 0;
    if (parseTiles(value, into.room(value.size()), count, reason)) {
        into.grow(count);
        return true;
    }
    return tilesFailed(p, value, reason);
}

bool setHand(Parser& p, std::string_view value)
{
    if (!readTiles(p, value, p.hand().hand)) return false;
    p.hand().handText.append(value);
    return true;
}

bool setWin(Parser& p, std::string_view value)
{
    std::array<Code, 1> t;
    std::size_t count = 0;
    std::string reason;
    if (!parseTiles(value, t, count, reason))
        return p.fail(std::string(p.opt) + " " + quoted(value) + ": " + reason);
    if (count != 1) return p.fail("--win " + quoted(value) + ": exactly one tile expected");
    if (p.hand().win) return p.fail("--win: given more than once");
    p.hand().win = t[0];
    return true;
}

bool isChi(const TileRow& t)
{
    return t.size() == 3 && isNumberTile(t[0]) && t[1].suit() == t[0].suit() &&
           t[2].suit() == t[0].suit() && t[1].value() == t[0].value() + 1 &&
           t[2].value() == t[0].value() + 2;
}

bool allEqual(const TileRow& t, std::size_t n)
{
    return t.size() == n && std::all_of(t.begin(), t.end(), [&](Code c) { return c == t[0]; });
}

// A meld's tiles sorted in place; the usual three or four without the
// machinery of std::sort.
void sortFew(TileRow& t)
{
    if (t.size() > 8) {
        std::sort(t.data(), t.data() + t.size());
        return;
    }
    // Through a pointer of its own: a code is characters, and every store of
    // one could otherwise have changed the row's.
    Code* const d = t.data();
    const std::size_t n = t.size();
    for (std::size_t i = 1; i < n; ++i) {
        const Code c = d[i];
        std::size_t j = i;
        for (; j > 0 && c < d[j - 1]; --j) d[j] = d[j - 1];
        d[j] = c;
    }
}

template <MeldKind Kind> bool addMeld(Parser& p, std::string_view value)
{
    MeldOption& m = p.hand().melds.next();
    m.kind = Kind;
    m.text.assign(value);
    m.tiles.clear();
    if (!readTiles(p, value, m.tiles)) return false;
    sortFew(m.tiles);
    const bool ok = Kind == MeldKind::Chi   ? isChi(m.tiles)
                    : Kind == MeldKind::Pon ? allEqual(m.tiles, 3)
                                            : allEqual(m.tiles, 4);
    const auto given = [&] { return std::string(p.opt) + " " + quoted(value); };
    if (!ok) {
        const char* shape = Kind == MeldKind::Chi   ? "a chi is three tiles of one suit in sequence"
                            : Kind == MeldKind::Pon ? "a pon is three equal tiles"
                                                    : "a kan is four equal tiles";
        return p.fail(given() + ": not a meld of this kind (" + shape + ")");
    }
    if (p.hand().melds.size() >= 4) return p.fail(given() + ": at most four melds");
    p.hand().melds.keepNext();
    return true;
}

bool setDora(Parser& p, std::string_view value)
{
    if (!readTiles(p, value, p.hand().dora)) return false;
    p.hand().doraText.append(value);
    return true;
}

// The wind of each letter, E, S, W, N in either case; -1 for the rest.
constexpr auto kWindOf = [] {
    std::array<std::int8_t, 256> wind{};
    wind.fill(-1);
    const char letters[] = "ESWN";
    for (int w = 0; w < 4; ++w) {
        const auto upper = static_cast<unsigned char>(letters[w]);
        wind[upper] = wind[upper | 0x20u] = static_cast<std::int8_t>(w);
    }
    return wind;
}();

int windIndex(std::string_view text)
{
    return text.size() == 1 ? kWindOf[static_cast<unsigned char>(text[0])] : -1;
}

template <int HandOptions::*Wind, bool Parser::*Given>
bool setWind(Parser& p, std::string_view value)
{
    const int w = windIndex(value);
    if (w < 0) return p.fail(std::string(p.opt) + " " + quoted(value) + ": expected E, S, W or N");
    if (p.*Given) return p.fail(std::string(p.opt) + ": given more than once");
    p.*Given = true;
    p.hand().*Wind = w;
    return true;
}

template <bool HandOptions::*Flag> bool setHandFlag(Parser& p, std::string_view)
{
    p.hand().*Flag = true;
    return true;
}

template <int Box> bool setBox(Parser& p, std::string_view)
{
    p.hand().boxes[Box] = true;
    return true;
}

template <bool ParseResult::*Flag> bool setMode(Parser& p, std::string_view)
{
    p.r.*Flag = true;
    return true;
}

bool setJobs(Parser& p, std::string_view value)
{
    int n = 0;
    bool digits = !value.empty() && value.size() <= 2;
    for (std::size_t i = 0; digits && i < value.size(); ++i) {
        digits = value[i] >= '0' && value[i] <= '9';
        n = n * 10 + (value[i] - '0');
    }
    if (!digits || n < 1 || n > kMaxJobs)
        return p.fail("--jobs " + quoted(value) + ": expected a number of jobs from 1 to " +
                      std::to_string(kMaxJobs));
    p.r.jobs = n;
    return true;
}

constexpr Option kOptions[] = {
    {"--hand", true, true, setHand, LineKind::Hand},
    {"--win", true, true, setWin, LineKind::Win},
    {"--chi", true, true, addMeld<MeldKind::Chi>, LineKind::Chi},
    {"--pon", true, true, addMeld<MeldKind::Pon>, LineKind::Pon},
    {"--kan", true, true, addMeld<MeldKind::Kan>, LineKind::Kan},
    {"--ankan", true, true, addMeld<MeldKind::Ankan>, LineKind::Ankan},
    {"--dora", true, true, setDora, LineKind::Dora},
    {"--tsumo", false, true, setHandFlag<&HandOptions::tsumo>, LineKind::Flag, 0},
    {"--ron", false, true, setHandFlag<&HandOptions::ron>, LineKind::Flag, 1},
    {"--round", true, true, setWind<&HandOptions::round, &Parser::roundSet>, LineKind::Wind, 0},
    {"--seat", true, true, setWind<&HandOptions::seat, &Parser::seatSet>, LineKind::Wind, 1},
    {"--riichi", false, true, setBox<0>, LineKind::Flag, 2},
    {"--double-riichi", false, true, setBox<1>, LineKind::Flag, 3},
    {"--ippatsu", false, true, setBox<2>, LineKind::Flag, 4},
    {"--first-turn", false, true, setBox<3>, LineKind::Flag, 5},
    {"--haitei", false, true, setBox<4>, LineKind::Flag, 6},
    {"--kuitan", false, true, setHandFlag<&HandOptions::kuitan>, LineKind::Flag, 7},
    {"--renhou", false, true, setHandFlag<&HandOptions::renhou>, LineKind::Flag, 8},
    {"--json", false, false, setMode<&ParseResult::json>},
    {"--waits", false, false, setMode<&ParseResult::waits>},
    {"--batch", false, false, setMode<&ParseResult::batch>},
    {"--jobs", true, false, setJobs},
    {"--help", false, false, setMode<&ParseResult::help>},
    {"-h", false, false, setMode<&ParseResult::help>},
    {"--version", false, false, setMode<&ParseResult::version>},
};

// The flags of a hand by their number in the table above.
constexpr std::size_t kFlagCount = 9;

// A word split into the option it names and the value joined to it with
// "=" (only long options take one that way).
struct Word {
    std::string_view name;
    std::string_view value;
    bool joinedValue = false;
};

[[gnu::noinline]] Word splitWord(std::string_view word)
{
    Word w{word, {}};
    if (word.size() < 2 || word[0] != '-' || word[1] != '-') return w;
    // Option names are short: the "=" is looked for byte by byte.
    for (std::size_t eq = 2; eq < word.size(); ++eq) {
        if (word[eq] != '=') continue;
        w.name = word.substr(0, eq);
        w.value = word.substr(eq + 1);
        w.joinedValue = true;
        break;
    }
    return w;
}

constexpr std::size_t kLongestName = 15;

// A name of 2 to 16 bytes as two numbers that tell it from any other of its
// length: its first and its last 8 bytes (4 or 2 for shorter names, which
// then overlap), as loads from memory read them.
struct NameKey {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    bool operator==(const NameKey&) const = default;
};

template <typename Int> Int load(const char* at)
{
    Int n;
    std::memcpy(&n, at, sizeof n);
    return n;
}

NameKey keyOf(const char* at, std::size_t size)
{
    if (size >= 8) return {load<std::uint64_t>(at), load<std::uint64_t>(at + size - 8)};
    if (size >= 4) return {load<std::uint32_t>(at), load<std::uint32_t>(at + size - 4)};
    return {load<std::uint16_t>(at), load<std::uint16_t>(at + size - 2)};
}

// The same for the names of the table, worked out without loads.
constexpr std::uint64_t packed(std::string_view bytes)
{
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t place =
            std::endian::native == std::endian::little ? i : bytes.size() - 1 - i;
        n |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * place);
    }
    return n;
}

constexpr NameKey constantKeyOf(std::string_view name)
{
    const std::size_t width = name.size() >= 8 ? 8 : name.size() >= 4 ? 4 : 2;
    return {packed(name.substr(0, width)), packed(name.substr(name.size() - width))};
}

// The options by a hash of the length of their names and their third and
// fourth bytes, which tells every name apart: a word is looked up with one
// look at the table, which holds all that is read of the option.
constexpr std::size_t kSlots = 64;

constexpr std::size_t slotOf(std::size_t size, unsigned third, unsigned fourth)
{
    return (size + third * 5 + fourth * 21) & (kSlots - 1);
}

struct Slot {
    NameKey key;
    std::size_t size = 0;  // of the name; 0: no option here
    Option option{};
};

constexpr auto kSlotTable = [] {
    std::array<Slot, kSlots> slots{};
    for (const Option& o : kOptions) {
        const std::string_view n = o.name;
        if (n.size() < 2 || n.size() > kLongestName) throw "option name of an unexpected length";
        const auto byte = [&](std::size_t i) {
            return i < n.size() ? static_cast<unsigned char>(n[i]) : 0u;
        };
        Slot& slot = slots[slotOf(n.size(), byte(2), byte(3))];
        if (slot.size != 0) throw "two option names in one slot: change slotOf";
        slot = {constantKeyOf(n), n.size(), o};
    }
    return slots;
}();

[[gnu::always_inline]] inline const Option* findOption(std::string_view name)
{
    const std::size_t size = name.size();
    if (size < 2 || size > kLongestName) return nullptr;
    const unsigned third = size > 2 ? static_cast<unsigned char>(name[2]) : 0u;
    const unsigned fourth = size > 3 ? static_cast<unsigned char>(name[3]) : 0u;
    const Slot& slot = kSlotTable[slotOf(size, third, fourth)];
    if (slot.size != size || !(slot.key == keyOf(name.data(), size))) return nullptr;
    return &slot.option;
}

// The option a word names, and the value joined to it with "=" (then
// `joined`).
[[gnu::always_inline]] inline const Option* lookUp(std::string_view word, std::string_view& value,
                                                   bool& joined)
{
    joined = false;
    // A name holds no "=": a word that is one is no name and value.
    if (const Option* o = findOption(word)) return o;
    const Word w = splitWord(word);
    if (!w.joinedValue) return nullptr;
    value = w.value;
    joined = true;
    return findOption(w.name);
}

// A separate word after an option is its value unless it looks like the
// next option.
bool isValueWord(std::string_view word) { return !word.starts_with("--"); }

// The blanks (space, tab) among the bytes [base, base + 64) of `line`, as
// bits; the places past its end count as blanks. The bytes are read 16 at a
// time, the last ones together with some before them when the line is long
// enough, so that nothing is read outside the line and nothing is copied.
std::uint64_t blanks(std::string_view line, std::size_t base)
{
    const std::size_t size = std::min<std::size_t>(64, line.size() - base);
    const char* const at = line.data() + base;
    std::uint64_t bits = size < 64 ? ~std::uint64_t{0} << size : 0;
#if defined(__SSE2__)
    std::size_t i = 0;
    for (; i + 16 <= size; i += 16) bits |= std::uint64_t{either16(at + i, ' ', '\t')} << i;
    if (i < size) {
        const std::size_t rest = size - i;
        if (line.size() >= 16) {
            // base + size is 16 or more: the 16 bytes ending there are the line's.
            bits |= std::uint64_t{either16(at + size - 16, ' ', '\t') >> (16 - rest)} << i;
        } else {
            for (; i < size; ++i) bits |= std::uint64_t{at[i] == ' ' || at[i] == '\t'} << i;
        }
    }
#else
    for (std::size_t i = 0; i < size; ++i)
        bits |= static_cast<std::uint64_t>(at[i] == ' ' || at[i] == '\t') << i;
#endif
    return bits;
}

// The words of a line, separated by blanks, into `words`, which has room for
// as many as the line can hold; their count. Where the words start and end
// is read off 64 bytes at a time, rather than byte by byte.
std::size_t splitWords(std::string_view line, std::string_view* words)
{
    std::size_t count = 0;
    std::uint64_t inside = 0;  // 1: the byte before the block belongs to a word
    std::size_t start = 0;     // of the word being read
    const auto take = [&](std::size_t from, std::size_t to) {
        words[count++] = std::string_view(line.data() + from, to - from);
    };
    for (std::size_t base = 0; base < line.size(); base += 64) {
        const std::uint64_t word = ~blanks(line, base);
        const std::uint64_t before = word << 1 | inside;  // bit i: byte i - 1 is in a word
        // Where words start and end, one after the other: the end of the
        // word from the block before first, if one goes on into this one.
        std::uint64_t edges = (word & ~before) | (~word & before);
        const auto next = [&] {
            const auto at = base + static_cast<std::size_t>(std::countr_zero(edges));
            edges &= edges - 1;
            return at;
        };
        if (inside != 0 && edges != 0) take(start, next());
        while (edges != 0) {
            start = next();
            if (edges == 0) break;  // the word goes on into the next block
            take(start, next());
        }
        inside = word >> 63;
    }
    if (inside != 0) take(start, line.size());
    return count;
}

// The usual batch line, of 16 to kCommonLine bytes, is read straight from
// its bytes, each word 16 bytes at a time from where it starts: where it
// ends, which option it names and the tiles of a value are all read off
// those 16 bytes. Each option is set from a small table rather than through
// its `apply`. The few texts it does not take as they stand go to the
// readers of parseOptions.
constexpr std::size_t kCommonLine = 126;

#if defined(__SSE2__)

// The blanks among 16 bytes, as bits, and a bit past them.
[[gnu::always_inline]] inline unsigned blanksOf(__m128i v)
{
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
               _mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'))))) |
           0x10000u;
}

// The places of readCommonLine's notes: the flags by number, then these.
constexpr std::uint8_t kRoundPlace = kFlagCount;  // and the seat after it
constexpr std::uint8_t kWinPlace = kFlagCount + 2;
constexpr std::uint8_t kHandPlace = kFlagCount + 3;
constexpr std::uint8_t kDoraPlace = kFlagCount + 4;
constexpr std::uint8_t kMeldPlace = kFlagCount + 5;
constexpr std::size_t kPlaces = kFlagCount + 6;

// The options that describe a hand by a hash of the length of their names
// and their third and fourth bytes (all are 4 to 15 bytes long), with the
// whole name to compare a word with.
struct LineSlot {
    alignas(16) std::uint8_t name[16] = {};  // then zeros
    std::uint16_t bytes = 0;                 // of the name, as bits
    std::uint8_t size = 0;                   // 0: no option here
    LineKind kind = LineKind::None;
    // Where the option is noted down, to be set when the whole line is
    // read: a flag, a wind, the winning tile, the hand, the indicators, or
    // one of the melds.
    std::uint8_t place = kMeldPlace;
    bool takesValue = false;
    std::uint8_t option = 0;     // in kOptions
    std::uint32_t kindNote = 0;  // the kind, where readCommonLine notes it down
};

constexpr std::size_t kLineSlotBits = 5;

constexpr std::size_t lineSlotOf(unsigned thirdAndFourth, std::size_t size,
                                 std::uint32_t multiplier)
{
    const auto key = static_cast<std::uint32_t>(thirdAndFourth | size << 16);
    return static_cast<std::size_t>((key * multiplier) >> (32 - kLineSlotBits));
}

// The third and fourth bytes of a name as _mm_extract_epi16 reads them.
constexpr unsigned thirdAndFourth(std::string_view name)
{
    return static_cast<unsigned>(static_cast<unsigned char>(name[2])) |
           static_cast<unsigned>(static_cast<unsigned char>(name[3])) << 8;
}

constexpr std::uint32_t kLineMultiplier = [] {
    for (std::uint32_t m = 0x9E3779B9u;; m += 0x6A09E668u) {
        std::array<bool, std::size_t{1} << kLineSlotBits> used{};
        bool clash = false;
        for (const Option& o : kOptions) {
            if (o.line == LineKind::None) continue;
            bool& u = used[lineSlotOf(thirdAndFourth(o.name), o.name.size(), m | 1)];
            clash = clash || u;
            u = true;
        }
        if (!clash) return m | 1;
    }
}();

constexpr auto kLineSlots = [] {
    std::array<LineSlot, std::size_t{1} << kLineSlotBits> slots{};
    for (std::size_t k = 0; k < std::size(kOptions); ++k) {
        const Option& o = kOptions[k];
        if (o.line == LineKind::None) continue;
        const std::string_view n = o.name;
        if (n.size() < 4 || n.size() > 15) throw "option name of an unexpected length";
        LineSlot& slot = slots[lineSlotOf(thirdAndFourth(n), n.size(), kLineMultiplier)];
        for (std::size_t i = 0; i < n.size(); ++i) slot.name[i] = static_cast<std::uint8_t>(n[i]);
        slot.size = static_cast<std::uint8_t>(n.size());
        slot.bytes = static_cast<std::uint16_t>((1u << n.size()) - 1);
        slot.kind = o.line;
        slot.place = o.line == LineKind::Flag   ? o.index
                     : o.line == LineKind::Wind ? kRoundPlace + o.index
                     : o.line == LineKind::Win  ? kWinPlace
                     : o.line == LineKind::Hand ? kHandPlace
                     : o.line == LineKind::Dora ? kDoraPlace
                                                : kMeldPlace;
        slot.takesValue = o.takesValue;
        slot.option = static_cast<std::uint8_t>(k);
        slot.kindNote = static_cast<std::uint32_t>(o.line) << 16;
    }
    return slots;
}();

// The option that the word of `size` bytes (16 at most) at the start of `v`
// names, when it is one that describes a hand; null for any other word,
// whose slot holds a name of another length or none.
[[gnu::always_inline]] inline const LineSlot* lineSlot(__m128i v, std::size_t size)
{
    const LineSlot& s = kLineSlots[lineSlotOf(static_cast<unsigned>(_mm_extract_epi16(v, 1)), size,
                                              kLineMultiplier)];
    const auto same = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_cmpeq_epi8(v, _mm_load_si128(reinterpret_cast<const __m128i*>(s.name)))));
    return ((~same & s.bytes) | (s.size ^ size)) == 0 ? &s : nullptr;
}

// The tiles of the written form, each letter's as a row of 10 by the digit
// (0 and the row past the letters: no tile).
constexpr auto kLetterRow = [] {
    std::array<std::uint8_t, 256> row{};
    row.fill(4);
    row['m'] = 0;
    row['s'] = 1;
    row['p'] = 2;
    row['z'] = 3;
    return row;
}();

constexpr auto kDigitOf = [] {
    std::array<std::uint8_t, 256> digit{};
    for (int d = 1; d <= 9; ++d)
        digit[static_cast<std::size_t>('0' + d)] = static_cast<std::uint8_t>(d);
    return digit;
}();

constexpr auto kCodeOf = [] {
    std::array<std::array<std::uint16_t, 10>, 5> codes{};
    for (unsigned d = 1; d <= 9; ++d) {
        const auto ch = static_cast<char>('0' + d);
        codes[0][d] = Code('0', ch).raw();
        codes[1][d] = Code('1', ch).raw();
        codes[2][d] = Code('2', ch).raw();
        if (d <= 7) codes[3][d] = Code(static_cast<char>('3' + (d - 1)), '1').raw();
    }
    return codes;
}();

// A text of `size` bytes, 2 to 16, that is tiles one by one ("1s7m5z"):
// every two bytes are a tile, read together as they stand. False for any
// other text.
[[gnu::always_inline]] inline bool readTilePairs(__m128i v, std::size_t size, Code* out)
{
    const auto word = [](int b) { return _mm_set1_epi16(static_cast<short>(b)); };
    const __m128i digit = _mm_and_si128(v, word(0xFF));
    const __m128i letter = _mm_srli_epi16(v, 8);
    const __m128i m = _mm_cmpeq_epi16(letter, word('m'));
    const __m128i s = _mm_cmpeq_epi16(letter, word('s'));
    const __m128i p = _mm_cmpeq_epi16(letter, word('p'));
    const __m128i z = _mm_cmpeq_epi16(letter, word('z'));
    // Digits 1 to 9, to 7 under z.
    const __m128i below = _mm_or_si128(_mm_and_si128(z, word('8')), _mm_andnot_si128(z, word(':')));
    const __m128i ok = _mm_and_si128(
        _mm_or_si128(_mm_or_si128(m, s), _mm_or_si128(p, z)),
        _mm_and_si128(_mm_cmpgt_epi16(digit, word('0')), _mm_cmplt_epi16(digit, below)));
    const unsigned all = (1u << size) - 1;
    if ((static_cast<unsigned>(_mm_movemask_epi8(ok)) & all) != all) return false;
    // An honour is written '3'..'9' '1': its digit moved on by two, over 1.
    const __m128i suit = _mm_or_si128(
        _mm_or_si128(_mm_and_si128(m, word('0')), _mm_and_si128(s, word('1'))),
        _mm_or_si128(_mm_and_si128(p, word('2')), _mm_and_si128(z, _mm_add_epi16(digit, word(2)))));
    const __m128i rank = _mm_or_si128(_mm_and_si128(z, word('1')), _mm_andnot_si128(z, digit));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(suit, _mm_slli_epi16(rank, 8)));
    return true;
}

// Any text of `size` bytes, 1 to 16, written out at `out` with room for 16
// tiles: the tile of every digit worked out in place, for all at once, and
// the letters then taken out from between them. False when the text is not
// well formed (parseTiles tells why).
[[gnu::always_inline]] inline bool readTileBlock(__m128i v, std::size_t size, Code* out,
                                                 std::size_t& count)
{
    const auto mask = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    const TileFaces f = tileFaces(v, _mm_setzero_si128());
    __m128i first = f.first;
    __m128i second = f.second;
    const unsigned all = (1u << size) - 1;
    const unsigned digits = mask(f.digit) & all;
    const unsigned letters = mask(f.letter) & all;
    const unsigned badHonours = mask(f.badHonour) & digits;
    // Every byte a digit or a letter, a letter last and none first, no two
    // side by side, no honour past 7.
    if ((digits | letters) != all || ((letters >> (size - 1)) & 1) == 0 || (letters & 1) != 0 ||
        (letters & (letters >> 1)) != 0 || badHonours != 0)
        return false;
    // Each letter out, the places after it moved down by one.
    static constexpr std::uint8_t kBelow[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::size_t taken = 0;
    for (unsigned l = letters; l != 0; l &= l - 1) {
        const std::size_t at = static_cast<std::size_t>(std::countr_zero(l)) - taken++;
        const __m128i keep = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kBelow + 16 - at));
        first = _mm_or_si128(_mm_and_si128(keep, first),
                             _mm_andnot_si128(keep, _mm_srli_si128(first, 1)));
        second = _mm_or_si128(_mm_and_si128(keep, second),
                              _mm_andnot_si128(keep, _mm_srli_si128(second, 1)));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(first, second));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(first, second));
    count = size - taken;
    return true;
}

// readLineTiles for a text of more than 16 bytes, out of its way.
[[gnu::noinline]] bool readLongTiles(__m128i v, std::string_view text, TileRow& into)
{
    const std::size_t size = text.size();
    if (size <= 32) {
        // Two blocks, the first to the last letter among the first 16 bytes:
        // the text is well formed when both are.
        const auto is = [&](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
        const auto letters = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(is('m'), is('s')), _mm_or_si128(is('p'), is('z')))));
        const auto split = static_cast<std::size_t>(32 - std::countl_zero(letters));
        if (letters != 0 && size - split <= 16) {
            Code* const out = into.room(32).data();
            std::size_t first = 0;
            std::size_t second = 0;
            if (!readTileBlock(v, split, out, first) ||
                !readTileBlock(loadFew(text.data() + split, size - split), size - split,
                               out + first, second))
                return false;
            into.grow(first + second);
            return true;
        }
    }
    std::string reason;
    std::size_t count = 0;
    if (!parseTiles(text, into.room(size), count, reason)) return false;
    into.grow(count);
    return true;
}

// The tiles of a value of `size` bytes that starts `v` (`text` all of it)
// after those of `into`; false when they are not well formed.
[[gnu::always_inline]] inline bool readLineTiles(__m128i v, std::string_view text, TileRow& into,
                                                 bool onePerTwo)
{
    const std::size_t size = text.size();
    if (size <= 16) {
        Code* const out = into.room(16).data();
        if (onePerTwo && size % 2 == 0 && readTilePairs(v, size, out)) {
            into.grow(size / 2);
            return true;
        }
        std::size_t count = 0;
        if (!readTileBlock(v, size, out, count)) return false;
        into.grow(count);
        return true;
    }
    return readLongTiles(v, text, into);
}

// A meld of its usual text, three or four equal digits or three in
// sequence and the letter ("555z", "8888m", "342p"), straight into `tiles`,
// sorted; false for any other text, which is then read the long way.
template <MeldKind Kind>
[[gnu::always_inline]] inline bool readUsualMeld(__m128i v, std::size_t size, TileRow& tiles)
{
    constexpr std::size_t n = Kind == MeldKind::Chi || Kind == MeldKind::Pon ? 3 : 4;
    if (size != n + 1) return false;
    const auto b = static_cast<std::uint64_t>(_mm_cvtsi128_si64(v));
    const unsigned row = kLetterRow[(b >> (8 * n)) & 0xFF];
    std::uint64_t codes = 0;
    if constexpr (Kind == MeldKind::Chi) {
        const unsigned d0 = kDigitOf[b & 0xFF];
        const unsigned d1 = kDigitOf[(b >> 8) & 0xFF];
        const unsigned d2 = kDigitOf[(b >> 16) & 0xFF];
        const unsigned low = std::min(d0, std::min(d1, d2));
        // Three digits in sequence of a suit of numbers (a digit that is
        // none reads as 0, which no sequence holds).
        if (row > 2 || low == 0 || ((1u << d0) | (1u << d1) | (1u << d2)) != 7u << low)
            return false;
        const std::uint64_t first = kCodeOf[row][low];
        codes = first | (first + 0x100) << 16 | (first + 0x200) << 32;
    } else {
        constexpr std::uint64_t same = (std::uint64_t{1} << (8 * (n - 1))) - 1;
        const std::uint64_t code = kCodeOf[row][kDigitOf[b & 0xFF]];
        if (((b ^ (b >> 8)) & same) != 0 || code == 0) return false;
        codes = code * 0x0001000100010001u;
    }
    std::memcpy(static_cast<void*>(tiles.room(4).data()), &codes, sizeof codes);
    tiles.grow(n);
    return true;
}

template <MeldKind Kind>
[[gnu::always_inline]] inline bool readLineMeld(__m128i v, std::string_view text, HandOptions& hand,
                                                MeldKind kind = Kind)
{
    if (hand.melds.size() >= 4) return false;
    MeldOption& m = hand.melds.next();
    m.kind = kind;
    m.text.refer(text);
    m.tiles.clear();
    if (!readUsualMeld<Kind>(v, text.size(), m.tiles)) {
        if (!readLineTiles(v, text, m.tiles, false)) return false;
        sortFew(m.tiles);
        const bool ok = Kind == MeldKind::Chi   ? isChi(m.tiles)
                        : Kind == MeldKind::Pon ? allEqual(m.tiles, 3)
                                                : allEqual(m.tiles, 4);
        if (!ok) return false;
    }
    hand.melds.keepNext();
    return true;
}

// A batch line read straight from its bytes, when it is the usual one: every
// word an option that describes the hand, written without "=", and each
// value understood. The options are set as parseOptions sets them, from the
// same words in the same order; false at anything else (the line is then
// read again the long way, which finds the error and its words).
//
// The words are first only noted down, where each value starts and how long
// it is, and the values read after the whole line, each kind in its turn:
// what is done for a word then depends on nothing but its length, not on
// which option it is, and the reading of the tiles always comes at the same
// point of the line's work.
bool readCommonLine(std::string_view text, ParseResult& r)
{
    const char* const line = text.data();
    const std::size_t size = text.size();
    if (size < 16) return false;
    // The line copied, 16 bytes at a time (the last ones together with some
    // before them, so that nothing is read outside it), and a blank after
    // it, then zeros: every word and value is read from here in 16 bytes
    // from where it starts, and the last word ends at that one blank.
    static_assert(kCommonLine <= 128);
    alignas(16) char copy[128 + 64];
    for (std::size_t k = 0; k < 128; k += 16) {
        const std::size_t from = std::min(k, size - 16);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(copy + from),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + from)));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(copy + size), _mm_cvtsi32_si128(' '));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(copy + size + 16), _mm_setzero_si128());
    const auto bytesAt = [&](std::size_t at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(copy + at));
    };
    const auto isBlank = [&](std::size_t at) { return line[at] == ' ' || line[at] == '\t'; };
    // Where the next word starts after a word of `n` bytes at `at`, given
    // the blanks from `at` on, with a bit past the bytes they tell of (so
    // that bit n + 1 is one of them or that one): usually after one blank.
    const auto next = [&](std::size_t at, std::size_t n, std::uint64_t blanks) {
        std::size_t from = at + n + 1;
        if (((blanks >> (n + 1)) & 1) != 0) [[unlikely]]
            while (from < size && isBlank(from)) ++from;
        return from;
    };
    std::size_t at = 0;
    while (at < size && isBlank(at)) ++at;
    if (at >= size) return false;
    HandOptions& hand = r.options;
    // How often each option is given, and the last value given for it; the
    // melds one by one (a word that is none leaves a note past them).
    std::uint8_t given[kPlaces] = {};
    // Where a value starts, its size above, and the meld's kind above them.
    std::uint32_t notes[kPlaces];
    // A word takes 5 bytes at least: fewer words than this in a line.
    std::uint32_t melds[32];
    static_assert(kCommonLine / 5 < std::size(melds));
    const std::size_t firstAt = at;
    while (at < size) {
        const __m128i name = bytesAt(at);
        const unsigned nameBlanks = blanksOf(name);
        const auto nameSize = static_cast<std::size_t>(std::countr_zero(nameBlanks));
        const LineSlot* o = lineSlot(name, nameSize);
        if (!o) return false;
        const std::size_t nameAt = at;
        at = next(at, nameSize, nameBlanks);
        const std::uint8_t place = o->place;
        if (!o->takesValue) {
            ++given[place];
            continue;
        }
        if (at >= size) return false;
        // The value's bytes and the blank after them are most likely among
        // the name's 16; else the 32 from where it starts. (A value that
        // looks like an option is no tiles or wind: its reading fails.)
        const std::size_t off = at - nameAt;
        std::uint64_t blanks = off < 16 ? nameBlanks >> off : 1u;
        auto n = static_cast<std::size_t>(std::countr_zero(blanks));
        if (off + n >= 16) {
            blanks = blanksOf(bytesAt(at)) & 0xFFFFu;
            blanks |= std::uint64_t{blanksOf(bytesAt(at + 16))} << 16;
            n = static_cast<std::size_t>(std::countr_zero(blanks));
            if (n == 32) [[unlikely]]
                return false;
        }
        const auto note = static_cast<std::uint32_t>(at | n << 8) | o->kindNote;
        melds[given[kMeldPlace]] = note;
        ++given[place];
        notes[place] = note;
        at = next(at, n, blanks);
    }
    // The first word's option looked up again, rather than kept in the loop.
    const __m128i firstName = bytesAt(firstAt);
    r.firstHandOption =
        kOptions[lineSlot(firstName,
                          static_cast<std::size_t>(std::countr_zero(blanksOf(firstName))))
                     ->option]
            .name;
    // A wind, the winning tile, the hand or the indicators given twice,
    // --tsumo with --ron, more than four melds: one test for all, which a
    // usual line passes. (A second hand or indicators are joined the long
    // way.)
    if ((static_cast<unsigned>((given[kRoundPlace] | given[kRoundPlace + 1] | given[kWinPlace] |
                                given[kHandPlace] | given[kDoraPlace]) > 1) |
         static_cast<unsigned>(given[kMeldPlace] > 4) |
         (static_cast<unsigned>(given[0] != 0) & static_cast<unsigned>(given[1] != 0))) != 0)
        return false;
    const auto valueAt = [&](std::uint32_t note) { return std::size_t{note & 0xFF}; };
    const auto valueSize = [&](std::uint32_t note) { return std::size_t{note >> 8 & 0xFF}; };
    const auto valueByte = [&](std::uint8_t place, std::size_t k) {
        return static_cast<unsigned char>(copy[valueAt(notes[place]) + k]);
    };
    for (int k = 0; k < 2; ++k) {
        const std::uint8_t place = kRoundPlace + static_cast<std::uint8_t>(k);
        int w = -1;
        if (given[place] != 0) {
            w = kWindOf[valueByte(place, 0)];
            if (valueSize(notes[place]) != 1 || w < 0) return false;
        }
        (k == 0 ? hand.round : hand.seat) = w;
    }
    if (given[kWinPlace] != 0) {
        if (valueSize(notes[kWinPlace]) != 2) return false;
        const std::uint16_t code =
            kCodeOf[kLetterRow[valueByte(kWinPlace, 1)]][kDigitOf[valueByte(kWinPlace, 0)]];
        if (code == 0) return false;
        hand.win = std::bit_cast<Code>(code);
    }
    // The texts are views of the line itself (which outlives its answer).
    const auto valueOf = [&](std::uint32_t note) {
        return std::string_view(line + valueAt(note), valueSize(note));
    };
    if (given[kHandPlace] != 0) {
        const std::string_view value = valueOf(notes[kHandPlace]);
        if (!readLineTiles(bytesAt(valueAt(notes[kHandPlace])), value, hand.hand, false))
            return false;
        hand.handText.refer(value);
    }
    if (given[kDoraPlace] != 0) {
        const std::string_view value = valueOf(notes[kDoraPlace]);
        if (!readLineTiles(bytesAt(valueAt(notes[kDoraPlace])), value, hand.dora, true))
            return false;
        hand.doraText.refer(value);
    }
    for (std::size_t k = 0; k < given[kMeldPlace]; ++k) {
        const std::uint32_t m = melds[k];
        const __m128i v = bytesAt(valueAt(m));
        const std::string_view value = valueOf(m);
        const auto kind = static_cast<LineKind>(m >> 16);
        if (kind == LineKind::Chi) {
            if (!readLineMeld<MeldKind::Chi>(v, value, hand)) return false;
        } else if (kind == LineKind::Pon) {
            if (!readLineMeld<MeldKind::Pon>(v, value, hand)) return false;
        } else {
            // A kan is read as one, open or closed.
            const MeldKind kan = kind == LineKind::Ankan ? MeldKind::Ankan : MeldKind::Kan;
            if (!readLineMeld<MeldKind::Kan>(v, value, hand, kan)) return false;
        }
    }
    // The flags given, 1 for each count that is not 0, eight at a time
    // (a branch for each would go either way from line to line).
    static_assert(kFlagCount == 9 && sizeof(bool) == 1);
    const auto flags = [&](std::size_t from) {
        constexpr std::uint64_t low = 0x7F7F7F7F7F7F7F7Fu;
        const auto counts = load<std::uint64_t>(reinterpret_cast<const char*>(given) + from);
        return ((((counts & low) + low) | counts) >> 7) & 0x0101010101010101u;
    };
    const std::uint64_t first8 = flags(0);
    const std::uint64_t last8 = flags(1);
    hand.tsumo = (first8 & 1) != 0;
    hand.ron = (first8 >> 8 & 1) != 0;
    const std::uint64_t boxes = first8 >> 16;
    std::memcpy(static_cast<void*>(hand.boxes), &boxes, sizeof hand.boxes);
    hand.kuitan = (first8 >> 56) != 0;
    hand.renhou = (last8 >> 56) != 0;
    return true;
}

#else

constexpr bool readCommonLine(std::string_view, ParseResult&) { return false; }

#endif

void reset(ParseResult& r)
{
    r.options.clear();
    r.json = r.waits = r.batch = r.help = r.version = false;
    r.jobs = 0;
    r.firstHandOption = {};
    r.error.clear();
}

// reset for readCommonLine, which sets the flags, the winds and the first
// option itself when it reads the line (and parseOptions resets all when it
// does not).
void resetForCommonLine(ParseResult& r)
{
    HandOptions& h = r.options;
    h.hand.clear();
    h.handText.clear();
    h.win.reset();
    h.melds.clear();
    h.dora.clear();
    h.doraText.clear();
    r.json = r.waits = r.batch = r.help = r.version = false;
    r.jobs = 0;
    r.error.clear();
}

}  // namespace

std::span<const std::string_view> optionNames()
{
    static const auto names = [] {
        std::vector<std::string_view> out;
        for (const Option& o : kOptions) out.push_back(o.name);
        return out;
    }();
    return names;
}

ParseResult parseOptions(std::span<const std::string_view> args)
{
    ParseResult r;
    parseOptions(args, r);
    return r;
}

void parseOptions(std::span<const std::string_view> args, ParseResult& r)
{
    reset(r);
    Parser p{r};
    std::size_t i = 0;
    bool ok = true;
    bool ended = false;  // "--" seen
    while (ok && i < args.size()) {
        const std::string_view word = args[i++];
        if (word.size() == 2 && word[0] == '-' && word[1] == '-') {
            ended = true;
            break;
        }
        std::string_view value;
        bool joined;
        const Option* o = lookUp(word, value, joined);
        if (!o) {
            ok = p.fail(word.empty() ? "an empty argument is not an option (see --help)"
                                     : echo(word) + ": unknown option (see --help)");
            break;
        }
        if (o->takesValue && !joined) {
            if (i >= args.size() || !isValueWord(args[i])) {
                ok = p.fail(std::string(o->name) + ": missing argument");
                break;
            }
            value = args[i++];
        } else if (!o->takesValue && joined) {
            ok = p.fail(echo(word) + ": " + std::string(o->name) + " takes no value");
            break;
        }
        if (o->describesHand && r.firstHandOption.empty()) r.firstHandOption = o->name;
        p.opt = o->name;
        ok = o->apply(p, value);
    }
    if (ok && ended && i < args.size())
        ok = p.fail(quoted(args[i]) + ": unexpected argument after -- (see --help)");
    if (!ok) {
        // Past the error the words are only looked through for --json (and
        // --waits, which answers in JSON), so that the error comes out as
        // JSON too.
        while (i < args.size()) {
            const std::string_view word = args[i++];
            if (word == "--") break;
            if (word == "--json") r.json = true;
            if (word == "--waits") r.waits = true;
            std::string_view value;
            bool joined;
            const Option* o = lookUp(word, value, joined);
            if (o && o->takesValue && !joined && i < args.size() && isValueWord(args[i])) ++i;
        }
        return;
    }
    if (r.options.tsumo && r.options.ron) p.fail("--tsumo, --ron: only one win kind may be given");
}

bool parseLine(std::string_view line, std::vector<std::string_view>& words, ParseResult& into)
{
    if (line.size() <= kCommonLine) {
        resetForCommonLine(into);
        if (readCommonLine(line, into)) return true;
    }
    // A word and a blank take two bytes at least.
    if (const std::size_t most = line.size() / 2 + 1; words.size() < most) words.resize(most);
    const std::span<const std::string_view> found(words.data(), splitWords(line, words.data()));
    if (found.empty() || found[0].starts_with("#")) return false;
    parseOptions(found, into);
    return true;
}

}  // namespace tenho::cli
