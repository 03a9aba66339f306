// SPDX-License-Identifier: GPL-3.0-or-later
// Hands recognised by their shape: thirteen orphans, seven pairs, nine gates.
// They look at the concealed tiles and the winning tile only, fourteen tiles
// in a closed hand; beside a called meld there are eleven at most, so a hand
// with a called meld never matches.
#include <array>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <string_view>

#include "evaluation/winning_tile.h"
#include "model/tenho.h"

namespace tenho {

namespace {

// The thirteen orphan codes, highest first, as the descending concatenation
// of a sorted hand lists them.
constexpr std::array<std::string_view, 13> kOrphans = {"91", "81", "71", "61", "51", "41", "31",
                                                       "29", "21", "19", "11", "09", "01"};

bool isKokusiTemplate(std::string_view codes)
{
    // One of the thirteen written twice in its place: every one of them has
    // 28 characters and starts with "91", which settles nearly every hand.
    static constexpr auto templates = [] {
        std::array<std::array<char, 28>, 13> t{};
        for (std::size_t doubled = 0; doubled < kOrphans.size(); ++doubled) {
            std::size_t at = 0;
            for (std::size_t i = 0; i < kOrphans.size(); ++i)
                for (int times = i == doubled ? 2 : 1; times > 0; --times)
                    for (char ch : kOrphans[i]) t[doubled][at++] = ch;
        }
        return t;
    }();
    if (codes.size() != 28 || !codes.starts_with("91") || !codes.ends_with("01")) return false;
    for (const auto& t : templates)
        if (codes == std::string_view(t.data(), t.size())) return true;
    return false;
}

constexpr std::array<std::string_view, 9> kTyurenTemplates = {
    "99987654321111", "99987654322111", "99987654332111", "99987654432111", "99987655432111",
    "99987665432111", "99987765432111", "99988765432111", "99998765432111"};

// Items from first to last, each put in front of the text built so far:
// the items' texts from the last to the first.
FixedText<32> descending(const TileList& list)
{
    FixedText<32> out;
    for (int i = list.count() - 1; i >= 0; --i) out += list.item(i).view();
    return out;
}

// Fourteen items whose texts, from the last to the first, make a template
// of 28 characters: fourteen codes of two, so the items themselves are the
// thirteen in ascending order with one of them twice. With the thirteen in
// ascending order, o(0) .. o(12): items 0 .. d are o(0) .. o(d), and items
// d + 1 .. 13 are o(d) .. o(12), for some d.
bool isKokusiHand(const TileList& list)
{
#if defined(__SSE2__)
    static constexpr auto kAscending = [] {
        std::array<Code, 2 * TileList::kCapacity> o{};  // o(i), then o(i - 1) from 16 on
        for (std::size_t i = 0; i < kOrphans.size(); ++i) {
            o[i] = Code::fromText(kOrphans[kOrphans.size() - 1 - i]);
            o[TileList::kCapacity + i + 1] = o[i];
        }
        return o;
    }();
    const auto* items = reinterpret_cast<const __m128i*>(list.begin());
    const auto* o = reinterpret_cast<const __m128i*>(kAscending.data());
    const __m128i low = _mm_loadu_si128(items), high = _mm_loadu_si128(items + 1);
    // Bit i: item i is o(i) (same), item i is o(i - 1) (next).
    const auto same = static_cast<unsigned>(_mm_movemask_epi8(
                          _mm_packs_epi16(_mm_cmpeq_epi16(low, _mm_loadu_si128(o)),
                                          _mm_cmpeq_epi16(high, _mm_loadu_si128(o + 1))))) &
                      0x1fffu;
    const auto next = static_cast<unsigned>(_mm_movemask_epi8(
                          _mm_packs_epi16(_mm_cmpeq_epi16(low, _mm_loadu_si128(o + 2)),
                                          _mm_cmpeq_epi16(high, _mm_loadu_si128(o + 3))))) &
                      0x3ffeu;
    // Items 0 .. d are o(0) .. o(d) while d < a; items d + 1 .. 13 are
    // o(d) .. o(12) while d + 1 >= s.
    const int a = std::countr_one(same);
    const auto s = static_cast<int>(std::bit_width(~next & 0x3fffu));
    return s <= a;
#else
    return isKokusiTemplate(descending(list));
#endif
}

// List3 = the concealed tiles and the winning tile: List(0) is sorted, so
// copying it and adding the winning tile is adding them all one by one.
void concealedAndWinning(TileList& to, const TileList& hand, Code win)
{
    copyAndAdd(to, hand, win);
}

}  // namespace

void TENHO::KOKUSI()
{
    HANTEI = 0;
    concealedAndWinning(List3, List[0], Text1);
    const int n = List3.count();
    if (n <= 14) {
        // Thirteen items or fewer make 26 characters at most: no template.
        // Fourteen are compared at once; the comparison is made whatever
        // the count, since open and closed hands come at random.
        if ((n == 14) & isKokusiHand(List3)) reportYakuman("国士無双");
        return;
    }
    // The text of the items from the last to the first begins with the last
    // item's: unless that is "91", it is no template.
    const Code last = List3.item(n - 1);
    if (last.length() == 2 && last != Code('9', '1')) return;
    if (isKokusiTemplate(descending(List3))) reportYakuman("国士無双");
}

bool TENHO::sevenDifferentPairs()
{
    // The flags are built in place; WORK_CODE is left as the last one.
    char flags[TileList::kCapacity + 2];
    std::size_t n = 0;
    bool all = true;
    const int last = List3.count() - 1;
#if defined(__SSE2__)
    {
        // All the flags at once: lane j of the compares holds item j
        // against item j + 1 and against item j + 2, the places past the
        // sixteen reading "" as item() has them; the even lanes are the
        // flags.
        const auto* at = reinterpret_cast<const __m128i*>(List3.begin());
        const __m128i low = _mm_loadu_si128(at), high = _mm_loadu_si128(at + 1);
        const __m128i next1 = _mm_or_si128(_mm_srli_si128(low, 2), _mm_slli_si128(high, 14));
        const __m128i next2 = _mm_or_si128(_mm_srli_si128(low, 4), _mm_slli_si128(high, 12));
        // The even lanes of two compares, eight lanes of -1 or 0.
        const auto even = [](__m128i a, __m128i b) {
            return _mm_packs_epi32(_mm_srai_epi32(_mm_slli_epi32(a, 16), 16),
                                   _mm_srai_epi32(_mm_slli_epi32(b, 16), 16));
        };
        // Bytes 0-7: pair j / 2; bytes 8-15: item j equal to item j + 2.
        const __m128i masks = _mm_packs_epi16(
            even(_mm_cmpeq_epi16(low, next1), _mm_cmpeq_epi16(high, _mm_srli_si128(high, 2))),
            even(_mm_cmpeq_epi16(low, next2), _mm_cmpeq_epi16(high, _mm_srli_si128(high, 4))));
        const auto m = static_cast<std::size_t>((last + 2) / 2);  // flags of each kind
        // '1' for a pair, then '1' for different tiles; eight bytes each are
        // written, the second eight over the first's unused ones.
        _mm_storel_epi64(reinterpret_cast<__m128i*>(flags),
                         _mm_sub_epi8(_mm_set1_epi8('0'), masks));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(flags + m),
                         _mm_srli_si128(_mm_add_epi8(_mm_set1_epi8('1'), masks), 8));
        n = 2 * m;
        const auto bits = static_cast<unsigned>(_mm_movemask_epi8(masks));
        const unsigned want = (1u << m) - 1;
        all = (bits & want) == want && (bits >> 8 & want) == 0;
    }
#else
    for (int j = 0; j <= last; j += 2) {
        const bool pair = List3.item(j) == List3.item(j + 1);
        flags[n++] = pair ? '1' : '0';
        all &= pair;
    }
    // Four equal tiles are not two pairs; past the end reads "", so the
    // last pair always passes. An odd count fails at its last position.
    for (int j = 0; j <= last; j += 2) {
        const bool different = List3.item(j) != List3.item(j + 2);
        flags[n++] = different ? '1' : '0';
        all &= different;
    }
#endif
    WORK_CODES = std::string_view(flags, n);
    if (n > 0)
        WORK_CODE = std::string_view(&flags[n - 1], 1);
    else
        WORK_CODE.clear();
    return all;
}

void TENHO::TITOITU()
{
    HANTEI = 1;
    concealedAndWinning(List3, List[0], Text1);
    // Seven pairs are fourteen concealed tiles. Beside called melds the pair
    // flags could all hold (two melds leave eight tiles, four pairs), but that
    // is never a complete hand.
    if (List3.count() == 14 && sevenDifferentPairs()) {
        HAN_number& h = HAN();
        h.Label1 = "七対子";
        h.Label2 = "２翻";
        h.Label3 = Decimal(textValue(h.Label3) + 2);
        HANTEI = 0;
    }
    List3.clear();
}

void TENHO::TYUREN()
{
    // Rank digits only; the caller has already seen one suit (清一色).
    List3.clear();
    HANTEI = 0;
    for (int i = 0; i < List[0].count(); ++i) List3.add(Code::digit(List[0].item(i).rank()));
    List3.add(Code::digit(Text1.rank()));
    const FixedText<32> ranks = descending(List3);
    for (std::string_view t : kTyurenTemplates) {
        if (ranks == t) {
            reportYakuman("九連宝燈");
            return;
        }
    }
}

}  // namespace tenho
