// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the items of a tile list into a row of pictures.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/picture.h"
#include "model/tile.h"
#include "model/tile_list.h"

namespace tenho {

// For i = 0 .. n - 1 what HAI_GAZOU does with PAI_CODE = item i of `list` and
// PAI_CTL = pictures[i]: a tile's picture gets the tile's face (the palette
// picture HAI(k) shows face k) and is shown; a picture whose item is no tile
// is left alone. n is at most the list's count and `Size`, the number of
// pictures. The places past the count hold the empty code, which is no tile,
// so the pictures past it stay as they are and are not looked at.
template <std::size_t Size>
void drawTiles(const TileList& list, std::array<Picture, Size>& pictures)
{
    static_assert(Size <= TileList::kCapacity);
    const Code* items = list.begin();
    const std::size_t n = std::min(static_cast<std::size_t>(list.count()), Size);
    for (std::size_t i = 0; i < n; ++i) {
        const int face = paletteIndex(items[i]);
        Picture& p = pictures[i];
        p.image = face >= 0 ? face : p.image;
        p.visible = face >= 0 || p.visible;
    }
}

}  // namespace tenho
