// SPDX-License-Identifier: GPL-3.0-or-later
// The palette, the concealed hand and the four-of-a-kind checks that every
// entry path uses.
#include <algorithm>
#include <array>
#include <string_view>

#include "model/tenho.h"

namespace tenho {

namespace {

bool validSource(int source) { return source >= 0 && source < kTileKinds; }

}  // namespace

namespace {

// The kind a key ":" + code + ":" stands for, or -1.
int keyKind(std::string_view key)
{
    return key.size() == 4 ? paletteIndex(Code(key[1], key[2])) : -1;
}

}  // namespace

// Every check searches the keys of the table for DRAG_KEY alone, and keys
// carry their colons, so a search finds whole keys only: what it sees is how
// often DRAG_KEY's tile is on the table, and that is all USED_KEYS holds.
void TENHO::HAI_SHUUKEI()
{
    OVER_FLAG = 0;
    const int kind = keyKind(DRAG_KEY);
    int n = 0;
    if (kind >= 0) {
        const Code c = kHaiCodes[static_cast<std::size_t>(kind)];
        n = TileList::countOf(c, std::array<const TileList*, 6>{&List[0], &List[1], &List[2],
                                                                &List[3], &List[4], &List2});
        n += Text1 == c ? 1 : 0;
    }
    USED_KEYS = static_cast<Integer>(n);
}

// Three copies may be on the table; a fourth refuses the tile.
void TENHO::YONMAI_KENSA() { OVER_FLAG = USED_KEYS >= 4 ? 1 : 0; }

void TENHO::HAI_OVER()
{
    HAI_SHUUKEI();
    YONMAI_KENSA();
}

// A pon adds three: refused when two are on the table already.
void TENHO::HAI_OVER2()
{
    HAI_SHUUKEI();
    OVER_FLAG = USED_KEYS >= 2 ? 1 : 0;
}

// A kan adds four: refused when the kind is on the table at all.
void TENHO::HAI_OVER3()
{
    HAI_SHUUKEI();
    OVER_FLAG = USED_KEYS >= 1 ? 1 : 0;
}

void TENHO::HAI_OVER4()
{
    // DRAG_KEY is ":" + suit + rank + ":"; the sequence's three tiles in turn.
    const char suit = DRAG_KEY.size() == 4 ? DRAG_KEY[1] : '\0';
    const char rank = DRAG_KEY.size() == 4 ? DRAG_KEY[2] : '\0';
    const std::array<Code, 3> three = {Code(suit, rank), Code(suit, static_cast<char>(rank + 1)),
                                       Code(suit, static_cast<char>(rank + 2))};
    if (paletteIndex(three[0]) >= 0 && paletteIndex(three[1]) >= 0 && paletteIndex(three[2]) >= 0) {
        // Three tiles, as every sequence offered has: counted in one pass
        // over the items on the table, and the checks left as the last one
        // made leaves them. Taken as numbers (the rank in the high byte), the
        // three lie 0, 0x100 and 0x200 above the lowest, and nothing else does.
        std::array<int, 3> n{};
        const unsigned lowest = three[0].raw();
        const auto tally = [&n, lowest](Code c) {
            const unsigned above = (c.raw() - lowest) & 0xffffu;
            if (above <= 0x200 && (above & 0xff) == 0) ++n[above >> 8];
        };
        for (const TileList& list : List)
            for (Code c : list) tally(c);
        for (Code c : List2) tally(c);
        tally(Text1);
        std::size_t b = 0;
        while (b < 2 && n[b] < 4) ++b;
        DRAG_KEY = tileKey(three[b]);
        USED_KEYS = static_cast<Integer>(n[b]);
        YONMAI_KENSA();
        return;
    }
    for (int b = 0; b < 3; ++b) {
        DRAG_KEY = tileKey(Code(suit, static_cast<char>(rank + b)));
        HAI_SHUUKEI();
        YONMAI_KENSA();
        if (OVER_FLAG == 1) return;
    }
}

void TENHO::HAI_KESU()
{
    const auto i = static_cast<std::size_t>(LOOP_I);
    if (i + 1 >= PAI_ARRAY.size()) return;
    if (PAI_ARRAY[i].visible && !PAI_ARRAY[i + 1].visible) PAI_ARRAY[i].clear();
}

void TENHO::redrawHand()
{
    // For every item i: LOOP_I = i, select it, PAI_CODE = item i, PAI_CTL =
    // T_HAI(i), HAI_GAZOU. The loop does what those calls do; the variables
    // are left as the last call leaves them.
    TileList& hand = List[0];
    const int n = std::min(hand.count(), static_cast<int>(T_HAI.size()));
    if (n == 0) return;
    drawTiles(hand, T_HAI);
    LOOP_I = static_cast<Integer>(n - 1);
    hand.index = n - 1;
    PAI_CODE = hand.item(n - 1);
    PAI_CTL = &T_HAI[static_cast<std::size_t>(n - 1)];
}

Entry TENHO::addToHand(Code c)
{
    // The hand is full at 13 tiles, or 13 - 3m with m melds; silently.
    if (T_HAI[12].visible) return Entry::Ignored;
    if (meldPresent(4, 1) && T_HAI[0].visible) return Entry::Ignored;
    if (meldPresent(3, 1) && T_HAI[3].visible) return Entry::Ignored;
    if (meldPresent(2, 1) && T_HAI[6].visible) return Entry::Ignored;
    if (meldPresent(1, 1) && T_HAI[9].visible) return Entry::Ignored;

    DRAG_KEY = tileKey(c);
    HAI_OVER();
    if (OVER_FLAG == 1) return refuseWithBeep();
    List[0].add(c);
    redrawHand();
    return Entry::Accepted;
}

Entry TENHO::TEHAI_TSUIKA()
{
    if (!validSource(HAI_INDEX)) return Entry::Ignored;
    return addToHand(kHaiCodes[static_cast<std::size_t>(HAI_INDEX)]);
}

// A drag that ends on a palette picture adds the tile under the pointer,
// not the dragged one: a press and release on one tile adds that tile.
Entry TENHO::HAI_DragDrop(int index, int source)
{
    if (!validSource(index) || !validSource(source)) return Entry::Ignored;
    HAI_INDEX = static_cast<Integer>(index);
    return TEHAI_TSUIKA();
}

Entry TENHO::Frame1_DragDrop(int source)
{
    if (!validSource(source)) return Entry::Ignored;
    return addToHand(kHaiCodes[static_cast<std::size_t>(source)]);
}

Entry TENHO::Frame8_DragDrop(int source) { return Frame1_DragDrop(source); }

Entry TENHO::T_HAI_DragDrop(int index, int source)
{
    (void)index;  // every hand tile takes the dragged tile, like the frame
    return Frame1_DragDrop(source);
}

Entry TENHO::T_HAI_Click(int index)
{
    return removeClickedTile(T_HAI, List[0], index, &TENHO::redrawHand);
}

Entry TENHO::removeClickedTile(std::span<Picture> row, TileList& list, int index,
                               void (TENHO::*redraw)())
{
    if (index < 0 || index >= static_cast<int>(row.size()) ||
        !row[static_cast<std::size_t>(index)].visible)
        return Entry::Ignored;
    list.index = index;
    list.removeAt(list.index);
    (this->*redraw)();
    // The row now shows one tile fewer: if the last picture is shown it is
    // the one to go, otherwise HAI_KESU finds the last one shown.
    PAI_ARRAY = row;
    if (row.back().visible) {
        row.back().clear();
    } else {
        const auto last = static_cast<Integer>(row.size() - 1);
        for (LOOP_I = 0; LOOP_I < last; ++LOOP_I) HAI_KESU();
    }
    return Entry::Accepted;
}

}  // namespace tenho
