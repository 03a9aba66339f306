// SPDX-License-Identifier: GPL-3.0-or-later
// The split search against a plain, unhurried rendering of the same search
// on many generated hands: pair positions from the first pair onward, the
// sixteen patterns in order, extractors from the lowest tile, called melds
// checked by group keys with the search moving on to the next pair position;
// and for a hand with melds that this loses, the same search with the melds
// checked pattern by pattern.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST(DecompositionReference, AgreesOnGeneratedHands)
{
    std::mt19937 rng(20261208);
    std::vector<int> kinds;
    for (Code c : kHaiCodes) kinds.push_back(c.value());
    int complete = 0;
    for (int n = 0; n < 10000; ++n) {
        std::vector<int> count(100, 0);
        Tiles all;
        std::vector<Tiles> melds;
        const int meldCount = static_cast<int>(rng() % 3);
        // Four groups and a pair, a quarter of them spoilt by one tile.
        const auto put = [&](const Tiles& group) {
            for (int t : group)
                if (count[static_cast<std::size_t>(t)] + 1 > 4) return false;
            for (int t : group) ++count[static_cast<std::size_t>(t)];
            all.insert(all.end(), group.begin(), group.end());
            return true;
        };
        while (all.size() < 12) {
            const int k = kinds[rng() % 27];
            const Tiles group =
                (rng() % 2 == 0 && k % 10 <= 7) ? Tiles{k, k + 1, k + 2} : Tiles{k, k, k};
            if (put(group) && static_cast<int>(melds.size()) < meldCount && rng() % 2 == 0)
                melds.push_back(group);
        }
        while (all.size() < 14) {
            const int k = kinds[rng() % kinds.size()];
            put({k, k});
        }
        if (rng() % 4 == 0) {
            const int k = kinds[rng() % kinds.size()];
            const std::size_t i = 13 - rng() % 2;  // a pair tile, never a meld's
            if (count[static_cast<std::size_t>(k)] < 4) all[i] = k;
        }

        Calculator c;
        int k = 1;
        Tiles concealed = all;
        for (const Tiles& m : melds) {
            std::string text;
            for (int t : m) {
                concealed.erase(std::find(concealed.begin(), concealed.end(), t));
                c.t.List[static_cast<std::size_t>(k)].add(codeOf(t));
            }
            for (int i = 0; i < 3; ++i)
                c.t.NAKI[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)].visible = true;
            ++k;
        }
        const auto winAt = rng() % concealed.size();
        c.t.Text1 = codeOf(concealed[winAt]);
        concealed.erase(concealed.begin() + static_cast<long>(winAt));
        for (int t : concealed) c.t.List[0].add(codeOf(t));

        c.t.TENPAI();
        Result r = referenceSplit(all, melds, false);
        if (!r.found && !melds.empty()) r = referenceSplit(all, melds, true);
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

}  // namespace
}  // namespace tenho::testing
