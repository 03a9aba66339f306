// SPDX-License-Identifier: GPL-3.0-or-later
// The waits of a hand of thirteen tiles: every tile kind that completes it
// when taken as the winning tile, and what the result dialog shows for a win
// on a discard and by self-draw, under the situation on the table.
//
// Each kind is tried on a copy of the calculator with a host that records
// instead of showing: the tile goes in through the winning-tile drop (so a
// kind already four times on the table is refused and not offered), ロン or
// ツモ is selected and 計算 pressed. The calculator itself is not touched.
#pragma once

#include <string>
#include <vector>

#include "model/dialogs.h"
#include "model/tenho.h"
#include "model/tile.h"

namespace tenho {

// A tile kind that completes the hand, with the result dialog as it is first
// shown when the hand is won on it.
struct Wait {
    Code tile;
    HAN_number ron;
    HAN_number tsumo;

    bool operator==(const Wait&) const = default;
};

struct WaitList {
    // The message box 計算 shows before it looks at the tiles (a wind not
    // chosen); when it is set there are no waits.
    std::string message;
    // In tile-code order; empty when no tile completes the hand.
    std::vector<Wait> waits;
};

// The tiles of the hand as the waits count them: the concealed tiles and
// three for each called meld (a kan's fourth tile stands in for none).
int waitingHandTiles(const TENHO& t);

// Thirteen tiles and no winning tile set.
bool canListWaits(const TENHO& t);

// The waits of `t`; an empty list when canListWaits(t) is false. `t` is
// left exactly as it was, and nothing reaches its host.
WaitList listWaits(const TENHO& t);

}  // namespace tenho
