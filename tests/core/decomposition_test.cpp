// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

struct SplitCase {
    const char* name;
    std::vector<std::pair<const char*, bool>> melds;  // tiles, closed kan
    const char* hand;
    const char* win;
    const char* expected;  // split(t), or "" when there is none
};

void runSplit(const SplitCase& c)
{
    SCOPED_TRACE(c.name);
    Calculator calc;
    int k = 1;
    for (const auto& [text, closed] : c.melds) putMeld(calc.t, k++, text, closed);
    for (Code code : tiles(c.hand)) calc.t.List[0].add(code);
    calc.t.Text1 = tile(c.win);
    calc.t.TENPAI();
    if (*c.expected) {
        EXPECT_EQ(calc.t.HANTEI, 0);
        EXPECT_EQ(split(calc.t), c.expected);
        EXPECT_TRUE(calc.t.ListTEMP.isEmpty());
        EXPECT_EQ(calc.t.ListTemp2.count(), 12);
    } else {
        EXPECT_EQ(calc.t.HANTEI, 1);
    }
}

TEST(Decomposition, ChoosesTheFirstSplitByPairPositionAndPatternOrder)
{
    const SplitCase cases[] = {
        {"triplets before three identical sequences (TTTS)",
         {},
         "1112223334567m",
         "7m",
         "010101 020202 030303 040506 | 0707"},
        {"pairs at 0 and 1 fail every pattern; pair 12 with TSSS",
         {},
         "1112223334445s",
         "5s",
         "111111 121314 131415 131415 | 1212"},
        {"SSST comes before SSSS",
         {},
         "123456789m1115z",
         "5z",
         "010203 040506 070809 313131 | 7171"},
        {"honour triplet and pair",
         {},
         "123m456p789s1112z",
         "2z",
         "010203 171819 242526 313131 | 4141"},
        {"sequences are taken from the lowest tile",
         {},
         "122334m567p999s1z",
         "1z",
         "010203 020304 191919 252627 | 3131"},
    };
    for (const auto& c : cases) runSplit(c);
}

TEST(Decomposition, NoSplit)
{
    const SplitCase cases[] = {
        {"seven pairs are no standard split", {}, "1133557799m113z", "3z", ""},
        {"thirteen single tiles", {}, "19m19p19s1234567z", "1m", ""},
        {"one tile off", {}, "123456789m1234p", "6p", ""},
    };
    for (const auto& c : cases) runSplit(c);
}

TEST(Decomposition, WithoutAnyPairTheSearchDoesNotStart)
{
    Calculator calc;
    for (Code code : tiles("159m159p159s1234z")) calc.t.List[0].add(code);
    calc.t.Text1 = tile("5z");
    calc.t.JANTOU_POS = -7;
    calc.t.TENPAI();
    EXPECT_EQ(calc.t.HANTEI, 1);
    EXPECT_EQ(calc.t.JANTOU_POS, -7);
    EXPECT_EQ(calc.t.ListTEMP.count(), 14);
}

TEST(Decomposition, FailedSearchLeavesAllFourteenTilesForSevenPairs)
{
    Calculator calc;
    for (Code code : tiles("1133557799m113z")) calc.t.List[0].add(code);
    calc.t.Text1 = tile("3z");
    calc.t.TENPAI();
    EXPECT_EQ(calc.t.HANTEI, 1);
    EXPECT_EQ(codes(calc.t.ListTEMP), "01 01 03 03 05 05 07 07 09 09 31 31 51 51");
    for (const auto& l : calc.t.ListEND) EXPECT_TRUE(l.isEmpty());
}

TEST(Decomposition, CalledMeldsMustBeAmongTheGroups)
{
    const SplitCase cases[] = {
        {"a called pon joins the search as three tiles",
         {{"555z", false}},
         "123m456p789s1z",
         "1z",
         "010203 171819 242526 717171 | 3131"},
        {"a kan contributes three tiles",
         {{"7777p", true}},
         "123m456p789s1z",
         "1z",
         "010203 171819 242526 272727 | 3131"},
        {"two identical called chis with two identical groups",
         {{"234m", false}, {"234m", false}},
         "678m55p99s",
         "9s",
         "020304 020304 060708 191919 | 2525"},
        {"two identical chis beside an overlapping sequence",
         {{"234m", false}, {"234m", false}},
         "345m55p99s",
         "5p",
         "020304 020304 030405 252525 | 1919"},
        {"a called chi beside two more of its sequence is still found",
         {{"234m", false}, {"234m", false}},
         "234m567p9s",
         "9s",
         "020304 020304 020304 252627 | 1919"},
        {"three identical called chis",
         {{"789m", false}, {"789m", false}, {"789m", false}, {"456p", false}},
         "6z",
         "6z",
         "070809 070809 070809 242526 | 8181"},
        {"a chi beside the same sequence and its triplet reading",
         {{"123m", false}},
         "112233m456p7p",
         "7p",
         "010203 010203 010203 242526 | 2727"},
        {"the triplet reading is taken before the called pon's group",
         {{"222m", false}},
         "11133m456p77p",
         "3m",
         "010101 020202 030303 242526 | 2727"},
    };
    for (const auto& c : cases) runSplit(c);
}

}  // namespace
}  // namespace tenho::testing
