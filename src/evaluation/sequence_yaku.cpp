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
    // As numbers, so that every test is made: which of them fails comes at
    // random.
    const auto is = [](bool b) { return static_cast<unsigned>(b); };

    // Every straight holds a group from 4 to 6; most splits have none.
    unsigned middle = 0;
    for (std::size_t g = 0; g < 4; ++g)
        middle |= is(ListEND[g].item(0).rank() == '4') & is(ListEND[g].item(2).rank() == '6');
    if (middle == 0) return;

    // Three groups of one suit, 1 to 3, 4 to 6 and 7 to 9 in turn; the
    // groups stand in ascending order, so whether the fourth is of the same
    // suit or another, they are one of the four triples in order.
    std::array<int, 4> first{};
    std::array<int, 4> last{};
    std::array<char, 4> suits{};
    for (std::size_t g = 0; g < 4; ++g) {
        first[g] = ListEND[g].item(0).rankValue();
        last[g] = ListEND[g].item(2).rankValue();
        suits[g] = ListEND[g].item(0).suit();
    }
    unsigned found = 0;
    for (const auto& t : kTriplesLeavingOut)
        found |= is(suits[t[0]] == suits[t[1]]) & is(suits[t[1]] == suits[t[2]]) &
                 is(first[t[0]] == 1) & is(last[t[0]] == 3) & is(first[t[1]] == 4) &
                 is(last[t[1]] == 6) & is(first[t[2]] == 7) & is(last[t[2]] == 9);
    if (found != 0) reportGradedYaku("一気通貫", 2);
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
