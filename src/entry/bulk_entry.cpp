// SPDX-License-Identifier: GPL-3.0-or-later
// A whole run of drops on the hand or on the indicators in one pass, leaving
// exactly what the drops one by one leave. Each drop checks the capacity and
// the tile count and redraws the whole row; here the row is drawn once, since
// every drop's drawing is drawn over by the last one's. And a whole hand,
// melds to indicators, entered in one pass where no step can be refused.
#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/recording_host.h"
#include "model/tenho.h"

namespace tenho {

namespace {

// Four of one kind: its code four times, as a list holds them, and its face
// shown in four pictures, as a row of pictures holds them.
constexpr std::array<std::uint64_t, kTileKinds> kFourCodes = [] {
    std::array<std::uint64_t, kTileKinds> t{};
    for (std::size_t k = 0; k < t.size(); ++k) {
        std::array<Code, 4> codes;
        codes.fill(kHaiCodes[k]);
        t[k] = std::bit_cast<std::uint64_t>(codes);
    }
    return t;
}();
alignas(32) constexpr std::array<std::array<Picture, 4>, kTileKinds> kFourShown = [] {
    std::array<std::array<Picture, 4>, kTileKinds> t{};
    for (std::size_t k = 0; k < t.size(); ++k) t[k].fill(Picture{static_cast<int>(k), true});
    return t;
}();
static_assert(sizeof(Code) == 2 && sizeof(Picture) == 8);

// The first n of four codes kept, the others made empty.
constexpr std::array<std::uint64_t, 5> kFirstCodes = {0, 0xffff, 0xffffffff, 0xffffffffffff,
                                                      ~std::uint64_t{0}};

}  // namespace

std::array<std::uint8_t, kTileKinds> TENHO::kindsOnTable() const
{
    std::array<std::uint8_t, kTileKinds> n{};
    const auto count = [&n](Code c) {
        if (const int kind = paletteIndex(c); kind >= 0) ++n[static_cast<std::size_t>(kind)];
    };
    for (const TileList& list : List)
        for (Code c : list) count(c);
    for (Code c : List2) count(c);
    count(Text1);
    return n;
}

// Each drop: the hand full (T_HAI(12), or the slot a meld leaves last, shown)
// ignores it; a tile on the table four times is refused with a beep (the
// drop itself is made below, so that the host hears it); otherwise it goes
// into List(0) in order and the hand is redrawn, which shows T_HAI(0 ..
// count - 1). A drop leaves DRAG_KEY, USED_KEYS and OVER_FLAG as its checks
// set them and the drawing variables as its redraw sets them: the last
// accepted drop's are those of one redraw of the final hand.
Entry TENHO::dropOnHand(std::span<const Code> tiles, std::size_t& accepted)
{
    accepted = 0;
    TileList& hand = List[0];
    // The hand to be, by kind: a sorted list holds equal codes side by side
    // and the kinds in code order, so it is its counts written out. The pass
    // relies on a hand that entry makes: at most 13 tiles, each one a tile
    // and none of them more than four times, so that every redraw shows the
    // pictures up to the count and four places a kind hold the list.
    std::array<std::uint8_t, kTileKinds> inHand{};
    std::uint64_t kinds = 0;
    bool madeByEntry = hand.count() <= 13;
    for (Code c : hand) {
        const int index = paletteIndex(c);
        if (index < 0) {
            madeByEntry = false;
            break;
        }
        const auto kind = static_cast<std::size_t>(index);
        madeByEntry = madeByEntry && ++inHand[kind] <= 4;
        kinds |= std::uint64_t{1} << kind;
    }
    if (!madeByEntry) {
        for (Code c : tiles) {
            const Entry e = Frame1_DragDrop(paletteIndex(c));
            if (e != Entry::Accepted) return e;
            ++accepted;
        }
        return Entry::Accepted;
    }

    // The hand is full when T_HAI(12) is shown, or the slot the last meld
    // leaves last; once a drop has drawn T_HAI(0 .. n - 1) that picture is
    // shown when n passes it, before the first only the pictures tell. So the
    // first drop goes in unless the hand is full already, and each later one
    // while the count has not passed that slot.
    bool fullBefore = T_HAI[12].visible;
    int lowestFull = 12;
    for (int k = 1; k <= 4; ++k)
        if (NAKI[static_cast<std::size_t>(k)][1].visible) {
            lowestFull = 12 - 3 * k;
            fullBefore = fullBefore || T_HAI[static_cast<std::size_t>(lowestFull)].visible;
        }
    const int before = hand.count();
    const std::size_t room =
        fullBefore ? 0 : static_cast<std::size_t>(std::max(1, lowestFull + 1 - before));

    std::array<std::uint8_t, kTileKinds> onTable = kindsOnTable();
    const std::size_t last = std::min(tiles.size(), room);
    std::size_t done = 0;
    for (; done < last; ++done) {
        const int index = paletteIndex(tiles[done]);
        if (index < 0) break;
        const auto kind = static_cast<std::size_t>(index);
        if (onTable[kind] >= 4) break;
        ++onTable[kind];
        ++inHand[kind];
        kinds |= std::uint64_t{1} << kind;
    }
    accepted = done;
    if (done > 0) {
        writeHand(inHand.data(), kinds, before + static_cast<int>(done));
        DRAG_KEY = tileKey(tiles[done - 1]);
        // The last drop's check counted its kind before it went in.
        USED_KEYS = static_cast<Integer>(
            onTable[static_cast<std::size_t>(paletteIndex(tiles[done - 1]))] - 1);
        OVER_FLAG = 0;
    }
    if (accepted == tiles.size()) return Entry::Accepted;
    return Frame1_DragDrop(paletteIndex(tiles[accepted]));  // ignored, or refused with its beep
}

inline void TENHO::writeHand(const std::uint8_t* inHand, std::uint64_t kinds, int n)
{
    // Each kind writes four places, of the list and of the row of pictures,
    // and the next kind writes over those its count does not keep: the list
    // keeps only the kind's count of codes, so that its last places end up
    // empty, and the three pictures past the hand, which the last kind may
    // have drawn over, are put back as they were. The redraw shows each of
    // the pictures up to the count as its kind's face; the row lies before
    // the placeholders, where those three may fall.
    assert(n >= 1 && n <= static_cast<int>(T_HAI.size()) && kinds != 0);
    auto* const state = reinterpret_cast<unsigned char*>(static_cast<TENHOState*>(this));
    const auto place = [state](const void* member) {
        return static_cast<std::size_t>(static_cast<const unsigned char*>(member) - state);
    };
    assert(place(JUMP.data()) == place(T_HAI.data()) + sizeof(T_HAI));
    unsigned char* const row = state + place(T_HAI.data());
    unsigned char* const past = row + static_cast<std::size_t>(n) * sizeof(Picture);
    unsigned char kept[3 * sizeof(Picture)];
    std::memcpy(kept, past, sizeof kept);
    const auto highest = static_cast<std::size_t>(63 - std::countl_zero(kinds));
    TileList& hand = List[0];
    hand.writeInPlace(n, [&](unsigned char* places) {
        std::size_t at = 0;
        for (; kinds != 0; kinds &= kinds - 1) {
            const auto kind = static_cast<unsigned>(std::countr_zero(kinds));
            const std::uint8_t count = inHand[kind];
            assert(count >= 1 && count <= 4);
            const std::uint64_t codes = kFourCodes[kind] & kFirstCodes[count];
            std::memcpy(places + at * sizeof(Code), &codes, sizeof codes);
            std::memcpy(row + at * sizeof(Picture), kFourShown[kind].data(),
                        sizeof(kFourShown[kind]));
            at += count;
        }
    });
    std::memcpy(past, kept, sizeof kept);
    // redrawHand's variables, as its last call leaves them.
    LOOP_I = static_cast<Integer>(n - 1);
    hand.index = n - 1;
    PAI_CODE = kHaiCodes[highest];
    PAI_CTL = &T_HAI[static_cast<std::size_t>(n - 1)];
}

namespace {

// Counts by kind, a byte a kind, read sixteen (or eight) at a time.
using KindCounts = std::array<std::uint8_t, 48>;
static_assert(kTileKinds + 2 <= 48);

#if defined(__SSE2__)
__m128i block(const KindCounts& n, std::size_t b)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(n.data() + 16 * b));
}

// The kinds whose count is not 0, as bits (bit k for kind k).
std::uint64_t kindsIn(const KindCounts& n)
{
    std::uint64_t empty = 0;
    for (std::size_t b = 0; b < n.size() / 16; ++b)
        empty |= std::uint64_t{static_cast<std::uint16_t>(
                     _mm_movemask_epi8(_mm_cmpeq_epi8(block(n, b), _mm_setzero_si128())))}
                 << (16 * b);
    return ~empty & ((std::uint64_t{1} << kTileKinds) - 1);
}

// a + b into `sum`, kind by kind: false when some kind comes to five or
// more. Every count is below 128, so the bytes compare as signed ones.
bool addCounts(const KindCounts& a, const KindCounts& b, KindCounts& sum)
{
    __m128i over = _mm_setzero_si128();
    for (std::size_t i = 0; i < sum.size() / 16; ++i) {
        const __m128i t = _mm_add_epi8(block(a, i), block(b, i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(sum.data() + 16 * i), t);
        over = _mm_or_si128(over, _mm_cmpgt_epi8(t, _mm_set1_epi8(4)));
    }
    return _mm_movemask_epi8(over) == 0;
}
#else
std::uint64_t word(const KindCounts& n, std::size_t w)
{
    std::uint64_t v;
    std::memcpy(&v, &n[8 * w], sizeof v);
    return v;
}

std::uint64_t kindsIn(const KindCounts& n)
{
    std::uint64_t kinds = 0;
    for (std::size_t w = 0; w < 5; ++w) {
        // A byte's top bit set where it is not 0, gathered into its first
        // bit and those eight bits multiplied together into the top byte.
        const std::uint64_t v = word(n, w);
        const std::uint64_t top = ((v & 0x7f7f7f7f7f7f7f7fu) + 0x7f7f7f7f7f7f7f7fu) | v;
        const std::uint64_t first = (top >> 7) & 0x0101010101010101u;
        kinds |= (first * 0x0102040810204080u >> 56) << (8 * w);
    }
    return kinds;
}

bool addCounts(const KindCounts& a, const KindCounts& b, KindCounts& sum)
{
    // The bytes add without carrying into one another, and a byte is five
    // or more when adding 0x7b sets its top bit.
    std::uint64_t over = 0;
    for (std::size_t w = 0; w < sum.size() / 8; ++w) {
        const std::uint64_t t = word(a, w) + word(b, w);
        std::memcpy(&sum[8 * w], &t, sizeof t);
        over |= (t + 0x7b7b7b7b7b7b7b7bu) & 0x8080808080808080u;
    }
    return over == 0;
}
#endif

// The kind of each tile code under its slot (detail::paletteSlot) below
// 0x1000, and kNoKind, a count past the kinds, for what is no tile.
constexpr std::uint8_t kNoKind = 47;
static_assert(kNoKind >= kTileKinds + 2 && kNoKind < std::tuple_size_v<KindCounts>);
constexpr std::array<std::uint8_t, 0x1000> kSlotKinds = [] {
    std::array<std::uint8_t, 0x1000> t{};
    for (std::size_t slot = 0; slot < t.size(); ++slot) {
        const int kind = slot < detail::kPaletteRoom ? detail::kPaletteOf[slot] : -1;
        t[slot] = kind < 0 ? kNoKind : static_cast<std::uint8_t>(kind);
    }
    return t;
}();

// The slot as a 32-bit number: a code below "00" wraps round to one of
// 0x1000 or more, as does every code past the table.
std::uint32_t tableSlot(Code c) { return std::uint32_t{std::bit_cast<std::uint16_t>(c)} - 0x3030u; }

// What each call (チー, ポン, カン, as NakiCheckButton numbers them) puts
// on its frame from the tile dropped there, so that forming a meld takes no
// branch on the kind of call: the tiles of the meld by kind from that one,
// its last tile (the one the last check looks at) and the call's answer.
struct MeldShape {
    std::array<std::uint8_t, 3> adds;  // to the counts of the tile's kind, +1, +2
    int size;
    int last;  // the kind of the last tile, from the tile's
    std::string_view sentaku;
};
constexpr std::array<MeldShape, 3> kShapes = {{
    {{1, 1, 1}, 3, 2, "0"},
    {{3, 0, 0}, 3, 0, "1"},
    {{4, 0, 0}, 4, 0, "2"},
}};

// How far a meld from each kind may reach: two kinds on from a suited 1 to
// 7, where a sequence may start (the call dialog offers チー there only),
// none from the others.
constexpr std::array<int, kTileKinds> kReach = [] {
    std::array<int, kTileKinds> t{};
    for (std::size_t k = 0; k < 27; ++k) t[k] = k % 9 <= 6 ? 2 : 0;
    return t;
}();

// Each call's tiles from each kind as a list holds them, four codes in one
// word (the places past the meld empty), and as the frame's four pictures
// show them (the fourth of a sequence or a triplet as a frame without a
// meld shows it: cleared).
constexpr std::array<std::array<std::uint64_t, kTileKinds>, 3> kMeldCodes = [] {
    std::array<std::array<std::uint64_t, kTileKinds>, 3> t{};
    for (std::size_t call = 0; call < 3; ++call)
        for (std::size_t k = 0; k < kTileKinds; ++k) {
            std::array<Code, 4> codes{};
            const MeldShape& shape = kShapes[call];
            for (std::size_t b = 0; b < static_cast<std::size_t>(shape.size); ++b) {
                const std::size_t kind = k + (shape.last == 2 ? b : 0);
                codes[b] = kind < kTileKinds ? kHaiCodes[kind] : Code();
            }
            t[call][k] = std::bit_cast<std::uint64_t>(codes);
        }
    return t;
}();
alignas(32) constexpr std::array<std::array<std::array<Picture, 4>, kTileKinds>, 3> kMeldShown =
    [] {
        std::array<std::array<std::array<Picture, 4>, kTileKinds>, 3> t{};
        for (std::size_t call = 0; call < 3; ++call)
            for (std::size_t k = 0; k < kTileKinds; ++k) {
                const MeldShape& shape = kShapes[call];
                for (std::size_t b = 0; b < static_cast<std::size_t>(shape.size); ++b)
                    t[call][k][b] = Picture{static_cast<int>(k + (shape.last == 2 ? b : 0)), true};
            }
        return t;
    }();

// kHaiCodes and three empty codes after them.
constexpr std::array<Code, kTileKinds + 3> kCodesOrEmpty = [] {
    std::array<Code, kTileKinds + 3> t{};
    std::copy(kHaiCodes.begin(), kHaiCodes.end(), t.begin());
    return t;
}();

// The five box flags as bits (bit b for C_OPTION(b)): the first four bytes
// multiplied into the top byte, each one to its own bit.
unsigned boxBits(const std::array<bool, 5>& boxes)
{
    std::uint32_t first;
    std::memcpy(&first, boxes.data(), sizeof first);
    const auto low = static_cast<unsigned>((std::uint64_t{first} * 0x01020408u >> 24) & 0xf);
    return low | (boxes[4] ? 16u : 0u);
}

// What clicking the boxes of each set (bit b for C_OPTION(b)) in box order
// leaves, on the boxes as a calculator is built (`from[0]`) and as the first
// open call leaves those (`from[1]`), found by clicking them on a calculator
// of its own. On either, every click the interlocks leave enabled turns its
// box on and no rule turns a box on, so no row that unchecks a box, none that
// reads the melds and none that trims the indicators ever applies: the
// boxes end up the same on any calculator that starts with them so.
struct BoxClicks {
    std::array<std::array<CheckBox, 6>, 2> from;
    std::array<std::array<std::array<CheckBox, 6>, 32>, 2> to;
    std::array<std::uint32_t, 2> refused;  // bit s: some click of set s is ignored
};

// Whether two rows of boxes hold the same values and availability (the
// padding of a box, which nothing writes on purpose, left out).
bool sameBoxes(const std::array<CheckBox, 6>& a, const std::array<CheckBox, 6>& b)
{
    static_assert(sizeof(CheckBox) == 8 && offsetof(CheckBox, value) == 0 &&
                  offsetof(CheckBox, enabled) == 4 && sizeof(a) == 48);
#if defined(__SSE2__)
    const __m128i used = _mm_set1_epi64x(0xffffffffff);  // value and enabled
    const auto block = [&used](const std::array<CheckBox, 6>& boxes, int i) {
        return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(boxes.data()) + i),
                             used);
    };
    const __m128i same = _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(block(a, 0), block(b, 0)),
                                                     _mm_cmpeq_epi8(block(a, 1), block(b, 1))),
                                       _mm_cmpeq_epi8(block(a, 2), block(b, 2)));
    return _mm_movemask_epi8(same) == 0xffff;
#else
    return a == b;
#endif
}

// Built on first use rather than with the program's other statics, whose
// order across files is not fixed: a calculator reads some of them.
const BoxClicks& boxClicks()
{
    static const BoxClicks table = [] {
        BoxClicks t{};
        RecordingHost nobody;
        for (std::size_t open = 0; open < 2; ++open)
            for (unsigned set = 0; set < 32; ++set) {
                TENHO calculator(nobody);
                if (open != 0) calculator.RIICHI_KINSHI();
                t.from[open] = calculator.C_OPTION;
                for (int b = 0; b < 5; ++b)
                    if ((set >> b & 1) != 0 && calculator.clickC_OPTION(b) != Entry::Accepted)
                        t.refused[open] |= 1u << set;
                t.to[open][set] = calculator.C_OPTION;
            }
        return t;
    }();
    return table;
}

// `to` = `from`, three blocks at once.
void copyBoxes(std::array<CheckBox, 6>& to, const std::array<CheckBox, 6>& from)
{
#if defined(__SSE2__)
    for (int i = 0; i < 3; ++i)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to.data()) + i,
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from.data()) + i));
#else
    to = from;
#endif
}

}  // namespace

bool TENHO::enterWholeHand(const WholeHand& whole)
{
    assert(meldCount() == 0 && List[0].isEmpty() && List2.isEmpty() && Text1.empty() &&
           std::none_of(T_HAI.begin(), T_HAI.end(), [](const Picture& p) { return p.visible; }) &&
           !ENDPAI.visible && !DORA[0].visible);
    const std::span<const CalledMeld> melds = whole.melds;
    const std::span<const Code> tiles = whole.hand;
    const std::span<const Code> dora = whole.dora;
    // The hand is full once it reaches the slot the last meld leaves last;
    // eight indicators fill their row.
    if (melds.size() > 4 || tiles.size() > 13 - 3 * melds.size() || dora.size() > DORA.size())
        return false;

    // Each part is written as it is read, in one pass; a part that some
    // handler would refuse or ignore ends it, and the calculator is started
    // again. Every tile is counted by kind, the concealed ones apart. A
    // check refuses a tile when the table holds four of it, two before a
    // pon, one before a kan: with at most four of each kind once everything
    // is in, none can.
    KindCounts table{};
    KindCounts inHand{};

    // The melds, as formMeld forms each one on an empty frame beside an
    // empty hand: the list takes its tiles, the pictures show them, the
    // hand's last three slots (none of them shown) go to placeholders. The
    // first open call ends every riichi-type yaku; nothing the melds do
    // reads the boxes, so that is done once after them.
    // Each meld writes what the last one's checks leave, and the kind its
    // last check counted (none before a meld: a count past the kinds, 0).
    bool open = false;
    std::size_t lastKind = kNoKind;
    unsigned lastChi = kTileKinds;  // none
    int lastOwn = 0;
    Code lastChecked;
    for (std::size_t i = 0; i < melds.size(); ++i) {
        const CalledMeld& m = melds[i];
        const auto call = static_cast<unsigned>(m.call);
        const auto k = static_cast<unsigned>(m.source);
        if (call > 2 || k >= kTileKinds) return false;
        const MeldShape& shape = kShapes[call];
        if (shape.last > kReach[k]) return false;
        table[k] = static_cast<std::uint8_t>(table[k] + shape.adds[0]);
        table[k + 1] = static_cast<std::uint8_t>(table[k + 1] + shape.adds[1]);
        table[k + 2] = static_cast<std::uint8_t>(table[k + 2] + shape.adds[2]);

        const std::size_t f = i + 1;
        const std::uint64_t codes = kMeldCodes[call][k];
        List[f].writeInPlace(shape.size, [codes](unsigned char* places) {
            std::memcpy(places, &codes, sizeof codes);
        });
        assert(NAKI[f][3] == Picture{});
        std::memcpy(NAKI[f].data(), kMeldShown[call][k].data(), sizeof(NAKI[f]));
        const unsigned closed = unsigned{shape.size == 4} & unsigned{m.closedKan};
        KAN_KAN[f][0].visible = KAN_KAN[f][0].visible || closed != 0;
        KAN_KAN[f][1].visible = KAN_KAN[f][1].visible || closed != 0;
        for (std::size_t j = 3 * i; j < 3 * i + 3; ++j) JUMP[j].visible = true;
        const bool chi = shape.last == 2;
        lastChi = chi ? k : lastChi;
        open = open || closed == 0;

        NAKI_SENTAKU = shape.sentaku;
        ANKAN_FLAG = static_cast<Integer>(closed);
        PAI_CODE = kHaiCodes[k + static_cast<unsigned>(shape.last)];
        PAI_CTL = &NAKI[f][static_cast<std::size_t>(shape.size - 1)];
        // HAI_OVER4 looks at the sequence's highest tile last.
        lastChecked = PAI_CODE;
        lastKind = k + static_cast<unsigned>(shape.last);
        lastOwn = chi ? 1 : shape.size;
    }
    if (open) RIICHI_KINSHI();
    // The last sequence's checks leave its tile and the one it calls; both
    // are looked up (past the kinds: empty) and kept only after a sequence.
    const Code low = kCodesOrEmpty[lastChi];
    const bool anyChi = lastChi < kTileKinds;
    DRAG_SUIT = anyChi ? low.suit() : DRAG_SUIT;
    DRAG_RANK = anyChi ? low.rank() : DRAG_RANK;
    NAKI_PAI = anyChi ? kCodesOrEmpty[lastChi + 2] : NAKI_PAI;

    // The tiles are looked up without a test each: what is no tile is
    // counted as kNoKind, or has a slot past the table, and the whole hand
    // is refused after the count.
    std::uint32_t slots = 0;
    for (Code c : tiles) {
        const std::uint32_t slot = tableSlot(c);
        slots |= slot;
        ++inHand[kSlotKinds[slot & 0xfff]];
    }
    const auto winKind = static_cast<unsigned>(paletteIndex(whole.win));
    if (!whole.win.empty()) {
        if (winKind >= kTileKinds) return false;
        ++table[winKind];
    }
    // The indicators, list and pictures, written here already, with no
    // selection in the list: the boxes clicked below may remove indicators
    // past the fourth (URADORA_KESU), counting down from the selected one,
    // and with the indicators entered after them there is none to remove.
    // The selection is made last, as the last drop makes it.
    if (!dora.empty()) {
        List2.writeInPlace(static_cast<int>(dora.size()), [&](unsigned char* places) {
            for (std::size_t i = 0; i < dora.size(); ++i) {
                const Code c = dora[i];
                const std::uint32_t slot = tableSlot(c);
                slots |= slot;
                const std::uint8_t k = kSlotKinds[slot & 0xfff];
                ++table[k];
                DORA[i] = Picture{k, true};
                std::memcpy(places + i * sizeof(Code), &c, sizeof c);
            }
        });
    }
    KindCounts total;
    if (!addCounts(table, inHand, total) || slots > 0xfff || total[kNoKind] != 0) return false;

    // The boxes read the melds alone; the hand and the winning tile, which
    // come before them, do not meet them.
    // Looked up where the boxes are as that table has them, clicked otherwise.
    const unsigned boxes = boxBits(whole.boxes);
    const std::size_t from = open ? 1 : 0;
    const BoxClicks& clicks = boxClicks();
    if (sameBoxes(C_OPTION, clicks.from[from])) {
        if ((clicks.refused[from] >> boxes & 1) != 0) return false;
        copyBoxes(C_OPTION, clicks.to[from][boxes]);
    } else {
        for (unsigned clicked = boxes; clicked != 0; clicked &= clicked - 1)
            if (clickC_OPTION(std::countr_zero(clicked)) != Entry::Accepted) return false;
    }
    if (dora.size() > 4 && !riichiTypeBoxOn()) return false;  // eight while one is on

    if (!tiles.empty()) {
        writeHand(inHand.data(), kindsIn(inHand), static_cast<int>(tiles.size()));
        lastChecked = tiles.back();
        lastKind = kSlotKinds[tableSlot(lastChecked) & 0xfff];
        lastOwn = 1;
    }
    if (!whole.win.empty()) {
        Text1 = whole.win;
        PAI_CODE = whole.win;
        PAI_CTL = &ENDPAI;
        ENDPAI = Picture{static_cast<int>(winKind), true};
        lastChecked = whole.win;
        lastKind = winKind;
        lastOwn = 1;
    }
    if (!dora.empty()) {
        List2.index = static_cast<int>(dora.size()) - 1;
        PAI_CODE = dora.back();
        PAI_CTL = &DORA[dora.size() - 1];
        lastChecked = dora.back();
        lastKind = kSlotKinds[tableSlot(lastChecked) & 0xfff];
        lastOwn = 1;
    }
    // Each stage's last check is the one that stays: the tile it looked for
    // and how often it found it, every tile entered after it being in the
    // later stages.
    if (!lastChecked.empty()) {
        DRAG_KEY = tileKey(lastChecked);
        USED_KEYS = static_cast<Integer>(total[lastKind] - lastOwn);
        OVER_FLAG = 0;
    }
    return true;
}

// As dropOnHand, for the indicators: four fill the row, or eight while a
// riichi-type box is on; an accepted one goes at the end of List2, and the
// redraw shows DORA(0 .. count - 1).
Entry TENHO::dropOnDora(std::span<const Code> tiles, std::size_t& accepted)
{
    accepted = 0;
    // Each indicator's face, for the redraw; the pass relies on indicators
    // that entry makes, at most eight tiles.
    std::array<std::int8_t, TileList::kCapacity> faces{};
    const auto before = static_cast<std::size_t>(List2.count());
    bool madeByEntry = before <= 8;
    for (std::size_t i = 0; i < std::min<std::size_t>(before, 8); ++i) {
        faces[i] = static_cast<std::int8_t>(paletteIndex(List2.begin()[i]));
        madeByEntry = madeByEntry && faces[i] >= 0;
    }
    if (!madeByEntry) {
        for (Code c : tiles) {
            const Entry e = Frame6_DragDrop(paletteIndex(c));
            if (e != Entry::Accepted) return e;
            ++accepted;
        }
        return Entry::Accepted;
    }

    // As on the hand: the first one goes in unless DORA(3), or DORA(7), is
    // shown, and each later one while the count has not passed it.
    const int lastPlace = riichiTypeBoxOn() ? 7 : 3;
    const std::size_t room =
        DORA[static_cast<std::size_t>(lastPlace)].visible
            ? 0
            : static_cast<std::size_t>(std::max(1, lastPlace + 1 - static_cast<int>(before)));
    const std::size_t last = std::min(tiles.size(), room);
    // The indicators to be: each one's kind counted on the table with those
    // taken before it here.
    TileList indicators = List2;
    std::size_t done = 0;
    int lastUsed = 0;
    for (; done < last; ++done) {
        const Code c = tiles[done];
        const int face = paletteIndex(c);
        if (face < 0) break;
        const int used =
            TileList::countOf(c, std::array<const TileList*, 6>{&List[0], &List[1], &List[2],
                                                                &List[3], &List[4], &indicators}) +
            (Text1 == c ? 1 : 0);
        if (used >= 4) break;
        faces[before + done] = static_cast<std::int8_t>(face);  // at most the ninth
        indicators.add(c);
        lastUsed = used;
    }
    accepted = done;
    if (accepted > 0) {
        List2.copyFrom(indicators);  // the redraw selects the last one
        DRAG_KEY = tileKey(tiles[accepted - 1]);
        USED_KEYS = static_cast<Integer>(lastUsed);
        OVER_FLAG = 0;
        // redrawDora, with the faces known.
        const int drawn = std::min(List2.count(), static_cast<int>(DORA.size()));
        for (std::size_t i = 0; i < static_cast<std::size_t>(drawn); ++i)
            DORA[i] = Picture{faces[i], true};
        List2.index = drawn - 1;
        PAI_CODE = List2.item(drawn - 1);
        PAI_CTL = &DORA[static_cast<std::size_t>(drawn - 1)];
    }
    if (accepted == tiles.size()) return Entry::Accepted;
    return Frame6_DragDrop(paletteIndex(tiles[accepted]));
}

}  // namespace tenho
