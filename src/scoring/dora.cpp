// SPDX-License-Identifier: GPL-3.0-or-later
// Dora from the indicators. Each indicator counts on its own, so two equal
// indicators make every matching tile count twice.
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/tenho.h"

namespace tenho {

namespace {

// The tile an indicator makes dora, or `unchanged` for an indicator that
// makes none.
constexpr Code doraOf(Code indicator, Code unchanged)
{
    if (indicator.empty()) return unchanged;
    const int s = indicator.suitValue();
    const int n = indicator.rankValue();
    const auto code = [](int suit, int rank) {
        return Code(static_cast<char>('0' + suit), static_cast<char>('0' + rank));
    };
    if (s >= 0 && s <= 2) return n == 9 ? code(s, 1) : code(s, n + 1);  // a 9 indicates the 1
    if (s > 2 && s <= 6) return s == 6 ? code(3, 1) : code(s + 1, 1);   // 東 南 西 北 東
    if (s > 6 && s <= 9) return s == 9 ? code(7, 1) : code(s + 1, 1);   // 白 發 中 白
    return unchanged;
}

}  // namespace

void TENHO::DORA_NUMBER() { DORA_WORK = doraOf(List2.item(LOOP_I), DORA_WORK); }

namespace {

#if defined(__SSE2__)
// DORADORA's count at once, for up to eight indicators that are all tiles
// and groups of four places at most: the dora of all eight places of the
// indicator list worked out side by side, then each compared with every
// place of the groups and with the kans' fourth tiles in three vectors.
// False, with nothing written, for anything else.
bool countDora(const TileList& indicators, const std::array<TileList, 5>& groups,
               const std::array<TileList, 5>& melds, int& count, Code& last)
{
    const int n = indicators.count();
    if (n < 1 || n > 8) return false;
    for (const TileList& group : groups)
        if (group.count() > 4) return false;
    const auto words = [](int w) { return _mm_set1_epi16(static_cast<short>(w)); };
    const auto first4 = [](const TileList& list) {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(list.begin()));
    };

    // A code is its suit digit in the low byte and its rank digit in the
    // high one; anything below "00" borrows into a suit of 0xD0 or more.
    const __m128i v = _mm_sub_epi16(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(indicators.begin())), words(0x3030));
    const __m128i suit = _mm_and_si128(v, words(0xFF));
    const __m128i rank = _mm_srli_epi16(v, 8);
    const __m128i one = words(1);
    const __m128i isNumber = _mm_and_si128(_mm_cmplt_epi16(suit, words(3)),
                                           _mm_and_si128(_mm_cmpgt_epi16(rank, _mm_setzero_si128()),
                                                         _mm_cmplt_epi16(rank, words(10))));
    const __m128i isHonour = _mm_and_si128(
        _mm_and_si128(_mm_cmpgt_epi16(suit, words(2)), _mm_cmplt_epi16(suit, words(10))),
        _mm_cmpeq_epi16(rank, one));
    const __m128i isTile = _mm_or_si128(isNumber, isHonour);
    const unsigned needed = (1u << (2 * n)) - 1;
    if ((static_cast<unsigned>(_mm_movemask_epi8(isTile)) & needed) != needed) return false;
    // A 9 indicates the 1; 北 東, and 中 白.
    const __m128i nextRank = _mm_sub_epi16(
        _mm_add_epi16(rank, one), _mm_and_si128(_mm_cmpeq_epi16(rank, words(9)), words(9)));
    const __m128i nextSuit =
        _mm_sub_epi16(_mm_sub_epi16(_mm_add_epi16(suit, one),
                                    _mm_and_si128(_mm_cmpeq_epi16(suit, words(6)), words(4))),
                      _mm_and_si128(_mm_cmpeq_epi16(suit, words(9)), words(3)));
    const __m128i number = _mm_or_si128(suit, _mm_slli_epi16(nextRank, 8));
    const __m128i honour = _mm_or_si128(nextSuit, words(0x100));
    // The places past the indicators (empty codes) make 0xFFFF, which the
    // groups are checked not to hold.
    const __m128i none = words(-1);
    const __m128i dora = _mm_or_si128(_mm_add_epi16(_mm_or_si128(_mm_and_si128(isNumber, number),
                                                                 _mm_and_si128(isHonour, honour)),
                                                    words(0x3030)),
                                      _mm_andnot_si128(isTile, none));

    // A kan's fourth tile is not in the groups: the four of them go where
    // the pair leaves room. An empty one matches no dora.
    std::uint64_t fourths = 0;
    for (std::size_t k = 4; k >= 1; --k) fourths = fourths << 16 | melds[k].begin()[3].raw();
    const __m128i places[3] = {
        _mm_unpacklo_epi64(first4(groups[0]), first4(groups[1])),
        _mm_unpacklo_epi64(first4(groups[2]), first4(groups[3])),
        _mm_unpacklo_epi64(first4(groups[4]), _mm_cvtsi64_si128(static_cast<long long>(fourths))),
    };
    if (_mm_movemask_epi8(_mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi16(places[0], none), _mm_cmpeq_epi16(places[1], none)),
            _mm_cmpeq_epi16(places[2], none))) != 0)
        return false;

    // A match is -1 in its lane: subtracted, the lanes count them.
    __m128i matches = _mm_setzero_si128();
    const auto countOf = [&](__m128i want) {
        for (const __m128i& place : places)
            matches = _mm_sub_epi16(matches, _mm_cmpeq_epi16(place, want));
    };
    countOf(_mm_shuffle_epi32(_mm_shufflelo_epi16(dora, 0x00), 0x00));
    countOf(_mm_shuffle_epi32(_mm_shufflelo_epi16(dora, 0x55), 0x00));
    countOf(_mm_shuffle_epi32(_mm_shufflelo_epi16(dora, 0xAA), 0x00));
    countOf(_mm_shuffle_epi32(_mm_shufflelo_epi16(dora, 0xFF), 0x00));
    if (n > 4) {
        countOf(_mm_shuffle_epi32(_mm_shufflehi_epi16(dora, 0x00), 0xAA));
        countOf(_mm_shuffle_epi32(_mm_shufflehi_epi16(dora, 0x55), 0xAA));
        countOf(_mm_shuffle_epi32(_mm_shufflehi_epi16(dora, 0xAA), 0xAA));
        countOf(_mm_shuffle_epi32(_mm_shufflehi_epi16(dora, 0xFF), 0xAA));
    }
    const __m128i sums = _mm_sad_epu8(matches, _mm_setzero_si128());
    count = _mm_cvtsi128_si32(_mm_add_epi32(sums, _mm_srli_si128(sums, 8)));
    std::array<std::uint16_t, 8> codes;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(codes.data()), dora);
    last = std::bit_cast<Code>(codes[static_cast<std::size_t>(n - 1)]);
    return true;
}
#else
bool countDora(const TileList&, const std::array<TileList, 5>&, const std::array<TileList, 5>&,
               int&, Code&)
{
    return false;
}
#endif

// "１翻" .. "９翻": the dora line's han for the counts that nearly every hand has.
constexpr std::array<std::string_view, 10> kDoraHan = {"",     "１翻", "２翻", "３翻", "４翻",
                                                       "５翻", "６翻", "７翻", "８翻", "９翻"};

}  // namespace

void TENHO::DORADORA()
{
    DORA_COUNT = 0;
    if (List2.item(0).empty()) return;
    int count = 0;
    Code last;
    if (countDora(List2, ListEND, List, count, last)) {
        // As the indicator loops below leave them.
        DORA_COUNT = static_cast<Integer>(count);
        LOOP_I = static_cast<Integer>(List2.count());
        DORA_WORK = last;
    } else {
        const std::array<const TileList*, 5> groups = {&ListEND[0], &ListEND[1], &ListEND[2],
                                                       &ListEND[3], &ListEND[4]};
        for (LOOP_I = 0; LOOP_I < List2.count(); ++LOOP_I) {
            DORA_NUMBER();
            // The groups hold tiles only, so an empty DORA_WORK (no indicator
            // read yet) makes no dora.
            if (DORA_WORK.empty()) continue;
            DORA_COUNT = static_cast<Integer>(DORA_COUNT + TileList::countOf(DORA_WORK, groups));
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
    }
    if (DORA_COUNT > 0 && DORA_COUNT < static_cast<Integer>(kDoraHan.size())) {
        reportYaku("  ドラ", kDoraHan[static_cast<std::size_t>(DORA_COUNT)], DORA_COUNT);
    } else if (DORA_COUNT != 0) {
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
