// SPDX-License-Identifier: GPL-3.0-or-later
// Terminals and honours: 清老頭, 混老頭, 純チャン, チャンタ, and 断公九.
// Every honour code ends in "1", so the tests for the number 1 admit honours
// too; only the suit tests tell them apart.
#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

namespace {

// 111, 999 or an honour triplet.
bool terminalTriplet(const TileList& g)
{
    const int first = g.item(0).rankValue();
    const int last = g.item(2).rankValue();
    if (first == 1) return last == 1;
    if (last == 9) return first == 9;
    return false;
}

// 111, 123, 789, 999 or an honour triplet.
bool terminalGroup(const TileList& g)
{
    const int first = g.item(0).rankValue();
    const int last = g.item(2).rankValue();
    return (first == 1 && (last == 1 || last == 3)) || (last == 9 && (first == 9 || first == 7));
}

}  // namespace

void TENHO::TINROU()
{
    HANTEI = 0;
    if (!pairOfTerminals(ListEND[4])) return;
    for (const TileList& g : ListEND)
        if (!isSuitDigit(g.item(0).suit())) return;
    for (std::size_t b = 0; b < 4; ++b)
        if (!terminalTriplet(ListEND[b])) return;
    reportYakuman("清老頭");
}

void TENHO::HONROU()
{
    if (!pairOfTerminals(ListEND[4])) return;
    for (std::size_t b = 0; b < 4; ++b)
        if (!terminalTriplet(ListEND[b])) return;
    reportYaku("混老頭", "２翻", 2);
}

void TENHO::JUN_CHAN()
{
    if (!pairOfTerminals(ListEND[4])) return;
    for (const TileList& g : ListEND)
        if (!isSuitDigit(g.item(0).suit())) return;
    for (std::size_t b = 0; b < 4; ++b)
        if (!terminalGroup(ListEND[b])) return;
    reportGradedYaku("純チャン", 3);
}

void TENHO::TIYANTA()
{
    if (!pairOfTerminals(ListEND[4])) return;
    for (std::size_t b = 0; b < 4; ++b)
        if (!terminalGroup(ListEND[b])) return;
    reportGradedYaku("チャンタ", 2);
}

void TENHO::TANYAO() { tanyao(census().simples); }

void TENHO::tanyao(bool simples)
{
    // From the tiles, so that seven pairs are judged too; a kan's fourth
    // tile and the winning tile count. List3 is left empty as the number
    // copies would leave it.
    PAI_CTL_LIST = &List[0];
    if (simples && !(NAKI_FLAG == 1 && RULE_KUITAN != 1)) reportYaku("断公九", "１翻", 1);
    List3.clear();
}

}  // namespace tenho
