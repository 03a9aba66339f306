// SPDX-License-Identifier: GPL-3.0-or-later
// A whole run of drops on the hand or on the indicators in one pass, leaving
// exactly what the drops one by one leave. Each drop checks the capacity and
// the tile count and redraws the whole row; here the row is drawn once, since
// every drop's drawing is drawn over by the last one's.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "model/tenho.h"

namespace tenho {

namespace {

// Which pictures of `row` are shown, as bits.
template <std::size_t Size> unsigned shownBits(const std::array<Picture, Size>& row)
{
    unsigned bits = 0;
    for (std::size_t i = 0; i < Size; ++i) bits |= row[i].visible ? 1u << i : 0u;
    return bits;
}

// The row's pictures 0 .. n - 1 (n at most `Size`), which drawing a list of
// n tiles shows.
template <std::size_t Size> unsigned drawnBits(int n)
{
    return (1u << std::min<std::size_t>(static_cast<std::size_t>(n), Size)) - 1;
}

// Every item of the list is one of the 34 tiles: drawing it touches every
// picture up to its count.
bool allTiles(const TileList& list)
{
    return std::all_of(list.begin(), list.end(), [](Code c) { return paletteIndex(c) >= 0; });
}

}  // namespace

int TENHO::usedOnTable(Code c) const
{
    return TileList::countOf(c, std::array<const TileList*, 6>{&List[0], &List[1], &List[2],
                                                               &List[3], &List[4], &List2}) +
           (Text1 == c ? 1 : 0);
}

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
    // The pass relies on a hand that entry makes: at most 13 tiles, each one
    // a tile, so that every redraw shows the pictures up to the count.
    if (hand.count() > 13 || !allTiles(hand)) {
        for (Code c : tiles) {
            const Entry e = Frame1_DragDrop(paletteIndex(c));
            if (e != Entry::Accepted) return e;
            ++accepted;
        }
        return Entry::Accepted;
    }

    unsigned full = 1u << 12;  // T_HAI(i) shown, bit i, ends the hand
    for (int k = 1; k <= 4; ++k)
        if (NAKI[static_cast<std::size_t>(k)][1].visible) full |= 1u << (12 - 3 * k);
    unsigned shown = shownBits(T_HAI);
    std::array<std::uint8_t, kTileKinds> onTable = kindsOnTable();
    // The hand to be, by kind: a sorted list holds equal codes side by side
    // and the kinds in code order, so it is its counts written out.
    std::array<std::uint8_t, kTileKinds> inHand{};
    std::uint64_t kinds = 0;
    for (Code c : hand) {
        const int index = paletteIndex(c);
        if (index < 0) continue;  // never so (allTiles above); told to the optimiser
        const auto kind = static_cast<std::size_t>(index);
        ++inHand[kind];
        kinds |= std::uint64_t{1} << kind;
    }
    int n = hand.count();
    int lastUsed = 0;
    std::size_t done = 0;
    // Once a drop has drawn T_HAI(0 .. n - 1), the hand is full when that
    // reaches the lowest picture of `full`; before the first, only the
    // pictures shown already tell.
    const bool fullBefore = (shown & full) != 0;
    const int lowestFull = std::countr_zero(full);
    for (Code c : tiles) {
        const int kind = paletteIndex(c);
        if (kind < 0 || fullBefore || (done > 0 && n > lowestFull)) break;
        std::uint8_t& used = onTable[static_cast<std::size_t>(kind)];
        if (used >= 4) break;
        ++inHand[static_cast<std::size_t>(kind)];
        kinds |= std::uint64_t{1} << kind;
        ++n;
        lastUsed = used++;
        ++done;
    }
    accepted = done;
    if (done > 0) {
        // Four places written for each kind, and the next kind written over
        // those its count does not keep; the last kind's spare places are
        // emptied again.
        std::array<Code, TileList::kCapacity + 4> items{};
        std::size_t at = 0;
        for (; kinds != 0; kinds &= kinds - 1) {
            const auto kind = static_cast<std::size_t>(std::countr_zero(kinds));
            for (std::size_t j = 0; j < 4; ++j) items[at + j] = kHaiCodes[kind];
            at += inHand[kind];
        }
        for (std::size_t j = 0; j < 4; ++j) items[at + j] = Code();
        std::array<Code, TileList::kCapacity> sorted;
        std::copy_n(items.begin(), sorted.size(), sorted.begin());
        hand.assign(sorted, n);
        DRAG_KEY = tileKey(tiles[done - 1]);
        USED_KEYS = static_cast<Integer>(lastUsed);
        OVER_FLAG = 0;
        redrawHand();
    }
    if (accepted == tiles.size()) return Entry::Accepted;
    return Frame1_DragDrop(paletteIndex(tiles[accepted]));  // ignored, or refused with its beep
}

// As dropOnHand, for the indicators: four fill the row, or eight while a
// riichi-type box is on; an accepted one goes at the end of List2, and the
// redraw shows DORA(0 .. count - 1).
Entry TENHO::dropOnDora(std::span<const Code> tiles, std::size_t& accepted)
{
    accepted = 0;
    if (List2.count() > 8 || !allTiles(List2)) {
        for (Code c : tiles) {
            const Entry e = Frame6_DragDrop(paletteIndex(c));
            if (e != Entry::Accepted) return e;
            ++accepted;
        }
        return Entry::Accepted;
    }

    const unsigned full = riichiTypeBoxOn() ? 1u << 7 : 1u << 3;
    unsigned shown = shownBits(DORA);
    std::array<Code, TileList::kCapacity> items{};
    std::copy(List2.begin(), List2.end(), items.begin());
    const int before = List2.count();
    int n = before;
    int lastUsed = 0;
    std::size_t done = 0;
    for (Code c : tiles) {
        const int kind = paletteIndex(c);
        if (kind < 0 || (shown & full) != 0) break;
        // A few indicators at most: each one's kind counted on the table as
        // it stands, and among those taken before it here.
        int used = usedOnTable(c);
        for (int i = before; i < n; ++i) used += items[static_cast<std::size_t>(i)] == c ? 1 : 0;
        if (used >= 4) break;
        items[static_cast<std::size_t>(n++)] = c;
        shown |= drawnBits<8>(n);
        lastUsed = used;
        ++done;
    }
    accepted = done;
    if (accepted > 0) {
        List2.assign(items, n);  // the redraw selects the last one
        DRAG_KEY = tileKey(tiles[accepted - 1]);
        USED_KEYS = static_cast<Integer>(lastUsed);
        OVER_FLAG = 0;
        redrawDora();
    }
    if (accepted == tiles.size()) return Entry::Accepted;
    return Frame6_DragDrop(paletteIndex(tiles[accepted]));
}

}  // namespace tenho
