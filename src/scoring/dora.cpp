// SPDX-License-Identifier: GPL-3.0-or-later
// Dora from the indicators. Each indicator counts on its own, so two equal
// indicators make every matching tile count twice.
#include <array>

#include "model/tenho.h"

namespace tenho {

void TENHO::DORA_NUMBER()
{
    const Code indicator = List2.item(LOOP_I);
    if (indicator.empty()) return;
    const int s = indicator.suitValue();
    const int n = indicator.rankValue();
    const auto code = [](int suit, int rank) {
        return Code(static_cast<char>('0' + suit), static_cast<char>('0' + rank));
    };
    if (s >= 0 && s <= 2)
        DORA_WORK = n == 9 ? code(s, 1) : code(s, n + 1);  // a 9 indicates the 1
    else if (s > 2 && s <= 6)
        DORA_WORK = s == 6 ? code(3, 1) : code(s + 1, 1);  // 東 南 西 北 東
    else if (s > 6 && s <= 9)
        DORA_WORK = s == 9 ? code(7, 1) : code(s + 1, 1);  // 白 發 中 白
}

void TENHO::DORADORA()
{
    DORA_COUNT = 0;
    if (List2.item(0).empty()) return;
    for (LOOP_I = 0; LOOP_I < List2.count(); ++LOOP_I) {
        DORA_NUMBER();
        // The groups hold tiles only, so an empty DORA_WORK (no indicator
        // read yet) makes no dora.
        if (DORA_WORK.empty()) continue;
        DORA_COUNT = static_cast<Integer>(
            DORA_COUNT + TileList::countOf(DORA_WORK, std::array<const TileList*, 5>{
                                                          &ListEND[0], &ListEND[1], &ListEND[2],
                                                          &ListEND[3], &ListEND[4]}));
    }
    // A kan's fourth tile is not in the groups.
    for (std::size_t k = 1; k <= 4; ++k) {
        const Code fourth = List[k].item(3);
        if (fourth.empty()) continue;
        for (LOOP_I = 0; LOOP_I < List2.count(); ++LOOP_I) {
            DORA_NUMBER();
            if (fourth == DORA_WORK) ++DORA_COUNT;
        }
    }
    if (DORA_COUNT != 0) {
        FixedText<40> han = fullWidthNumber(DORA_COUNT);
        han += "翻";
        reportYaku("  ドラ", han, DORA_COUNT);
    }
}

void TENHO::DORADORA2()
{
    DORA_COUNT = 0;
    if (List2.item(0).empty()) return;
    for (LOOP_I = 0; LOOP_I < List2.count(); ++LOOP_I) {
        DORA_NUMBER();
        for (int i = 0; i < ListTEMP.count(); ++i)
            if (ListTEMP.item(i) == DORA_WORK) ++DORA_COUNT;
    }
    if (DORA_COUNT == 0) return;
    // Seven pairs add the dora line below the others.
    HAN_number& h = HAN();
    h.Label1 += "\r\n  ドラ";
    h.Label2 += "\r\n";
    h.Label2 += fullWidthNumber(DORA_COUNT);
    h.Label2 += "翻";
    h.Label3 = Decimal(textValue(h.Label3) + DORA_COUNT);
}

}  // namespace tenho
