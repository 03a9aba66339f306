// SPDX-License-Identifier: GPL-3.0-or-later
// The split search: one pair and four groups out of the fourteen tiles.
//
// The search is a fixed procedure, not a best-split search: pair positions
// from the first pair onward, and for each the sixteen patterns in a fixed
// order, both extractors always starting from the lowest remaining tile. The
// first split that holds every called meld is the one every later yaku and
// the fu are judged on, so the order below decides results.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/tenho.h"

namespace tenho {

namespace {

// T = triplet, S = sequence, for groups 0..3.
constexpr std::array<std::array<char, 4>, 16> kPatterns = {{
    {'T', 'T', 'T', 'T'},
    {'T', 'T', 'T', 'S'},
    {'S', 'S', 'T', 'S'},
    {'S', 'S', 'T', 'T'},
    {'S', 'T', 'S', 'S'},
    {'S', 'T', 'S', 'T'},
    {'S', 'T', 'T', 'S'},
    {'S', 'T', 'T', 'T'},
    {'T', 'S', 'S', 'S'},
    {'T', 'S', 'S', 'T'},
    {'T', 'S', 'T', 'S'},
    {'T', 'S', 'T', 'T'},
    {'T', 'T', 'S', 'S'},
    {'T', 'T', 'S', 'T'},
    {'S', 'S', 'S', 'T'},
    {'S', 'S', 'S', 'S'},
}};

template <std::size_t N> void appendKey(FixedText<N>& to, const TileList& list)
{
    char key[8];
    std::size_t n = 0;
    key[n++] = ':';
    for (int i = 0; i < 3; ++i) {
        const Code c = list.item(i);
        if (c.suit() != '\0') key[n++] = c.suit();
        if (c.suit() != '\0' && c.rank() != '\0') key[n++] = c.rank();
    }
    key[n++] = ':';
    to += std::string_view(key, n);
}

// Where `key` first occurs in `keys`, as std::string_view::find says, for
// these texts of a few dozen characters: compared in place, no library call.
// A meld's key always has eight characters (its first three codes); the
// general loop stays for a meld list holding anything else, which entry
// never makes.
std::size_t findKey(std::string_view keys, std::string_view key)
{
    if (key.empty()) return 0;
    if (key.size() > keys.size()) return std::string_view::npos;
    if (key.size() == 8) {  // a meld's key: three codes, eight characters
        std::uint64_t want;
        std::memcpy(&want, key.data(), 8);
        for (std::size_t at = 0; at + 8 <= keys.size(); ++at) {
            std::uint64_t here;
            std::memcpy(&here, keys.data() + at, 8);
            if (here == want) return at;
        }
        return std::string_view::npos;
    }
    for (std::size_t at = 0; at + key.size() <= keys.size(); ++at) {
        std::size_t i = 0;
        while (i < key.size() && keys[at + i] == key[i]) ++i;
        if (i == key.size()) return at;
    }
    return std::string_view::npos;
}

// The melds taking their groups in turn, each the first group not taken
// yet that holds its three codes, as NAKI_SHOUGOU takes a meld's key out of
// MENTSU_KEYS (groups and melds as numbers of one kind). `left` keeps the
// groups not taken (bit g); the count of melds that found one.
int takeGroups(const std::array<std::uint64_t, 4>& groups, const std::uint64_t* melds, int m,
               unsigned& left)
{
    left = 0xF;
    for (int k = 0; k < m; ++k) {
        unsigned hit = 0;
        for (std::size_t g = 0; g < 4; ++g)
            hit |= (left >> g & 1) != 0 && groups[g] == melds[k] ? 1u << g : 0u;
        if (hit == 0) return k;
        left &= ~(hit & (~hit + 1));  // the first of them
    }
    return m;
}

// The search on tile counts. Equal tiles cannot be told apart, so the
// extractors' moves depend only on how many of each tile are left: a triplet
// of the lowest tile wants three of it, a sequence one each of the next two.
// Tiles are counted under an index in which the next tile of a sequence is
// the next index: number tiles keep their value (1..29; 10 and 20 hold
// nothing), honours stand two apart from 31 on, so nothing follows one.
constexpr int kDenseSize = 48;

constexpr auto kDenseOfKind = [] {
    std::array<std::uint8_t, kTileKinds> dense{};
    for (int k = 0; k < kTileKinds; ++k)
        dense[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(k < 27 ? k / 9 * 10 + k % 9 + 1 : 31 + 2 * (k - 27));
    return dense;
}();

constexpr auto kCodeOfDense = [] {
    std::array<Code, kDenseSize> codes{};
    for (std::size_t k = 0; k < kTileKinds; ++k) codes[kDenseOfKind[k]] = kHaiCodes[k];
    return codes;
}();

// Four codes of the tile at each index, as the bytes of four places in a
// list of codes (little or big endian alike: the code's two bytes repeat).
constexpr auto kFourOfDense = [] {
    std::array<std::uint64_t, kDenseSize> four{};
    for (std::size_t i = 0; i < kDenseSize; ++i) {
        const auto pair =
            static_cast<std::uint64_t>(static_cast<unsigned char>(kCodeOfDense[i].suit())) |
            static_cast<std::uint64_t>(static_cast<unsigned char>(kCodeOfDense[i].rank())) << 8;
        four[i] = pair | pair << 16 | pair << 32 | pair << 48;
    }
    return four;
}();

// The three codes of a group starting at each index, as the bytes of four
// places in a list of codes (the fourth empty): [0] a triplet, [1] a
// sequence.
constexpr auto kGroupOfDense = [] {
    std::array<std::array<std::uint64_t, kDenseSize>, 2> groups{};
    const auto raw = [](std::size_t i) {
        if (i >= kDenseSize) return std::uint64_t{0};
        return static_cast<std::uint64_t>(static_cast<unsigned char>(kCodeOfDense[i].suit())) |
               static_cast<std::uint64_t>(static_cast<unsigned char>(kCodeOfDense[i].rank())) << 8;
    };
    for (std::size_t i = 0; i < kDenseSize; ++i) {
        groups[0][i] = raw(i) | raw(i) << 16 | raw(i) << 32;
        groups[1][i] = raw(i) | raw(i + 1) << 16 | raw(i + 2) << 32;
    }
    return groups;
}();

// The dense index of a code, or kNowhere (below) for anything that is no
// tile, under the code's place in the palette's table.
constexpr std::uint8_t kNowhere = kDenseSize - 1;
constexpr auto kDenseOfCode = [] {
    std::array<std::uint8_t, detail::kPaletteRoom> dense{};
    for (std::size_t at = 0; at < dense.size(); ++at) {
        const int kind = detail::kPaletteOf[at];
        dense[at] = kind < 0 ? kNowhere : kDenseOfKind[static_cast<std::size_t>(kind)];
    }
    return dense;
}();

std::uint8_t denseIndex(Code c)
{
    const std::uint16_t at = detail::paletteSlot(c);
    return at < detail::kPaletteRoom ? kDenseOfCode[at] : kNowhere;
}

// How many of each tile are left, by dense index, and which are left at all
// (bit i), so that the lowest tile is a bit scan of a register: the counts
// are written a byte at a time and never read wider.
using Counts = std::array<std::uint8_t, kDenseSize>;

struct Left {
    Counts& n;
    std::uint64_t present;

    int lowest() const { return std::countr_zero(present); }
    // Present bits after one of each of these has been taken.
    std::uint64_t without(std::size_t i) const
    {
        return n[i] == 0 ? present & ~(std::uint64_t{1} << i) : present;
    }
};

// A pattern as bits: bit s set when slot s takes a sequence.
constexpr auto kPatternBits = [] {
    std::array<unsigned, kPatterns.size()> bits{};
    for (std::size_t n = 0; n < kPatterns.size(); ++n)
        for (std::size_t s = 0; s < 4; ++s)
            if (kPatterns[n][s] == 'S') bits[n] |= 1u << s;
    return bits;
}();

// The two moves from the lowest tile a: a triplet (three of a), a sequence
// (a, a + 1, a + 2). Each calls `next` with what is left, then puts the
// tiles back.
template <typename Next> void takeTriplet(Left left, std::size_t a, Next next)
{
    Counts& n = left.n;
    if (n[a] < 3) return;
    n[a] = static_cast<std::uint8_t>(n[a] - 3);
    next(Left{n, left.without(a)});
    n[a] = static_cast<std::uint8_t>(n[a] + 3);
}

template <typename Next> void takeSequence(Left left, std::size_t a, Next next)
{
    Counts& n = left.n;
    if (n[a + 1] == 0 || n[a + 2] == 0) return;
    --n[a];
    --n[a + 1];
    --n[a + 2];
    Left after{n, left.without(a)};
    after.present = after.without(a + 1);
    after.present = after.without(a + 2);
    next(after);
    ++n[a];
    ++n[a + 1];
    ++n[a + 2];
}

// Every pattern that splits the tiles left, as a set of pattern bits: each
// prefix of moves is made once, and a failed move ends every pattern that
// starts with it.
template <int Slot> void explore(Left left, unsigned path, std::uint32_t& found)
{
    if constexpr (Slot == 4) {
        found |= std::uint32_t{1} << path;
    } else {
        const auto a = static_cast<std::size_t>(left.lowest());
        takeTriplet(left, a, [&](Left l) { explore<Slot + 1>(l, path, found); });
        takeSequence(left, a, [&](Left l) { explore<Slot + 1>(l, path | 1u << Slot, found); });
    }
}

// For the patterns that begin with the moves of `prefix` (bit s set: slot s
// a sequence) in their first `slots` slots, the place of the first of them
// in the order.
constexpr auto kFirstWithPrefix = [] {
    std::array<std::array<int, 16>, 5> first{};
    for (unsigned slots = 0; slots <= 4; ++slots)
        for (unsigned prefix = 0; prefix < 16; ++prefix) {
            first[slots][prefix] = static_cast<int>(kPatterns.size());
            for (std::size_t n = kPatterns.size(); n-- > 0;)
                if ((kPatternBits[n] & ((1u << slots) - 1)) == prefix)
                    first[slots][prefix] = static_cast<int>(n);
        }
    return first;
}();

// The first pattern in the order that splits the tiles left (its place in
// `best`, which starts at kPatterns.size() for none): the moves are tried as
// in `explore`, and a prefix whose patterns all come after the best found is
// not followed. `starts` gathers the lowest tile of each slot (a byte each,
// slot 0 lowest); `bestStarts` is that of the best split.
//
// The tiles of the three suits are held as numbers, one for each suit, rank
// r's count in bits 4 (r - 1) .. 4r - 1: the groups are taken suit by suit
// (the lowest tile is always in the lowest suit left), and a move is a
// subtraction. After the pair every honour left is a triplet, so the slots
// left once the suits are used up take the honours' triplets in order.
struct SuitSplit {
    std::array<std::uint64_t, 3> words;
    std::uint32_t honourStarts;  // the honours' indices, lowest first, a byte each
    int best;
    std::uint32_t bestStarts;
};

template <int Slot>
void firstSplitOfSuits(SuitSplit& q, std::size_t s, std::uint64_t cur, unsigned path,
                       std::uint32_t starts)
{
    if constexpr (Slot == 4) {
        if (kFirstWithPrefix[4][path] < q.best) {
            q.best = kFirstWithPrefix[4][path];
            q.bestStarts = starts;
        }
    } else {
        while (cur == 0) {
            if (++s == q.words.size()) {
                // Triplets of honours in every slot left.
                if (kFirstWithPrefix[4][path] < q.best) {
                    q.best = kFirstWithPrefix[4][path];
                    q.bestStarts = starts | q.honourStarts << (8 * Slot);
                }
                return;
            }
            cur = q.words[s];
        }
        const auto a = static_cast<unsigned>(std::countr_zero(cur)) / 4;  // rank - 1
        const unsigned withSequence = path | 1u << Slot;
        const std::uint32_t from = starts | static_cast<std::uint32_t>(10 * s + a + 1)
                                                << (8 * Slot);
        // Each move's tests are made together, as one branch: which of them
        // fails comes at random.
        const auto is = [](bool b) { return static_cast<unsigned>(b); };
        const std::uint64_t here = cur >> (4 * a);  // rank a + 1 in the low nibble
        const auto triplet = [&] {
            if ((is(kFirstWithPrefix[Slot + 1][path] >= q.best) | is((here & 0xF) < 3)) != 0)
                return;
            firstSplitOfSuits<Slot + 1>(q, s, cur - (std::uint64_t{3} << (4 * a)), path, from);
        };
        const auto sequence = [&] {
            if ((is(kFirstWithPrefix[Slot + 1][withSequence] >= q.best) | is((here & 0xF0) == 0) |
                 is((here & 0xF00) == 0)) != 0)
                return;
            firstSplitOfSuits<Slot + 1>(q, s, cur - (std::uint64_t{0x111} << (4 * a)), withSequence,
                                        from);
        };
        // The move whose patterns come first goes first.
        if (kFirstWithPrefix[Slot + 1][path] < kFirstWithPrefix[Slot + 1][withSequence]) {
            triplet();
            sequence();
        } else {
            sequence();
            triplet();
        }
    }
}

// The counts of suit s's ranks as firstSplitOfSuits holds them.
std::uint64_t suitWord(const Counts& all, std::size_t s)
{
    const std::uint8_t* ranks = all.data() + 10 * s + 1;
    if constexpr (std::endian::native == std::endian::little) {
        // Ranks 1 .. 8 a byte each (four at most), run together a nibble
        // each, then the 9.
        std::uint64_t x;
        std::memcpy(&x, ranks, sizeof x);
        x = (x | x >> 4) & 0x00FF00FF00FF00FFull;
        x = (x | x >> 8) & 0x0000FFFF0000FFFFull;
        x = (x | x >> 16) & 0x00000000FFFFFFFFull;
        return x | std::uint64_t{ranks[8]} << 32;
    } else {
        std::uint64_t x = 0;
        for (std::size_t r = 0; r < 9; ++r) x |= std::uint64_t{ranks[r]} << (4 * r);
        return x;
    }
}

// The lowest tile of each slot of pattern n on the tiles left, packed as
// firstSplit packs them; the pattern splits the tiles.
std::uint32_t startsOf(Left left, std::size_t n)
{
    Counts& counts = left.n;
    std::uint32_t starts = 0;
    for (std::size_t s = 0; s < 4; ++s) {
        const auto a = static_cast<std::size_t>(left.lowest());
        starts |= static_cast<std::uint32_t>(a) << (8 * s);
        const bool triplet = kPatterns[n][s] == 'T';
        for (std::size_t d = 0; d < 3; ++d) {
            const std::size_t at = triplet ? a : a + d;
            --counts[at];
            left.present = left.without(at);
        }
    }
    return starts;
}

// The key of a group's three codes packed as kGroupOfDense packs them:
// ":" + the codes + ":", its bytes in text order as a little-endian number.
constexpr std::uint64_t meldKey(std::uint64_t three)
{
    return std::uint64_t{':'} | three << 8 | std::uint64_t{':'} << 56;
}

// Present bits of the index ranges of each suit and of the honours.
constexpr std::uint64_t kSuitBits[3] = {0x3FEull, 0x3FEull << 10, 0x3FEull << 20};
constexpr std::uint64_t kHonourBits = 0x1555ull << 31;

// Where a pair may stand, by the remainders of the three suits' tile counts
// (suit s's in bits 2s, 2s + 1) when every honour comes three or none: the
// one suit left with two over whole groups.
constexpr auto kPairRoom = [] {
    std::array<std::uint64_t, 64> room{};
    room[2] = kSuitBits[0];
    room[2 << 2] = kSuitBits[1];
    room[2 << 4] = kSuitBits[2];
    return room;
}();

// The fourteen tiles counted by index into `all`, which starts empty: the
// winning tile, the first three codes of melds 1 .. m, List(0) items 0 ..
// 12 - 3m. Anything that is no tile is counted at kNowhere.
void countTiles(const std::array<TileList, 5>& lists, Code win, int m, Counts& all)
{
    ++all[denseIndex(win)];
    for (int k = 1; k <= m; ++k) {
        const Code* meld = lists[static_cast<std::size_t>(k)].begin();
        for (int i = 0; i < 3; ++i) ++all[denseIndex(meld[i])];
    }
    const Code* hand = lists[0].begin();
    for (int i = 0; i <= 12 - 3 * m; ++i) ++all[denseIndex(hand[i])];
}

// Which indices hold a tile, and which two or more (bit i); and the
// largest count, a byte.
struct Held {
    std::uint64_t present = 0;
    std::uint64_t pairs = 0;
    int most = 0;
};

Held held(const Counts& all)
{
    Held h;
#if defined(__SSE2__)
    __m128i most = _mm_setzero_si128();
    for (std::size_t b = 0; b < 3; ++b) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(all.data() + 16 * b));
        const __m128i none = _mm_setzero_si128();
        const auto empty = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(c, none)));
        const auto single = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_subs_epu8(c, _mm_set1_epi8(1)), none)));
        h.present |= static_cast<std::uint64_t>(~empty & 0xFFFFu) << (16 * b);
        h.pairs |= static_cast<std::uint64_t>(~single & 0xFFFFu) << (16 * b);
        most = _mm_max_epu8(most, c);
    }
    most = _mm_max_epu8(most, _mm_srli_si128(most, 8));
    most = _mm_max_epu8(most, _mm_srli_si128(most, 4));
    most = _mm_max_epu8(most, _mm_srli_si128(most, 2));
    most = _mm_max_epu8(most, _mm_srli_si128(most, 1));
    h.most = _mm_cvtsi128_si32(most) & 0xff;
#else
    for (std::size_t i = 0; i < kDenseSize; ++i) {
        h.present |= std::uint64_t{all[i] >= 1} << i;
        h.pairs |= std::uint64_t{all[i] >= 2} << i;
        h.most = std::max<int>(h.most, all[i]);
    }
#endif
    return h;
}

}  // namespace

// TENPAI on tile counts, for the fourteen tiles of every hand the window can
// enter (called melds of three or four tiles, the concealed tiles, the
// winning tile, all real tiles, at most four of a kind, and ListTEMP empty
// to begin with). It tries the pair positions and patterns in the same
// order and leaves every list and variable that later routines read as the
// list search does, so the same split is reported. Returns false, having
// changed nothing, for any other state; the list search then runs.
bool TENHO::splitByCounts()
{
    if (!ListTEMP.isEmpty()) return false;
    const int m = meldCount();
    Counts all{};
    countTiles(List, Text1, m, all);
    if (all[kNowhere] != 0) return false;
    const Held h = held(all);
    if (h.most > 4) return false;
    const std::uint64_t present = h.present;

    // ListTEMP as TEHAI_SET leaves it: the fourteen tiles in order, and
    // where each index's run of tiles begins there. The pair positions tried
    // are the first of each run of equal tiles that holds a pair: the other
    // positions of a run hold no pair or leave the same twelve tiles, and
    // fail the same way.
    // Four places written for each kind, the next kind written over those
    // its count does not keep; the places from 14 on are emptied after. The
    // room past them lets the lists be copied in fixed blocks.
    std::array<Code, 32> sorted{};
    std::array<std::uint8_t, kDenseSize> runAt;
    int count = 0;
    for (std::uint64_t left = present; left != 0; left &= left - 1) {
        const auto i = static_cast<std::size_t>(std::countr_zero(left));
        const std::uint64_t four = kFourOfDense[i];
        std::memcpy(static_cast<void*>(sorted.data() + count), &four, sizeof four);
        runAt[i] = static_cast<std::uint8_t>(count);
        count += all[i];
    }
    sorted[14] = sorted[15] = sorted[16] = sorted[17] = Code();  // 14 tiles
    std::array<Code, TileList::kCapacity> sixteen;
    std::copy_n(sorted.begin(), sixteen.size(), sixteen.begin());
    if (m >= 1) NAKI_NO = static_cast<Integer>(m);
    ListTEMP.assign(sixteen, 14);
    const std::uint64_t pairBits = h.pairs;
    if (pairBits == 0) {
        HANTEI = 1;
        return true;
    }

    // Every group takes three tiles of one suit, or three equal honours: the
    // tiles of each suit less the pair come in threes, and every honour but
    // the pair's comes three or none. A pair that leaves anything else has no
    // split, and is not searched.
    std::array<int, 3> inSuit{};
    for (std::size_t s = 0; s < 3; ++s) {
        // Ranks 1 .. 8 summed as the bytes of one number, then the 9.
        std::uint64_t ranks;
        std::memcpy(&ranks, all.data() + 10 * s + 1, sizeof ranks);
        inSuit[s] = static_cast<int>((ranks * 0x0101010101010101ull) >> 56) + all[10 * s + 9];
    }
    // The honours held neither three times nor never.
    std::uint64_t odd = 0;
    for (std::uint64_t left = present & kHonourBits; left != 0; left &= left - 1) {
        const int i = std::countr_zero(left);
        odd |= std::uint64_t{all[static_cast<std::size_t>(i)] != 3} << i;
    }
    // Fourteen tiles at most in a suit.
    static constexpr std::array<std::uint8_t, 16> kThirds = {0, 1, 2, 0, 1, 2, 0, 1,
                                                             2, 0, 1, 2, 0, 1, 2, 0};
    const auto third = [&](std::size_t s) {
        return std::size_t{kThirds[static_cast<std::size_t>(inSuit[s]) & 15]};
    };
    const std::size_t remainders = third(0) | third(1) << 2 | third(2) << 4;
    std::uint64_t room = 0;
    if (odd == 0)
        room = kPairRoom[remainders];
    else if ((odd & (odd - 1)) == 0 && remainders == 0 &&
             all[static_cast<std::size_t>(std::countr_zero(odd))] == 2)
        room = odd;  // the one honour held twice
    const std::uint64_t candidates = pairBits & room;

    struct Pair {
        int index;     // of the tile
        int position;  // of the run in ListTEMP
    };
    const auto pairAt = [&](std::uint64_t bits) {
        const int i = std::countr_zero(bits);
        return Pair{i, runAt[static_cast<std::size_t>(i)]};
    };
    // The twelve tiles left beside a pair, in `counts`.
    const auto withoutPair = [&](const Pair& pair, Counts& counts) {
        counts = all;
        const auto i = static_cast<std::size_t>(pair.index);
        counts[i] = static_cast<std::uint8_t>(counts[i] - 2);
        return Left{counts, counts[i] == 0 ? present & ~(std::uint64_t{1} << i) : present};
    };

    // The split of pattern n with this pair, its groups starting at `starts`
    // (as firstSplit packs them), as JANTOU_TRY leaves it.
    std::array<std::uint64_t, 4> groups{};  // the groups' codes, as kGroupOfDense
    const auto readGroups = [&](std::size_t n, std::uint32_t starts) {
        for (std::size_t s = 0; s < 4; ++s)
            groups[s] = kGroupOfDense[kPatternBits[n] >> s & 1][starts >> (8 * s) & 0xff];
    };
    const auto place = [&](const Pair& pair) {
        const auto p = static_cast<std::size_t>(pair.position);
        // The fourteen without the pair: the tiles before it, then those
        // after it moved up two places (past them, empty codes).
        std::array<Code, TileList::kCapacity> twelve;
#if defined(__SSE2__)
        const auto* from = reinterpret_cast<const __m128i*>(sorted.data());
        const auto* moved = reinterpret_cast<const __m128i*>(sorted.data() + 2);
        const __m128i before = _mm_set1_epi16(static_cast<short>(p));
        for (std::size_t b = 0; b < 2; ++b) {
            const __m128i keep =
                _mm_cmplt_epi16(b == 0 ? _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7)
                                       : _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15),
                                before);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(twelve.data() + 8 * b),
                             _mm_or_si128(_mm_and_si128(keep, _mm_loadu_si128(from + b)),
                                          _mm_andnot_si128(keep, _mm_loadu_si128(moved + b))));
        }
#else
        for (std::size_t i = 0; i < twelve.size(); ++i) twelve[i] = sorted[i < p ? i : i + 2];
#endif
        ListTemp2.assign(twelve, 12);
        ListTEMP.clear();
        for (std::size_t s = 0; s < 4; ++s) {
            const std::uint64_t g = groups[s];
            // Code by code: a list built in a buffer of small stores and
            // copied whole would be read back before those stores are done.
            ListEND[s].generate(3, [g](int d) {
                return std::bit_cast<Code>(static_cast<std::uint16_t>(g >> (16 * d)));
            });
        }
        ListEND[4].generate(2, [&](int) { return sorted[p]; });
        JANTOU_POS = static_cast<Integer>(pair.position);
        COPY_NO = 12;
        MENTSU_NO = 4;
        MENTSU_SLOT = 3;
        BUNKAI_NG = '0';
    };
    // The first three codes of each called meld, as kGroupOfDense holds them.
    std::array<std::uint64_t, 4> melds{};
    for (int k = 1; k <= m; ++k) {
        std::uint64_t three = 0;
        std::memcpy(&three, List[static_cast<std::size_t>(k)].begin(), 3 * sizeof(Code));
        melds[static_cast<std::size_t>(k - 1)] = three;
    }
    // NAKI_KENSA on a split: with no meld it only empties the keys. With
    // melds, MENTSU_KEYS holds a meld's key exactly where a group holds its
    // three codes (every key here is eight characters, ":" + three codes +
    // ":", but the pair's six), and taking out the first occurrence is taking
    // the first such group not taken yet: the codes are compared instead, and
    // the keys left written once. A failed check writes nothing: the keys of
    // the last split checked are written by a real NAKI_KENSA at the end.
    bool checked = false;
    Pair lastPair{};
    std::size_t lastPattern = 0;
    std::uint32_t lastStarts = 0;
    // A split the melds do not fit is not written out: the next split
    // checked writes every list and variable placing one writes, and when
    // none fits the last one checked is placed again at the end.
    const auto accepted = [&](const Pair& pair, std::size_t n, std::uint32_t starts) {
        readGroups(n, starts);
        if (m == 0) {
            place(pair);
            MENTSU_KEY.clear();
            MENTSU_KEYS.clear();
            return true;
        }
        checked = true;
        lastPair = pair;
        lastPattern = n;
        lastStarts = starts;
        unsigned left = 0;
        if (takeGroups(groups, melds.data(), m, left) < m) return false;
        place(pair);
        if constexpr (std::endian::native != std::endian::little) {
            NAKI_KENSA();
        } else {
            // The keys' texts, a key's bytes in text order as a little-endian
            // number; the pair's key is ":" + its two codes + ":".
            MENTSU_KEYS.clear();
            for (std::size_t g = 0; g < 4; ++g) {
                if ((left >> g & 1) == 0) continue;
                const std::uint64_t key = meldKey(groups[g]);
                char text[8];
                std::memcpy(text, &key, 8);
                MENTSU_KEYS += std::string_view(text, 8);
            }
            const std::uint32_t code = sorted[static_cast<std::size_t>(pair.position)].raw();
            const std::uint64_t pairKey = std::uint64_t{':'} | std::uint64_t{code} << 8 |
                                          std::uint64_t{code} << 24 | std::uint64_t{':'} << 40;
            char text[8];
            std::memcpy(text, &pairKey, 8);
            MENTSU_KEYS += std::string_view(text, 6);
            const std::uint64_t lastKey = meldKey(melds[static_cast<std::size_t>(m - 1)]);
            std::memcpy(text, &lastKey, 8);
            MENTSU_KEY.assign(std::string_view(text, 8));
            BUNKAI_NG = '0';
        }
        return true;
    };

    // The first split at each pair position stands or falls as a whole.
    const std::array<std::uint64_t, 3> words = {suitWord(all, 0), suitWord(all, 1),
                                                suitWord(all, 2)};
    for (std::uint64_t left = candidates; left != 0; left &= left - 1) {
        const Pair pair = pairAt(left);
        SuitSplit q{words, 0, static_cast<int>(kPatterns.size()), 0};
        std::uint64_t honours = present & kHonourBits;
        if (pair.index < 30) {
            const auto i = static_cast<unsigned>(pair.index);
            q.words[i / 10] -= std::uint64_t{2} << (4 * (i % 10 - 1));
        } else {
            honours &= ~(std::uint64_t{1} << pair.index);  // held twice
        }
        for (int n = 0; honours != 0; honours &= honours - 1, ++n)
            q.honourStarts |= static_cast<std::uint32_t>(std::countr_zero(honours)) << (8 * n);
        firstSplitOfSuits<0>(q, 0, q.words[0], 0, 0);
        if (q.best == static_cast<int>(kPatterns.size())) continue;
        if (accepted(pair, static_cast<std::size_t>(q.best), q.bestStarts)) return true;
    }
    // Called melds that fit only a later pattern: the second search, with
    // the melds checked pattern by pattern.
    if (m >= 1) {
        for (std::uint64_t left = candidates; left != 0; left &= left - 1) {
            const Pair pair = pairAt(left);
            Counts counts;
            std::uint32_t splits = 0;
            explore<0>(withoutPair(pair, counts), 0, splits);
            for (std::size_t n = 0; n < kPatterns.size(); ++n) {
                if ((splits >> kPatternBits[n] & 1) == 0) continue;
                if (accepted(pair, n, startsOf(withoutPair(pair, counts), n))) return true;
            }
        }
    }

    // The keys as the last check left them; then the lists as the last pair
    // position leaves them: no pair there, nothing taken.
    if (checked) {
        readGroups(lastPattern, lastStarts);
        place(lastPair);
        NAKI_KENSA();
    }
    for (auto& list : ListEND) list.clear();
    ListTemp2.clear();
    ListTEMP.assign(sixteen, 14);
    JANTOU_POS = 13;
    BUNKAI_NG = '1';
    HANTEI = 1;
    return true;
}

void TENHO::NAKI_COPY()
{
    const TileList& meld = List[static_cast<std::size_t>(NAKI_NO)];
    // A kan's fourth tile stays out: a kan counts as three tiles, like a triplet.
    for (int i = 0; i < 3; ++i) ListTEMP.add(meld.item(i));
}

void TENHO::TEHAI_SET()
{
    const int m = meldCount();
    for (int k = 1; k <= m; ++k) {
        NAKI_NO = static_cast<Integer>(k);
        NAKI_COPY();
    }
    for (int i = 0; i <= 12 - 3 * m; ++i) ListTEMP.add(List[0].item(i));
}

void TENHO::TENPAI()
{
    HANTEI = 0;
    if (!splitByCounts()) splitByLists();
}

void TENHO::splitByLists()
{
    HANTEI = 0;
    ListTEMP.add(Text1);
    TEHAI_SET();

    int first = -1;
    for (int i = 0; i <= 13; ++i) {
        if (ListTEMP.item(i) == ListTEMP.item(i + 1)) {
            first = i;
            break;
        }
    }
    if (first < 0) {
        HANTEI = 1;
        return;
    }
    // Every position from the first pair onward is tried, pair or not: a
    // position that holds no pair fails at once. The last one (13) never
    // holds a pair, which leaves ListTEMP full and ListEND empty for the
    // seven-pairs path.
    const TileList hand = ListTEMP;
    const auto search = [&] {
        for (int p = first; p <= 13; ++p) {
            // A pair of the same tile as the pair just tried leaves the same
            // twelve tiles, and so fails the same way.
            if (p > first && p < 13 && hand.item(p) == hand.item(p - 1) &&
                hand.item(p) == hand.item(p + 1))
                continue;
            JANTOU_POS = static_cast<Integer>(p);
            JANTOU_TRY();
            if (BUNKAI_NG != '1') {
                NAKI_KENSA();
                if (BUNKAI_NG != '1') return true;
            }
        }
        return false;
    };
    if (search()) return;

    // The first split found at a pair position is checked against the called
    // melds as a whole, and a miss moves on to the next pair position. That
    // loses complete hands whose melds fit only a later pattern (a called chi
    // beside two more of the same sequence reads as three triplets first).
    // Such a hand is searched once more with the melds checked pattern by
    // pattern; every hand the first search splits keeps its split.
    if (meldCount() >= 1) {
        meldCheckEachPattern_ = true;
        const bool found = search();
        meldCheckEachPattern_ = false;
        if (found) return;
        // Leave the lists as the failed search does.
        JANTOU_POS = 13;
        JANTOU_TRY();
    }
    HANTEI = 1;
}

void TENHO::JANTOU_TRY()
{
    BUNKAI_NG = '0';
    for (auto& list : ListEND) list.clear();
    ListTEMP.clear();
    ListTemp2.clear();

    ListTEMP.add(Text1);
    TEHAI_SET();

    const int p = JANTOU_POS;
    if (ListTEMP.item(p) != ListTEMP.item(p + 1)) {
        BUNKAI_NG = '1';
        return;
    }
    ListEND[4].add(ListTEMP.item(p));
    ListEND[4].add(ListTEMP.item(p + 1));
    ListTEMP.removeAt(p + 1);
    ListTEMP.removeAt(p);

    ListTemp2.copyFrom(ListTEMP);
    COPY_NO = static_cast<Integer>(ListTEMP.count());

    // The extractors are deterministic, so a pattern that starts like one
    // that already failed, up to the slot where that one failed, fails there
    // too; it is not run again. (Only the split that holds is ever read.)
    std::array<int, kPatterns.size()> failedAt{};
    bool reset = true;
    for (std::size_t n = 0; n < kPatterns.size(); ++n) {
        bool known = false;
        for (std::size_t m = 0; m < n && !known; ++m) {
            const int f = failedAt[m];
            known = std::equal(kPatterns[m].begin(), kPatterns[m].begin() + f + 1,
                               kPatterns[n].begin());
            if (known) failedAt[n] = f;
        }
        if (known) continue;
        if (!reset) BUNKAI_RESET();
        reset = false;
        for (MENTSU_NO = 0; MENTSU_NO < 4; ++MENTSU_NO) {
            if (BUNKAI_NG != '0') break;
            MENTSU_SLOT = MENTSU_NO;
            if (kPatterns[n][static_cast<std::size_t>(MENTSU_NO)] == 'T')
                KOUTSU_GET();
            else
                SHUNTSU_GET();
        }
        if (BUNKAI_NG == '0') {
            if (!meldCheckEachPattern_) return;
            NAKI_KENSA();
            if (BUNKAI_NG == '0') return;
        }
        failedAt[n] = MENTSU_NO - 1;  // a meld miss (3) matches no other pattern
    }
}

void TENHO::SHUNTSU_GET()
{
    TileList& group = ListEND[static_cast<std::size_t>(MENTSU_SLOT)];
    const Code a = ListTEMP.item(0);
    const auto at = [this](int want) {
        int j = 0;
        for (Code c : ListTEMP) {
            if (c.value() == want) return j;
            ++j;
        }
        return -1;
    };
    const int second = at(a.value() + 1);
    if (second < 0) {
        BUNKAI_NG = '1';
        return;
    }
    group.add(a);
    group.add(ListTEMP.item(second));
    ListTEMP.removeAt(second);
    ListTEMP.removeAt(0);
    LOOP_J = static_cast<Integer>(at(group.item(0).value() + 2));
    if (LOOP_J < 0) {
        BUNKAI_NG = '1';
        return;
    }
    group.add(ListTEMP.item(LOOP_J));
    ListTEMP.removeAt(LOOP_J);
}

void TENHO::KOUTSU_GET()
{
    TileList& group = ListEND[static_cast<std::size_t>(MENTSU_SLOT)];
    const Code a = ListTEMP.item(0);
    if (ListTEMP.item(1) == a && ListTEMP.item(2) == a) {
        for (int i = 0; i < 3; ++i) group.add(a);
        for (int i = 0; i < 3; ++i) ListTEMP.removeAt(0);
    } else {
        BUNKAI_NG = '1';
    }
}

void TENHO::BUNKAI_RESET()
{
    BUNKAI_NG = '0';
    for (int k = 0; k < 4; ++k) ListEND[static_cast<std::size_t>(k)].clear();
    ListTEMP.copyFrom(ListTemp2);
    COPY_NO = static_cast<Integer>(ListTemp2.count());
}

void TENHO::NAKI_KENSA()
{
    BUNKAI_NG = '0';
    MENTSU_KEY.clear();
    MENTSU_KEYS.clear();
    if (meldCount() >= 1) NAKI_SHOUGOU();
}

namespace {

// The key of a list's first three items when they are tiles, ":" + their
// codes + ":", as its eight bytes in text order read as a little-endian
// number; 0 otherwise.
std::uint64_t tileKeyOfThree(const TileList& list)
{
    const Code* c = list.begin();  // three places at least, past the count empty
    if (paletteIndex(c[0]) < 0 || paletteIndex(c[1]) < 0 || paletteIndex(c[2]) < 0) return 0;
    return std::uint64_t{':'} | std::uint64_t{c[0].raw()} << 8 | std::uint64_t{c[1].raw()} << 24 |
           std::uint64_t{c[2].raw()} << 40 | std::uint64_t{':'} << 56;
}

}  // namespace

// MENTSU_KEYS is the groups' keys in order, and each meld takes the first
// occurrence of its key out. When the four groups and the melds hold tiles
// and the pair at most two, every key but the pair's (last, six characters
// at most) is eight, colons only at its ends, so a meld's key can only be
// found where a group's key begins: the keys are compared as numbers and
// the texts written once at the end. Returns false, having changed
// nothing, for anything else.
bool TENHO::matchWholeKeys()
{
    if constexpr (std::endian::native != std::endian::little) return false;
    if (!MENTSU_KEYS.empty() || !ListEND[4].item(2).empty()) return false;
    const int m = meldCount();
    std::array<std::uint64_t, 4> groups;
    for (std::size_t g = 0; g < 4; ++g) {
        groups[g] = tileKeyOfThree(ListEND[g]);
        if (groups[g] == 0) return false;
    }
    std::array<std::uint64_t, 4> melds{};
    for (int k = 1; k <= m; ++k) {
        melds[static_cast<std::size_t>(k - 1)] = tileKeyOfThree(List[static_cast<std::size_t>(k)]);
        if (melds[static_cast<std::size_t>(k - 1)] == 0) return false;
    }
    unsigned left = 0;
    const int taken = takeGroups(groups, melds.data(), m, left);
    const bool all = taken == m;
    writeWholeKeys(groups, left,
                   m >= 1 ? melds[static_cast<std::size_t>(std::min(taken, m - 1))] : 0);
    BUNKAI_NG = all ? '0' : '1';
    return true;
}

void TENHO::writeWholeKeys(const std::array<std::uint64_t, 4>& keys, unsigned left,
                           std::uint64_t lastKey)
{
    char text[decltype(MENTSU_KEYS)::kCapacity];
    std::size_t n = 0;
    for (std::size_t g = 0; g < 4; ++g)
        if ((left >> g & 1) != 0) {
            std::memcpy(text + n, &keys[g], 8);
            n += 8;
        }
    MENTSU_KEYS.assign(std::string_view(text, n));
    appendKey(MENTSU_KEYS, ListEND[4]);
    if (meldCount() >= 1) {
        std::memcpy(text, &lastKey, 8);
        MENTSU_KEY.assign(std::string_view(text, 8));
    }
}

void TENHO::NAKI_SHOUGOU()
{
    if (!matchWholeKeys()) matchKeyTexts();
}

void TENHO::matchKeyTexts()
{
    for (const TileList& group : ListEND) appendKey(MENTSU_KEYS, group);
    const int m = meldCount();
    for (int k = 1; k <= m; ++k) {
        MENTSU_KEY.clear();
        appendKey(MENTSU_KEY, List[static_cast<std::size_t>(k)]);
        const auto at = findKey(MENTSU_KEYS, MENTSU_KEY);
        if (at == std::string_view::npos) {
            BUNKAI_NG = '1';
            return;
        }
        // Two equal melds need two equal groups.
        MENTSU_KEYS.erase(at, MENTSU_KEY.size());
    }
    BUNKAI_NG = '0';
}

}  // namespace tenho
