// SPDX-License-Identifier: GPL-3.0-or-later
// Dora from the indicators. Each indicator counts on its own, so two equal
// indicators make every matching tile count twice.
#include <array>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

// How many codes of the four groups and the pair equal one code, for
// indicator after indicator. A group holds three codes and the pair two, so
// when no list holds more than four the first four places of each, loaded
// once, stand in three vectors.
class SplitCounter {
public:
    explicit SplitCounter(const std::array<TileList, 5>& lists) : lists_(lists)
    {
#if defined(__SSE2__)
        for (const TileList& list : lists)
            if (list.count() > 4) return;
        const auto first4 = [&](std::size_t k) {
            return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(lists[k].begin()));
        };
        places_[0] = _mm_unpacklo_epi64(first4(0), first4(1));
        places_[1] = _mm_unpacklo_epi64(first4(2), first4(3));
        places_[2] = first4(4);  // the upper half zero: empty places
        packed_ = true;
#endif
    }

    // c is a non-empty code.
    int count(Code c) const
    {
#if defined(__SSE2__)
        if (packed_) {
            const __m128i want = _mm_set1_epi16(static_cast<short>(c.raw()));
            // A match is -1 in its lane: the negated sum counts 0 .. 3 a lane.
            const __m128i sum = _mm_add_epi16(
                _mm_add_epi16(_mm_cmpeq_epi16(places_[0], want), _mm_cmpeq_epi16(places_[1], want)),
                _mm_cmpeq_epi16(places_[2], want));
            const __m128i bytes =
                _mm_sad_epu8(_mm_sub_epi16(_mm_setzero_si128(), sum), _mm_setzero_si128());
            return _mm_cvtsi128_si32(_mm_add_epi32(bytes, _mm_srli_si128(bytes, 8)));
        }
#endif
        return TileList::countOf(c,
                                 std::array<const TileList*, 5>{&lists_[0], &lists_[1], &lists_[2],
                                                                &lists_[3], &lists_[4]});
    }

private:
    const std::array<TileList, 5>& lists_;
#if defined(__SSE2__)
    __m128i places_[3];
    bool packed_ = false;
#endif
};

// "１翻" .. "９翻": the dora line's han for the counts that nearly every hand has.
constexpr std::array<std::string_view, 10> kDoraHan = {"",     "１翻", "２翻", "３翻", "４翻",
                                                       "５翻", "６翻", "７翻", "８翻", "９翻"};

}  // namespace

void TENHO::DORADORA()
{
    DORA_COUNT = 0;
    if (List2.item(0).empty()) return;
    const SplitCounter split(ListEND);
    for (LOOP_I = 0; LOOP_I < List2.count(); ++LOOP_I) {
        DORA_NUMBER();
        // The groups hold tiles only, so an empty DORA_WORK (no indicator
        // read yet) makes no dora.
        if (DORA_WORK.empty()) continue;
        DORA_COUNT = static_cast<Integer>(DORA_COUNT + split.count(DORA_WORK));
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
