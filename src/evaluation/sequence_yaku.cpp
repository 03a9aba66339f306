// SPDX-License-Identifier: GPL-3.0-or-later
// Sequence patterns: three colour straight, pure straight, one and two
// identical sequences.
#include <algorithm>
#include <array>
#include <cstdint>

#include "evaluation/groups.h"
#include "evaluation/winning_tile.h"
#include "model/tenho.h"

namespace tenho {

void TENHO::SAN_JUN()
{
    if (threeColoursAmong(ListEND.data(), true)) reportGradedYaku("三色同順", 2);
}

void TENHO::ITUU()
{
    const auto straight = [this](std::size_t a, std::size_t b, std::size_t c) {
        const auto ends = [this](std::size_t g, int first, int last) {
            return ListEND[g].item(0).rankValue() == first &&
                   ListEND[g].item(2).rankValue() == last;
        };
        return ends(a, 1, 3) && ends(b, 4, 6) && ends(c, 7, 9);
    };

    // Every straight holds a group from 4 to 6; most splits have none.
    bool middle = false;
    for (std::size_t g = 0; g < 4; ++g)
        middle |= ListEND[g].item(0).rank() == '4' && ListEND[g].item(2).rank() == '6';
    if (!middle) return;

    bool found = false;
    std::array<char, 4> suits{};
    for (std::size_t g = 0; g < 4; ++g) suits[g] = ListEND[g].item(0).suit();
    if (suits[0] == suits[1] && suits[1] == suits[2] && suits[2] == suits[3]) {
        for (const auto& t : kTriples) {
            if (straight(t[0], t[1], t[2])) {
                found = true;
                break;
            }
        }
    } else {
        // Three groups of one suit and the fourth elsewhere; the groups stand
        // in ascending order, so the three are adjacent.
        for (std::size_t odd = 0; odd < 4 && !found; ++odd) {
            const auto& same = kTriplesLeavingOut[odd];
            if (suits[same[0]] == suits[same[1]] && suits[same[1]] == suits[same[2]] &&
                suits[odd] != suits[same[0]])
                found = straight(same[0], same[1], same[2]);
        }
    }
    if (found) reportGradedYaku("一気通貫", 2);
}

void TENHO::IIPEI()
{
    // Any two groups of the same three codes, a sequence: all six pairs at
    // once on the groups' numbers.
    std::array<std::uint64_t, 4> w{};
    for (std::size_t g = 0; g < 4; ++g) w[g] = groupWord(ListEND[g]);
    // As numbers, so that every test is made: no branch.
    const auto is = [](bool b) { return static_cast<unsigned>(b); };
    const unsigned found =
        ((is(w[0] == w[1]) | is(w[0] == w[2]) | is(w[0] == w[3])) & is(isSequenceWord(w[0]))) |
        ((is(w[1] == w[2]) | is(w[1] == w[3])) & is(isSequenceWord(w[1]))) |
        (is(w[2] == w[3]) & is(isSequenceWord(w[2])));
    if (found != 0) reportYaku("一盃口", "１翻", 1);
}

void TENHO::RYANPEI()
{
    // On a hand that also splits into a pair and four groups, seven pairs of
    // different tiles can only be two pairs of identical sequences and a pair.
    // List3 = each concealed tile, selected in turn, and the winning tile.
    copyAndAdd(List3, List[0], Text1);
    twoIdenticalSequencesOnList3();
}

void TENHO::twoIdenticalSequencesOnList3()
{
    if (List[0].count() > 0) List[0].index = List[0].count() - 1;
    if (sevenDifferentPairs()) {
        HAN_number& h = HAN();
        h.Label1 = "二盃口";
        h.Label2 = "３翻";
        h.Label3 = Decimal(textValue(h.Label3) + 3);
    }
    List3.clear();
}

}  // namespace tenho
