// SPDX-License-Identifier: GPL-3.0-or-later
// The four groups of a split, ListEND(0..3), as the detectors look at them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/tile.h"
#include "model/tile_list.h"

namespace tenho {

// A group holds three codes in order: three equal codes are a triplet (or a
// kan), anything else is a sequence.
inline bool isTriplet(const TileList& group) { return group.item(0) == group.item(2); }
inline bool isSequence(const TileList& group) { return group.item(0) != group.item(2); }

// The first three codes of a group as one number, item 0 in the low 16 bits
// (its suit in the low byte): two groups hold the same three codes when
// their numbers are equal.
inline std::uint64_t groupWord(const TileList& group)
{
    std::uint64_t w;
    std::memcpy(&w, group.begin(), sizeof w);
    return w & 0xffff'ffff'ffffu;
}
// The same, the sequence test: item 0 is not item 2.
inline bool isSequenceWord(std::uint64_t w) { return (w & 0xffffu) != (w >> 32); }

// A pair of 1s or 9s (honours among the 1s); an empty list is none. The
// terminal yaku all need one.
inline bool pairOfTerminals(const TileList& pair)
{
    const int n = pair.item(0).rankValue();
    return pair.item(0) == pair.item(1) && (n == 1 || n == 9);
}

// Three of the four groups, in the order the three-colour yaku and the pure
// straight try them.
inline constexpr std::array<std::array<std::size_t, 3>, 4> kTriples = {
    {{0, 1, 2}, {1, 2, 3}, {0, 2, 3}, {0, 1, 3}}};

// Three of the four groups, triple n leaving out group n: the order of the
// concealed-triplet and little-four-winds tests.
inline constexpr std::array<std::array<std::size_t, 3>, 4> kTriplesLeavingOut = {
    {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}}};

// The same numbers, tile by tile, in the three number suits, one group each
// (三色同順 of sequences, 三色同刻 of triplets).
inline bool threeColours(const TileList& a, const TileList& b, const TileList& c)
{
    for (int p = 0; p < 3; ++p)
        if (b.item(p).rank() != a.item(p).rank() || c.item(p).rank() != a.item(p).rank())
            return false;
    const char sa = a.item(0).suit(), sb = b.item(0).suit(), sc = c.item(0).suit();
    return isSuitDigit(sa) && isSuitDigit(sb) && isSuitDigit(sc) && sa != sb && sb != sc &&
           sa != sc;
}

}  // namespace tenho
