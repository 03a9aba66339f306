// SPDX-License-Identifier: GPL-3.0-or-later
// The tile artwork, drawn in code so that it is sharp at every size and
// screen density. One function draws every picture the window shows: the 34
// faces, the face-down tile of a closed kan and the placeholder over a hand
// slot given up to a meld.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tenho::qt {

// Logical size of one tile picture; the art keeps the proportions of a real tile.
inline constexpr QSize kTileSize{38, 51};

// Draws picture `image` (a palette index 0..33, image::kFaceDown or
// image::kPlaceholder) so that it fills `rect`. image::kNone draws nothing.
void paintTile(QPainter& painter, const QRectF& rect, int image);

// What the pointer carries during a drag from the palette: the tile lifted
// off the table, with a soft shadow under it. The hot spot is its centre.
QPixmap dragPixmap(int image, QSize size, qreal devicePixelRatio);

// The tile standing in a square, at the usual icon sizes: the program's icon.
QIcon tileIcon(int image);

// The tile standing in a transparent square of `side` pixels: one size of the icon.
QPixmap tileIconPixmap(int image, int side);

// The table the tiles lie on: green felt, lighter in the middle, with a fine grain.
void paintFelt(QPainter& painter, const QRectF& rect);

}  // namespace tenho::qt
