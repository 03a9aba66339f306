// SPDX-License-Identifier: GPL-3.0-or-later
// Dora indicators and the winning tile.
#include <algorithm>

#include "model/tenho.h"

namespace tenho {

namespace {

bool validSource(int source) { return source >= 0 && source < kTileKinds; }

}  // namespace

bool TENHO::riichiTypeBoxOn() const
{
    return C_OPTION[0].value == 1 || C_OPTION[1].value == 1 || C_OPTION[2].value == 1;
}

void TENHO::redrawDora()
{
    // For every item i: select it, PAI_CODE = item i, PAI_CTL = DORA(i),
    // HAI_GAZOU; the variables are left as the last call leaves them.
    const int n = std::min(List2.count(), static_cast<int>(DORA.size()));
    if (n == 0) return;
    drawTiles(List2, DORA);
    List2.index = n - 1;
    PAI_CODE = List2.item(n - 1);
    PAI_CTL = &DORA[static_cast<std::size_t>(n - 1)];
}

Entry TENHO::addIndicator(Code c)
{
    // Four indicators, eight while a riichi-type box is on; silently.
    if (riichiTypeBoxOn() ? DORA[7].visible : DORA[3].visible) return Entry::Ignored;
    DRAG_KEY = tileKey(c);
    HAI_OVER();
    if (OVER_FLAG == 1) return refuseWithBeep();
    List2.add(c);
    redrawDora();
    return Entry::Accepted;
}

Entry TENHO::Frame6_DragDrop(int source)
{
    if (!validSource(source)) return Entry::Ignored;
    return addIndicator(kHaiCodes[static_cast<std::size_t>(source)]);
}

Entry TENHO::DORA_DragDrop(int index, int source)
{
    (void)index;  // a drop on an indicator adds one, like the frame
    return Frame6_DragDrop(source);
}

Entry TENHO::DORA_Click(int index)
{
    return removeClickedTile(DORA, List2, index, &TENHO::redrawDora);
}

void TENHO::URADORA_KESU()
{
    // The selection is on the last indicator after any add or remove.
    for (int n = List2.index; n > 3; --n) {
        if (n < static_cast<int>(DORA.size())) DORA[static_cast<std::size_t>(n)].visible = false;
        List2.removeAt(n);
    }
}

Entry TENHO::Frame7_DragDrop(int source)
{
    if (!validSource(source)) return Entry::Ignored;
    if (ENDPAI.visible) return Entry::Ignored;  // clear the winning tile first
    const Code c = kHaiCodes[static_cast<std::size_t>(source)];
    DRAG_KEY = tileKey(c);
    HAI_OVER();
    if (OVER_FLAG == 1) return refuseWithBeep();
    Text1 = c;
    PAI_CODE = Text1;
    PAI_CTL = &ENDPAI;
    HAI_GAZOU();
    return Entry::Accepted;
}

Entry TENHO::ENDPAI_Click()
{
    if (!ENDPAI.visible) return Entry::Ignored;
    Text1 = Code();
    ENDPAI.clear();
    return Entry::Accepted;
}

}  // namespace tenho
