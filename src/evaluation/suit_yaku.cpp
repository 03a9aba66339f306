// SPDX-License-Identifier: GPL-3.0-or-later
// Suit composition: 清一色, 混一色, 字一色, 緑一色.
#include <algorithm>
#include <array>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/tenho.h"

namespace tenho {

void TENHO::IRO_COPY()
{
    if (PAI_CTL_LIST == nullptr) return;
    for (int i = 0; i < PAI_CTL_LIST->count(); ++i)
        List3.add(Code::digit(PAI_CTL_LIST->item(i).suit()));
}

void TENHO::SUUJI_COPY()
{
    if (PAI_CTL_LIST == nullptr) return;
    for (int i = 0; i < PAI_CTL_LIST->count(); ++i)
        List3.add(Code::digit(PAI_CTL_LIST->item(i).rank()));
}

namespace {

// Where a first character stands among List3's sorted digits: 0 below "0",
// 1 .. 3 for "0", "1" and "2", 4 above "2".
int suitClass(char ch)
{
    const auto u = static_cast<unsigned char>(ch);
    return u < '0' ? 0 : u <= '2' ? u - '0' + 1 : 4;
}

}  // namespace

// What collecting the suits puts in List3 (IRO_COPY for List(1) .. List(4)
// and List(0), then the winning tile's suit), counted: List3 keeps the first
// sixteen, sorted by their character, so they stand as those below "0", the
// "0"s, "1"s and "2"s, and those above "2". TINITU and HONITU read nothing
// else of List3, so they work on the counts and leave List3 empty. TANYAO
// looks at the ranks SUUJI_COPY would put there in the same order: only
// whether a 1 or a 9 is among them matters.
TENHO::TileCensus TENHO::census() const
{
    std::array<int, 5> n{};  // per class of suitClass
    bool simples = true;
#if defined(__SSE2__)
    const int m1 = List[1].count(), m2 = List[2].count(), m3 = List[3].count(),
              m4 = List[4].count();
    const int inLists = List[0].count() + m1 + m2 + m3 + m4;
    // Nothing is cut and no meld holds more than four: every place of the
    // lists is looked at at once, eight codes a vector: melds 1 and 2, melds
    // 3 and 4, the hand's first eight, its last eight with the winning tile
    // in the last place (empty: the hand holds fifteen at most here).
    if (inLists < TileList::kCapacity && ((m1 + 3) | (m2 + 3) | (m3 + 3) | (m4 + 3)) < 8) {
        const auto four = [](const TileList& l) {
            return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(l.begin()));
        };
        const auto* hand = reinterpret_cast<const __m128i*>(List[0].begin());
        const __m128i v0 = _mm_unpacklo_epi64(four(List[1]), four(List[2]));
        const __m128i v1 = _mm_unpacklo_epi64(four(List[3]), four(List[4]));
        const __m128i v2 = _mm_loadu_si128(hand);
        const __m128i v3 = _mm_insert_epi16(_mm_loadu_si128(hand + 1), Text1.raw(), 7);
        const __m128i lowByte = _mm_set1_epi16(0xff);
        const __m128i sa = _mm_packus_epi16(_mm_and_si128(v0, lowByte), _mm_and_si128(v1, lowByte));
        const __m128i sb = _mm_packus_epi16(_mm_and_si128(v2, lowByte), _mm_and_si128(v3, lowByte));
        const __m128i ra = _mm_packus_epi16(_mm_srli_epi16(v0, 8), _mm_srli_epi16(v1, 8));
        const __m128i rb = _mm_packus_epi16(_mm_srli_epi16(v2, 8), _mm_srli_epi16(v3, 8));
        // Per byte, how many of the two vectors' bytes there match (a match
        // is -1): two at most.
        const auto hits = [&](__m128i a, __m128i b) {
            return _mm_sub_epi8(_mm_setzero_si128(), _mm_add_epi8(a, b));
        };
        const auto is = [](__m128i s, char ch) { return _mm_cmpeq_epi8(s, _mm_set1_epi8(ch)); };
        const auto under = [](__m128i s) {
            return _mm_cmpeq_epi8(_mm_min_epu8(s, _mm_set1_epi8('0' - 1)), s);
        };
        // Two counts to a byte, the second times 64: the sums of the 32
        // places stay apart (32 at most below 64) and within 16 bits.
        const __m128i belowAnd0 = _mm_add_epi8(hits(under(sa), under(sb)),
                                               _mm_slli_epi16(hits(is(sa, '0'), is(sb, '0')), 6));
        const __m128i ones1And2 = _mm_add_epi8(hits(is(sa, '1'), is(sb, '1')),
                                               _mm_slli_epi16(hits(is(sa, '2'), is(sb, '2')), 6));
        __m128i sums =
            _mm_add_epi64(_mm_sad_epu8(belowAnd0, _mm_setzero_si128()),
                          _mm_slli_epi64(_mm_sad_epu8(ones1And2, _mm_setzero_si128()), 16));
        sums = _mm_add_epi64(sums, _mm_srli_si128(sums, 8));
        const auto both = static_cast<unsigned>(_mm_cvtsi128_si32(sums));
        // The empty places read '\0', below "0"; the winning tile's is no
        // empty place, even when it is empty.
        n[0] = static_cast<int>(both & 63) - (2 * TileList::kCapacity - 1 - inLists);
        n[1] = static_cast<int>(both >> 6 & 1023);
        n[2] = static_cast<int>(both >> 16 & 63);
        n[3] = static_cast<int>(both >> 22);
        n[4] = inLists + 1 - n[0] - n[1] - n[2] - n[3];
        // '1' and '9' are the only characters that read 0x39 with bit 3 set.
        const auto outer = [](__m128i r) {
            return _mm_cmpeq_epi8(_mm_or_si128(r, _mm_set1_epi8(0x08)), _mm_set1_epi8(0x39));
        };
        simples = _mm_movemask_epi8(_mm_or_si128(outer(ra), outer(rb))) == 0;
        return TileCensus{SuitDigits{n[0], {n[1], n[2], n[3]}, n[4]}, simples};
    }
#endif
    int added = 0;
    const auto add = [&](Code c) {
        if (added == TileList::kCapacity) return;
        ++added;
        ++n[static_cast<std::size_t>(suitClass(c.suit()))];
        if (c.rank() == '1' || c.rank() == '9') simples = false;
    };
    for (std::size_t k :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{4}, std::size_t{0}})
        for (Code c : List[k]) add(c);
    add(Text1);
    return TileCensus{SuitDigits{n[0], {n[1], n[2], n[3]}, n[4]}, simples};
}

// WORK_CODES from the classes of List3's items in order: a suit digit
// stands for itself, anything else for `other`; WORK_CODE is the last class.
void TENHO::classifySuits(const SuitDigits& d, char other)
{
    const int t1 = d.below, t2 = t1 + d.suit[0], t3 = t2 + d.suit[1], t4 = t3 + d.suit[2];
    const auto n = static_cast<std::size_t>(std::min(t4 + d.above, TileList::kCapacity));
    char classes[TileList::kCapacity];
#if defined(__SSE2__)
    // Place i holds class k, the number of the runs' ends at or below i:
    // "/" + k for the digits, `other` for the first and the last run.
    // kBefore[t] is -1 in the places before t.
    static constexpr auto kBefore = [] {
        std::array<std::array<char, TileList::kCapacity>, TileList::kCapacity + 1> t{};
        for (std::size_t end = 0; end <= TileList::kCapacity; ++end)
            for (std::size_t i = 0; i < end; ++i) t[end][i] = -1;
        return t;
    }();
    const auto before = [](int t) {
        return _mm_loadu_si128(
            reinterpret_cast<const __m128i*>(kBefore[static_cast<std::size_t>(t)].data()));
    };
    const __m128i k = _mm_add_epi8(_mm_add_epi8(before(t1), before(t2)),
                                   _mm_add_epi8(before(t3), before(t4)));  // k - 4
    const __m128i outside =
        _mm_or_si128(_mm_cmpeq_epi8(k, _mm_set1_epi8(-4)), _mm_cmpeq_epi8(k, _mm_setzero_si128()));
    const __m128i digit = _mm_add_epi8(k, _mm_set1_epi8('0' + 3));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(classes),
                     _mm_or_si128(_mm_and_si128(outside, _mm_set1_epi8(other)),
                                  _mm_andnot_si128(outside, digit)));
#else
    for (std::size_t i = 0; i < TileList::kCapacity; ++i) {
        const auto at = static_cast<int>(i);
        classes[i] = at < t1 ? other : at < t2 ? '0' : at < t3 ? '1' : at < t4 ? '2' : other;
    }
#endif
    WORK_CODES = std::string_view(classes, n);
    if (n > 0) WORK_CODE = std::string_view(&classes[n - 1], 1);
}

void TENHO::TINITU() { tinitu(census().suits); }

void TENHO::tinitu(const SuitDigits& d)
{
    PAI_CTL_LIST = &List[0];
    // WORK_CODES holds one class only: none below "0" or above "2" (an
    // "A" each), and at most one of the digits.
    const bool noHonours = d.below == 0 && d.above == 0;
    const int suits = (d.suit[0] > 0) + (d.suit[1] > 0) + (d.suit[2] > 0);
    if (noHonours && suits <= 1) {
        classifySuits(d, 'A');
        reportGradedYaku("清一色", 6);
        List3.clear();
    } else {
        // HONITU on the suits just collected. Its classes take the place of
        // TINITU's whole: there is always one at least (the winning tile's),
        // so WORK_CODES and WORK_CODE are both written again, and it leaves
        // List3 empty.
        honitu(d);
    }
}

void TENHO::HONITU()
{
    PAI_CTL_LIST = &List[0];
    honitu(census().suits);
}

void TENHO::honitu(const SuitDigits& d)
{
    // The passes for "0", "1" and "2" until one qualifies. In the pass for
    // s everything that is not a suit digit stands for s, so only the other
    // two digits can spoil it: the first pass that qualifies is that of the
    // one digit present ("0" when there is none), and with two or three
    // digits none does. WORK_CODES is left as the last pass made.
    const unsigned present = static_cast<unsigned>(d.suit[0] > 0) |
                             static_cast<unsigned>(d.suit[1] > 0) << 1 |
                             static_cast<unsigned>(d.suit[2] > 0) << 2;
    static constexpr std::array<char, 8> kLastPass = {'0', '0', '1', '2', '2', '2', '2', '2'};
    const char last = kLastPass[present];
    const bool found = (present & (present - 1)) == 0;
    classifySuits(d, last);
    if (found) reportGradedYaku("混一色", 3);
    List3.clear();
}

void TENHO::TU_I_SO()
{
    // Three codes of each group and two of the pair; an empty list reads ""
    // there, which is no honour.
    for (std::size_t k = 0; k < 5; ++k)
        for (int i = 0; i < (k < 4 ? 3 : 2); ++i)
            if (ListEND[k].item(i).suitValue() < 3) return;
    reportYakuman("字一色");
}

void TENHO::RYU_IISOU()
{
    // 發 is not required: the five green number tiles alone make it too.
    // 2, 3, 4, 6 and 8 of the second number suit, and 發: "12", "13",
    // "14", "16", "18" and "81".
    const auto green = [](Code c) {
        const auto rank = static_cast<unsigned char>(c.rank() - '0');
        const bool bamboo = (c.suit() == '1') & (rank < 10) & ((0b101011100u >> (rank & 15)) & 1u);
        return bamboo | (c == Code('8', '1'));
    };
    for (std::size_t k = 0; k < 4; ++k)
        for (int i = 0; i < 3; ++i)
            if (!green(ListEND[k].item(i))) return;
    for (int i = 0; i < 2; ++i)
        if (!green(ListEND[4].item(i))) return;
    reportYakuman("緑一色");
}

}  // namespace tenho
