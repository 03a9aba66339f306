// SPDX-License-Identifier: GPL-3.0-or-later
// The split search against a plain, unhurried rendering of the same search
// on many generated hands: pair positions from the first pair onward, the
// sixteen patterns in order, extractors from the lowest tile, called melds
// checked by group keys with the search moving on to the next pair position;
// and for a hand with melds that this loses, the same search with the melds
// checked pattern by pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

using Tiles = std::vector<int>;  // numeric codes, 0 = ""

struct Result {
    bool found = false;
    std::vector<Tiles> groups;  // four groups then the pair
};

int at(const Tiles& t, std::size_t i) { return i < t.size() ? t[i] : 0; }

bool sequence(Tiles& rest, Tiles& group)
{
    const int a = rest[0];
    auto second = std::find(rest.begin(), rest.end(), a + 1);
    if (second == rest.end()) return false;
    group = {a, a + 1};
    rest.erase(second);
    rest.erase(rest.begin());
    auto third = std::find(rest.begin(), rest.end(), a + 2);
    if (third == rest.end()) return false;
    group.push_back(a + 2);
    rest.erase(third);
    return true;
}

bool triplet(Tiles& rest, Tiles& group)
{
    const int a = rest[0];
    if (at(rest, 1) != a || at(rest, 2) != a) return false;
    group = {a, a, a};
    rest.erase(rest.begin(), rest.begin() + 3);
    return true;
}

// patternByPattern: a meld miss moves on to the next pattern instead of the
// next pair position (the second search, for hands the first one loses).
Result referenceSplit(Tiles all, const std::vector<Tiles>& melds, bool patternByPattern)
{
    static const char* patterns[] = {"TTTT", "TTTS", "SSTS", "SSTT", "STSS", "STST",
                                     "STTS", "STTT", "TSSS", "TSST", "TSTS", "TSTT",
                                     "TTSS", "TTST", "SSST", "SSSS"};
    std::sort(all.begin(), all.end());
    std::size_t first = 99;
    for (std::size_t i = 0; i <= 13; ++i)
        if (at(all, i) == at(all, i + 1)) {
            first = i;
            break;
        }
    if (first == 99) return {};
    for (std::size_t p = first; p <= 13; ++p) {
        if (at(all, p) != at(all, p + 1)) continue;
        Tiles twelve = all;
        twelve.erase(twelve.begin() + static_cast<long>(p),
                     twelve.begin() + static_cast<long>(p) + 2);
        for (const char* pattern : patterns) {
            Tiles rest = twelve;
            std::vector<Tiles> groups(4);
            bool ok = true;
            for (int s = 0; s < 4 && ok; ++s)
                ok = pattern[s] == 'T' ? triplet(rest, groups[static_cast<std::size_t>(s)])
                                       : sequence(rest, groups[static_cast<std::size_t>(s)]);
            if (!ok) continue;
            // Every called meld must be one of the groups; the first split
            // found stands or falls as a whole.
            std::vector<Tiles> left = groups;
            bool melded = true;
            for (const Tiles& m : melds) {
                auto it = std::find(left.begin(), left.end(), Tiles(m.begin(), m.begin() + 3));
                if (it == left.end()) {
                    melded = false;
                    break;
                }
                left.erase(it);
            }
            if (!melded) {
                if (patternByPattern) continue;
                break;
            }
            groups.push_back({at(all, p), at(all, p)});
            return {true, groups};
        }
    }
    return {};
}

Code codeOf(int v)
{
    return Code(static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10));
}

// Four groups and a pair, a quarter of them spoilt by one tile; up to two of
// the groups called.
struct GeneratedHand {
    Tiles all;
    std::vector<Tiles> melds;
};

GeneratedHand generateHand(std::mt19937& rng)
{
    std::vector<int> kinds;
    for (Code c : kHaiCodes) kinds.push_back(c.value());
    GeneratedHand h;
    std::vector<int> count(100, 0);
    const int meldCount = static_cast<int>(rng() % 3);
    const auto put = [&](const Tiles& group) {
        for (int t : group)
            if (count[static_cast<std::size_t>(t)] + 1 > 4) return false;
        for (int t : group) ++count[static_cast<std::size_t>(t)];
        h.all.insert(h.all.end(), group.begin(), group.end());
        return true;
    };
    while (h.all.size() < 12) {
        const int k = kinds[rng() % 27];
        const Tiles group =
            (rng() % 2 == 0 && k % 10 <= 7) ? Tiles{k, k + 1, k + 2} : Tiles{k, k, k};
        if (put(group) && static_cast<int>(h.melds.size()) < meldCount && rng() % 2 == 0)
            h.melds.push_back(group);
    }
    while (h.all.size() < 14) {
        const int k = kinds[rng() % kinds.size()];
        put({k, k});
    }
    if (rng() % 4 == 0) {
        const int k = kinds[rng() % kinds.size()];
        const std::size_t i = 13 - rng() % 2;  // a pair tile, never a meld's
        if (count[static_cast<std::size_t>(k)] < 4) h.all[i] = k;
    }
    return h;
}

// The melds in their frames, the winning tile one of the concealed tiles.
void enter(TENHO& t, const GeneratedHand& h, std::mt19937& rng)
{
    int k = 1;
    Tiles concealed = h.all;
    for (const Tiles& m : h.melds) {
        for (int tile : m) {
            concealed.erase(std::find(concealed.begin(), concealed.end(), tile));
            t.List[static_cast<std::size_t>(k)].add(codeOf(tile));
        }
        for (int i = 0; i < 3; ++i)
            t.NAKI[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)].visible = true;
        ++k;
    }
    const auto winAt = rng() % concealed.size();
    t.Text1 = codeOf(concealed[winAt]);
    concealed.erase(concealed.begin() + static_cast<long>(winAt));
    for (int tile : concealed) t.List[0].add(codeOf(tile));
}

TEST(DecompositionReference, AgreesOnGeneratedHands)
{
    std::mt19937 rng(20261208);
    int complete = 0;
    for (int n = 0; n < 10000; ++n) {
        const GeneratedHand h = generateHand(rng);
        Calculator c;
        enter(c.t, h, rng);
        c.t.TENPAI();
        Result r = referenceSplit(h.all, h.melds, false);
        if (!r.found && !h.melds.empty()) r = referenceSplit(h.all, h.melds, true);
        ASSERT_EQ(c.t.HANTEI == 0, r.found) << "hand " << n;
        if (!r.found) continue;
        ++complete;
        for (std::size_t g = 0; g < 5; ++g) {
            Tiles got;
            for (int i = 0; i < c.t.ListEND[g].count(); ++i)
                got.push_back(c.t.ListEND[g].item(i).value());
            ASSERT_EQ(got, r.groups[g]) << "hand " << n << " group " << g << ": " << split(c.t);
        }
    }
    EXPECT_GT(complete, 5000);
}

// TENPAI searches on tile counts; the search on the lists, routine by
// routine, must leave everything the later routines read as it does.
TEST(DecompositionReference, CountSearchLeavesWhatTheListSearchLeaves)
{
    std::mt19937 rng(20261209);
    std::array<int, 2> compared{};  // meld checks by numbers and texts: found, not found
    for (int n = 0; n < 10000; ++n) {
        const GeneratedHand h = generateHand(rng);
        std::mt19937 same = rng;
        Calculator counts, lists;
        enter(counts.t, h, rng);
        enter(lists.t, h, same);
        counts.t.TENPAI();
        lists.t.splitByLists();
        SCOPED_TRACE("hand " + std::to_string(n) + ": " + split(lists.t));
        const auto& a = counts.t;
        const auto& b = lists.t;
        ASSERT_EQ(a.HANTEI, b.HANTEI);
        ASSERT_EQ(a.BUNKAI_NG, b.BUNKAI_NG);
        ASSERT_EQ(a.JANTOU_POS, b.JANTOU_POS);
        ASSERT_EQ(a.NAKI_NO, b.NAKI_NO);
        ASSERT_EQ(codes(a.ListTEMP), codes(b.ListTEMP));
        ASSERT_EQ(codes(a.ListTemp2), codes(b.ListTemp2));
        for (std::size_t g = 0; g < 5; ++g) ASSERT_EQ(codes(a.ListEND[g]), codes(b.ListEND[g]));
        ASSERT_EQ(a.MENTSU_KEYS, b.MENTSU_KEYS);
        ASSERT_EQ(a.MENTSU_KEY, b.MENTSU_KEY);
        // The meld check on the split found, by numbers and by texts; then
        // with the first meld a triplet of some tile, found or not.
        if (b.meldCount() == 0 || b.HANTEI != 0) continue;
        for (int round = 0; round < 2; ++round) {
            Calculator numbers, texts;
            const Code c = kHaiCodes[rng() % kHaiCodes.size()];
            const std::array<Code, TileList::kCapacity> triplet{c, c, c};
            for (TENHO* t : {&numbers.t, &texts.t}) {
                static_cast<TENHOState&>(*t) = b;
                if (round == 1) t->List[1].assign(triplet, 3);
                t->MENTSU_KEYS.clear();
                t->MENTSU_KEY.clear();
                t->BUNKAI_NG = 'x';
            }
            ASSERT_TRUE(numbers.t.matchWholeKeys());
            texts.t.matchKeyTexts();
            ++compared[numbers.t.BUNKAI_NG == '0' ? 0 : 1];
            ASSERT_EQ(numbers.t.BUNKAI_NG, texts.t.BUNKAI_NG);
            ASSERT_EQ(numbers.t.MENTSU_KEYS, texts.t.MENTSU_KEYS);
            ASSERT_EQ(numbers.t.MENTSU_KEY, texts.t.MENTSU_KEY);
        }
    }
    EXPECT_GT(compared[0], 1000);
    EXPECT_GT(compared[1], 1000);
}

}  // namespace
}  // namespace tenho::testing
