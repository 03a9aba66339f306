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

struct Option {
    std::string_view name;
    bool takesValue;
    bool describesHand;  // refused beside --batch, whose hands come on standard input
    Apply apply;
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

void appendText(std::string& text, std::string_view value)
{
    if (!text.empty()) text += ' ';
    text += value;
}

bool setHand(Parser& p, std::string_view value)
{
    if (!readTiles(p, value, p.hand().hand)) return false;
    appendText(p.hand().handText, value);
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
    appendText(p.hand().doraText, value);
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
    {"--hand", true, true, setHand},
    {"--win", true, true, setWin},
    {"--chi", true, true, addMeld<MeldKind::Chi>},
    {"--pon", true, true, addMeld<MeldKind::Pon>},
    {"--kan", true, true, addMeld<MeldKind::Kan>},
    {"--ankan", true, true, addMeld<MeldKind::Ankan>},
    {"--dora", true, true, setDora},
    {"--tsumo", false, true, setHandFlag<&HandOptions::tsumo>},
    {"--ron", false, true, setHandFlag<&HandOptions::ron>},
    {"--round", true, true, setWind<&HandOptions::round, &Parser::roundSet>},
    {"--seat", true, true, setWind<&HandOptions::seat, &Parser::seatSet>},
    {"--riichi", false, true, setBox<0>},
    {"--double-riichi", false, true, setBox<1>},
    {"--ippatsu", false, true, setBox<2>},
    {"--first-turn", false, true, setBox<3>},
    {"--haitei", false, true, setBox<4>},
    {"--kuitan", false, true, setHandFlag<&HandOptions::kuitan>},
    {"--renhou", false, true, setHandFlag<&HandOptions::renhou>},
    {"--json", false, false, setMode<&ParseResult::json>},
    {"--waits", false, false, setMode<&ParseResult::waits>},
    {"--batch", false, false, setMode<&ParseResult::batch>},
    {"--jobs", true, false, setJobs},
    {"--help", false, false, setMode<&ParseResult::help>},
    {"-h", false, false, setMode<&ParseResult::help>},
    {"--version", false, false, setMode<&ParseResult::version>},
};

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
    std::uint64_t head = 0;  // the first 8 bytes of the name, or all of a shorter one
    std::size_t size = 0;    // of the name; 0: no option here
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
        slot = {constantKeyOf(n), packed(n.substr(0, 8)), n.size(), o};
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

// findOption for a name in a line that goes on for `room` bytes from its
// start: with 8 of them, a name shorter than 8 bytes is told by one load,
// masked to its bytes.
[[gnu::always_inline]] inline const Option* findLineOption(std::string_view name, std::size_t room)
{
    const std::size_t size = name.size();
    if (std::endian::native != std::endian::little || size < 4 || size > kLongestName || room < 8)
        return findOption(name);
    const Slot& slot = kSlotTable[slotOf(size, static_cast<unsigned char>(name[2]),
                                         static_cast<unsigned char>(name[3]))];
    if (slot.size != size) return nullptr;
    const auto first = load<std::uint64_t>(name.data());
    const bool same = size >= 8 ? first == slot.head &&
                                      load<std::uint64_t>(name.data() + size - 8) == slot.key.last
                                : (first & (~std::uint64_t{0} >> (64 - 8 * size))) == slot.head;
    return same ? &slot.option : nullptr;
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

// Where the next blank (or the end, which counts as one) or the next word
// lies in a line of at most kCommonLine bytes, from its blanks as bits (the
// place after the end too is among them).
constexpr std::size_t kCommonLine = 126;

class LineBlanks {
public:
    explicit LineBlanks(std::string_view line)
        : low_(blanks(line, 0)), high_(line.size() > 64 ? blanks(line, 64) : ~std::uint64_t{0})
    {
    }
    std::size_t blankFrom(std::size_t at) const { return firstFrom(low_, high_, at); }
    // The next word after the blank at `at`, usually right after it; past
    // the end when no word is left.
    std::size_t wordAfter(std::size_t at) const
    {
        if (!isBlank(at + 1)) return at + 1;
        return firstFrom(~low_, ~high_, at + 1);
    }
    std::size_t wordFrom(std::size_t at) const { return firstFrom(~low_, ~high_, at); }

private:
    bool isBlank(std::size_t at) const
    {
        return ((at < 64 ? low_ >> at : high_ >> (at - 64)) & 1) != 0;
    }
    static std::size_t firstFrom(std::uint64_t low, std::uint64_t high, std::size_t at)
    {
        if (at < 64) {
            if (const std::uint64_t l = low >> at; l != 0)
                return at + static_cast<std::size_t>(std::countr_zero(l));
            return 64 + static_cast<std::size_t>(std::countr_zero(high));
        }
        return at + static_cast<std::size_t>(std::countr_zero(high >> (at - 64)));
    }

    std::uint64_t low_;
    std::uint64_t high_;
};

// A batch line read straight from its bytes, when it is the usual one: every
// word an option that describes the hand, written without "=", and each
// value understood. The options are set as parseOptions sets them, from the
// same words in the same order; false at anything else (the line is then
// read again the long way, which finds the error and its words).
bool readCommonLine(std::string_view line, ParseResult& r)
{
    const LineBlanks blanks(line);
    const char* const data = line.data();
    const std::size_t size = line.size();
    std::size_t at = blanks.wordFrom(0);
    if (at >= size) return false;
    Parser p{r};
    while (at < size) {
        const std::size_t end = blanks.blankFrom(at);
        const Option* o = findLineOption(std::string_view(data + at, end - at), size - at);
        if (!o || !o->describesHand) return false;
        at = blanks.wordAfter(end);
        std::string_view value;
        if (o->takesValue) {
            if (at >= size || (data[at] == '-' && at + 1 < size && data[at + 1] == '-'))
                return false;
            const std::size_t valueEnd = blanks.blankFrom(at);
            value = std::string_view(data + at, valueEnd - at);
            at = blanks.wordAfter(valueEnd);
        }
        if (r.firstHandOption.empty()) r.firstHandOption = o->name;
        // p.opt is left empty: only the messages name the option, and a
        // line with a message is read again the long way.
        if (!o->apply(p, value)) return false;
    }
    return !(r.options.tsumo && r.options.ron);
}

void reset(ParseResult& r)
{
    r.options.clear();
    r.json = r.waits = r.batch = r.help = r.version = false;
    r.jobs = 0;
    r.firstHandOption = {};
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
        reset(into);
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
