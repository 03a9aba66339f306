// SPDX-License-Identifier: GPL-3.0-or-later
// The four groups of a split, ListEND(0..3), as the detectors look at them.
#pragma once

#include <algorithm>
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

// Whether three of the four groups (a triple of kTriples) hold the same
// ranks, tile by tile, in the three number suits, one group each, and all
// are sequences (`sequences`) or all triplets. All four triples are tested
// at once on the groups' numbers: whether a test fails comes at random from
// hand to hand.
inline bool threeColoursAmong(const TileList* groups, bool sequences)
{
    std::array<std::uint64_t, 4> w{};
    std::array<unsigned, 4> suitBit{};
    for (std::size_t g = 0; g < 4; ++g) {
        w[g] = groupWord(groups[g]);
        const unsigned digit =
            std::min<unsigned>(static_cast<unsigned char>((w[g] & 0xffu) - '0'), 3);
        // Bit 3 stands for anything but a suit digit and bit 4 for a group
        // of the other kind, so that no three with either make 7.
        suitBit[g] = 1u << digit | static_cast<unsigned>(isSequenceWord(w[g]) != sequences) << 4;
    }
    constexpr std::uint64_t kRanks = 0xff00'ff00'ff00u;
    // As numbers, so that every test is made: no branch.
    const auto is = [](bool b) { return static_cast<unsigned>(b); };
    unsigned found = 0;
    for (const auto& t : kTriples) {
        const std::uint64_t ranks = w[t[0]] & kRanks;
        found |= is((w[t[1]] & kRanks) == ranks) & is((w[t[2]] & kRanks) == ranks) &
                 is((suitBit[t[0]] | suitBit[t[1]] | suitBit[t[2]]) == 7u);
    }
    return found != 0;
}

}  // namespace tenho
