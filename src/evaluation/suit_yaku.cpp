// SPDX-License-Identifier: GPL-3.0-or-later
// Suit composition: 清一色, 混一色, 字一色, 緑一色.
#include <algorithm>
#include <array>
#include <cstring>
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

#if defined(__SSE2__)
// The sum of the sixteen bytes of v.
int byteSum(__m128i v)
{
    const __m128i sums = _mm_sad_epu8(v, _mm_setzero_si128());
    return _mm_cvtsi128_si32(_mm_add_epi32(sums, _mm_srli_si128(sums, 8)));
}
#endif

}  // namespace

// What collecting the suits puts in List3 (IRO_COPY for List(1) .. List(4)
// and List(0), then the winning tile's suit), counted: List3 keeps the first
// sixteen, sorted by their character, so they stand as those below "0", the
// "0"s, "1"s and "2"s, and those above "2". TINITU and HONITU read nothing
// else of List3, so they work on the counts and leave List3 empty.
TENHO::SuitDigits TENHO::collectSuits()
{
    PAI_CTL_LIST = &List[0];
    static constexpr std::array<std::size_t, 5> kOrder = {1, 2, 3, 4, 0};
    std::array<int, 5> n{};  // per class of suitClass
    int items = 0;
    for (std::size_t k : kOrder) items += List[k].count();
    if (items < TileList::kCapacity) {
        // Nothing is cut: count every place of the lists at once, less the
        // empty places' '\0', which is below "0".
#if defined(__SSE2__)
        // The sixteen places' first characters, a byte each; a match is -1
        // in its byte, so subtracting it counts it (five at most a byte).
        const __m128i lowByte = _mm_set1_epi16(0xff);
        __m128i below = _mm_setzero_si128(), s0 = below, s1 = below, s2 = below;
        for (std::size_t k : kOrder) {
            const auto* at = reinterpret_cast<const __m128i*>(List[k].begin());
            const __m128i suits = _mm_packus_epi16(_mm_and_si128(_mm_loadu_si128(at), lowByte),
                                                   _mm_and_si128(_mm_loadu_si128(at + 1), lowByte));
            below = _mm_sub_epi8(
                below, _mm_cmpeq_epi8(_mm_min_epu8(suits, _mm_set1_epi8('0' - 1)), suits));
            s0 = _mm_sub_epi8(s0, _mm_cmpeq_epi8(suits, _mm_set1_epi8('0')));
            s1 = _mm_sub_epi8(s1, _mm_cmpeq_epi8(suits, _mm_set1_epi8('1')));
            s2 = _mm_sub_epi8(s2, _mm_cmpeq_epi8(suits, _mm_set1_epi8('2')));
        }
        n = {byteSum(below) - (5 * TileList::kCapacity - items), byteSum(s0), byteSum(s1),
             byteSum(s2), 0};
        n[4] = items - n[0] - n[1] - n[2] - n[3];
#else
        for (std::size_t k : kOrder)
            for (Code c : List[k]) ++n[static_cast<std::size_t>(suitClass(c.suit()))];
#endif
        ++n[static_cast<std::size_t>(suitClass(Text1.suit()))];
    } else {
        int added = 0;
        const auto add = [&](char ch) {
            if (added == TileList::kCapacity) return;
            ++added;
            ++n[static_cast<std::size_t>(suitClass(ch))];
        };
        for (std::size_t k : kOrder)
            for (Code c : List[k]) add(c.suit());
        add(Text1.suit());
    }
    return SuitDigits{n[0], {n[1], n[2], n[3]}, n[4]};
}

// WORK_CODES from the classes of List3's items in order: a suit digit
// stands for itself, anything else for `other`; WORK_CODE is the last class.
void TENHO::classifySuits(const SuitDigits& d, char other)
{
    // Each run is written sixteen wide and the next run written over the
    // rest; there are sixteen classes at most.
    std::array<char, 2 * TileList::kCapacity> classes{};
    std::size_t n = 0;
    const auto put = [&](char ch, int times) {
        std::memset(classes.data() + n, ch, TileList::kCapacity);
        n += static_cast<std::size_t>(times);
    };
    put(other, d.below);
    put('0', d.suit[0]);
    put('1', d.suit[1]);
    put('2', d.suit[2]);
    put(other, d.above);
    n = std::min<std::size_t>(n, TileList::kCapacity);
    WORK_CODES = std::string_view(classes.data(), n);
    if (n > 0) WORK_CODE = std::string_view(&classes[n - 1], 1);
}

void TENHO::TINITU()
{
    const SuitDigits d = collectSuits();
    // WORK_CODES holds one class only: none below "0" or above "2" (an
    // "A" each), and at most one of the digits.
    const bool noHonours = d.below == 0 && d.above == 0;
    const int suits = (d.suit[0] > 0) + (d.suit[1] > 0) + (d.suit[2] > 0);
    if (noHonours && suits <= 1) {
        classifySuits(d, 'A');
        reportGradedYaku("清一色", 6);
    } else {
        // HONITU on the suits just collected. Its classes take the place of
        // TINITU's whole: there is always one at least (the winning tile's),
        // so WORK_CODES and WORK_CODE are both written again.
        honitu(d);
    }
    List3.clear();
}

void TENHO::HONITU() { honitu(collectSuits()); }

void TENHO::honitu(const SuitDigits& d)
{
    // The passes for "0", "1" and "2" until one qualifies. In the pass for
    // s everything that is not a suit digit stands for s, so only the other
    // two digits can spoil it. WORK_CODES is left as the last pass made.
    char last = '2';
    bool found = false;
    for (char s : {'0', '1', '2'}) {
        const auto spoils = [&](int t) {
            return t != s - '0' && d.suit[static_cast<std::size_t>(t)] > 0;
        };
        if (!spoils(0) && !spoils(1) && !spoils(2)) {
            last = s;
            found = true;
            break;
        }
    }
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
    static constexpr std::array<std::string_view, 6> kGreen = {"12", "13", "14", "16", "18", "81"};
    const auto green = [&](Code c) {
        for (std::string_view g : kGreen)
            if (c.view() == g) return true;
        return false;
    };
    for (std::size_t k = 0; k < 4; ++k)
        for (int i = 0; i < 3; ++i)
            if (!green(ListEND[k].item(i))) return;
    for (int i = 0; i < 2; ++i)
        if (!green(ListEND[4].item(i))) return;
    reportYakuman("緑一色");
}

}  // namespace tenho
