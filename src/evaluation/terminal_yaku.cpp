// SPDX-License-Identifier: GPL-3.0-or-later
// Terminals and honours: 清老頭, 混老頭, 純チャン, チャンタ, and 断公九.
// Every honour code ends in "1", so the tests for the number 1 admit honours
// too; only the suit tests tell them apart.
#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/tenho.h"

namespace tenho {

namespace {

bool pairOfTerminals(const TileList& pair)
{
    const int n = pair.item(0).rankValue();
    return pair.item(0) == pair.item(1) && (n == 1 || n == 9);
}

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
    for (const TileList& g : ListEND)
        if (!isSuitDigit(g.item(0).suit())) return;
    if (!pairOfTerminals(ListEND[4])) return;
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
    for (const TileList& g : ListEND)
        if (!isSuitDigit(g.item(0).suit())) return;
    if (!pairOfTerminals(ListEND[4])) return;
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

void TENHO::TANYAO()
{
    // From the tiles, so that seven pairs are judged too; a kan's fourth
    // tile and the winning tile count.
    // The numbers SUUJI_COPY puts in List3 for List(1) .. List(4) and
    // List(0), and the winning tile's; List3 keeps the first sixteen. Only
    // whether a 1 or a 9 is among them matters, so they are looked at as
    // they come, and List3 is left empty as it would be.
    bool simples = true;
    const std::array<const TileList*, 5> lists = {&List[1], &List[2], &List[3], &List[4], &List[0]};
    int items = 1;
    for (const TileList* list : lists) items += list->count();
    if (items <= TileList::kCapacity) {
        // Nothing is cut; the empty places hold no number.
#if defined(__SSE2__)
        // The sixteen places' second characters, a byte each: '1' and '9'
        // are the only characters that read 0x39 with bit 3 set.
        __m128i outer = _mm_setzero_si128();
        for (const TileList* list : lists) {
            const auto* at = reinterpret_cast<const __m128i*>(list->begin());
            const __m128i ranks = _mm_packus_epi16(_mm_srli_epi16(_mm_loadu_si128(at), 8),
                                                   _mm_srli_epi16(_mm_loadu_si128(at + 1), 8));
            outer = _mm_or_si128(outer, _mm_cmpeq_epi8(_mm_or_si128(ranks, _mm_set1_epi8(0x08)),
                                                       _mm_set1_epi8(0x39)));
        }
        simples = _mm_movemask_epi8(outer) == 0;
#else
        const auto t = TileList::tally<true>(lists, std::array<char, 2>{'1', '9'});
        simples = t[0] + t[1] == 0;
#endif
        simples = simples && Text1.rank() != '1' && Text1.rank() != '9';
    } else {
        int added = 0;
        const auto look = [&](char rank) {
            if (added++ < TileList::kCapacity && (rank == '1' || rank == '9')) simples = false;
        };
        for (const TileList* list : lists)
            for (Code c : *list) look(c.rank());
        look(Text1.rank());
    }
    PAI_CTL_LIST = &List[0];
    if (simples && !(NAKI_FLAG == 1 && RULE_KUITAN != 1)) reportYaku("断公九", "１翻", 1);
    List3.clear();
}

}  // namespace tenho
