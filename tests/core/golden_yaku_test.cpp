// SPDX-License-Identifier: GPL-3.0-or-later
// Whole result dialogs of hands on the standard path, worked out by hand:
// which split the search keeps, each detector's line in the driver's order
// (newest on top), the han total, the fu and the payment.
#include "core/golden_support.h"

namespace tenho::testing {
namespace {

TEST(GoldenFinishing, NewestLineOnTopAndTheFuOfPinfu)
{
    expectGolden({
        {"平和 then 断公九 by discard: 断公九 stands above 平和",
         {"34m567m345p678s55s", "2m", "", ""},
         {"断公九\r\n平和\r\n", "１翻\r\n１翻\r\n", "2翻", "2000点", "30符", kPlainPt, true}},
        {"closed self-drawn 平和 断公九 keeps 20符 even with 食いタン",
         {"34m567m345p678s55s", "2m", "", "tsumo kuitan"},
         {"面前清自摸和\r\n断公九\r\n平和\r\n", "１翻\r\n１翻\r\n１翻\r\n", "3翻",
          "1300点（親）・700点（子）", "20符", kSplitPt, true}},
        {"the dealer's self-drawn 平和 at 20符",
         {"34m567m345p678s55s", "2m", "", "tsumo seat=E"},
         {"面前清自摸和\r\n断公九\r\n平和\r\n", "１翻\r\n１翻\r\n１翻\r\n", "3翻", "1300オール",
          "20符", kPlainPt, true}},
        {"situation box カン直後 adds nothing",
         {"34m567m345p678s55s", "2m", "", "rinshan"},
         {"断公九\r\n平和\r\n", "１翻\r\n１翻\r\n", "2翻", "2000点", "30符", kPlainPt, true}},
    });
}

TEST(GoldenFinishing, HandsWithoutYaku)
{
    expectGolden({
        {"the only han is a dora", {"567m345p67s55s", "8s", "234m", "dora=4p"}, kNoYaku},
        {"a dora only, self-drawn by a non-dealer: the split form's size stays",
         {"567m345p67s55s", "8s", "234m", "tsumo dora=4p"},
         {"役がありません", "", "", "", "", kSplitPt, true}},
        {"no han at all, closed, by discard", {"12m567m234p678s99s", "3m", "", ""}, kNoYaku},
    });
}

TEST(GoldenSequences, ThreeColourStraight)
{
    expectGolden({
        {"三色同順 closed, with 平和",
         {"123m123p123s45s99p", "6s", "", ""},
         {"平和\r\n三色同順\r\n", "１翻\r\n２翻\r\n", "3翻", "3900点", "30符", kPlainPt, true}},
        {"三色同順 open; an open hand of 20 fu is priced at 30",
         {"123m123s45s99p", "6s", "123p", ""},
         {"三色同順\r\n", "１翻\r\n", "1翻", "1000点", "30符", kPlainPt, true}},
        {"a fourth 123 in one suit: 三色同順 once, with 一盃口 and チャンタ",
         {"112233m123s12p55z", "3p", "", ""},
         {"チャンタ\r\n三色同順\r\n一盃口\r\n", "２翻\r\n２翻\r\n１翻\r\n", "5翻", "8000点", "",
          kPlainPt, false}},
    });
}

TEST(GoldenSequences, PureStraight)
{
    expectGolden({
        {"一気通貫 closed: three groups of one suit, the fourth elsewhere",
         {"123m46m789m123p99s", "5m", "", ""},
         {"一気通貫\r\n", "２翻\r\n", "2翻", "2600点", "40符", kPlainPt, true}},
        {"一気通貫 open",
         {"123m456m12p99s", "3p", "789m", ""},
         {"一気通貫\r\n", "１翻\r\n", "1翻", "1000点", "30符", kPlainPt, true}},
    });
}

TEST(GoldenSequences, IdenticalSequences)
{
    expectGolden({
        {"一盃口 closed; 123m 123m 456m 789p is no 一気通貫",
         {"112233m45m789p11z", "6m", "", ""},
         {"一盃口\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
        {"two identical sequences with an open meld: neither 一盃口 nor 二盃口",
         {"112233m45m11z", "6m", "789p", ""},
         kNoYaku},
        {"二盃口 replaces the column, no line break, no 一盃口",
         {"12233m445566p77s", "1m", "", ""},
         {"平和\r\n二盃口", "１翻\r\n３翻", "4翻", "7700点", "30符", kPlainPt, true}},
    });
}

TEST(GoldenTriplets, FourConcealedTriplets)
{
    expectGolden({
        {"四暗刻 self-drawn",
         {"111m555m222p77s99s", "7s", "", "tsumo"},
         {"四暗刻", "１３翻", "１３翻", "16000点（親）・8000点（子）", "", kSplitPt, true}},
        {"a discard completes a triplet: 三暗刻 and 対々和, the later 三暗刻 skipped",
         {"111m555m222p77s99s", "7s", "", ""},
         {"三暗刻\r\n対々和\r\n", "２翻\r\n２翻\r\n", "4翻", "8000点", "50符", kPlainPt, true}},
        {"a discard of the pair tile: 四暗刻",
         {"111m555m222p777s9s", "9s", "", ""},
         {"四暗刻", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
    });
}

TEST(GoldenTriplets, ThreeConcealedTriplets)
{
    expectGolden({
        {"closed, the discard completes the sequence: 三暗刻",
         {"111m24s555p999p88s", "3s", "", ""},
         {"三暗刻\r\n", "２翻\r\n", "2翻", "3900点", "60符", kPlainPt, true}},
        {"closed, the discard completes a triplet: no 三暗刻, but still 8 fu for it",
         {"111m234s555p99p88s", "9p", "", "riichi"},
         {"立直\r\n", "１翻\r\n", "1翻", "1600点", "50符", kPlainPt, true}},
        {"111 222 333 456 + 77 splits as triplets: 三暗刻",
         {"111222333456m7m", "7m", "", "tsumo"},
         {"面前清自摸和\r\n清一色\r\n三暗刻\r\n", "１翻\r\n６翻\r\n２翻\r\n", "9翻",
          "8000点（親）・4000点（子）", "", kSplitPt, false}},
        {"1s x3 2s x3 3s x3 4s x3 5s x2 splits on the pair 2s: no 三暗刻, 一盃口",
         {"111222333444s5s", "5s", "", "tsumo"},
         {"面前清自摸和\r\n清一色\r\n一盃口\r\n", "１翻\r\n６翻\r\n１翻\r\n", "8翻",
          "8000点（親）・4000点（子）", "", kSplitPt, false}},
    });
}

// An open called pon or open kan is never one of the three concealed
// triplets of an open hand.
TEST(GoldenTriplets, OpenPonsInThreeConcealedTriplets)
{
    expectGolden({
        {"closed kan, open pon and one concealed triplet, self-drawn: no 三暗刻",
         {"2348p777z", "8p", "2222m* 555p", "tsumo"},
         {"三元牌（中）\r\n", "１翻\r\n", "1翻", "800点（親）・400点（子）", "50符", kSplitPt,
          true}},
        {"closed kan, open pon and two concealed triplets, self-drawn: 三暗刻",
         {"333s777z8p", "8p", "2222m* 555p", "tsumo"},
         {"三暗刻\r\n対々和\r\n三元牌（中）\r\n", "２翻\r\n２翻\r\n１翻\r\n", "5翻",
          "4000点（親）・2000点（子）", "", kSplitPt, false}},
        {"chi in frame 1, an open pon and two concealed triplets, self-drawn: no 三暗刻",
         {"333m777z9m", "9m", "234p 555s", "tsumo"},
         {"三元牌（中）\r\n", "１翻\r\n", "1翻", "700点（親）・400点（子）", "40符", kSplitPt,
          true}},
        {"chi in frame 1 and three concealed triplets, self-drawn: 三暗刻",
         {"333m555s777z9m", "9m", "234p", "tsumo"},
         {"三暗刻\r\n三元牌（中）\r\n", "２翻\r\n１翻\r\n", "3翻", "2600点（親）・1300点（子）",
          "40符", kSplitPt, true}},
        {"closed kan, chi and two concealed triplets, the pair tile by discard: 三暗刻",
         {"555s777z9m", "9m", "2222m* 234p", ""},
         {"三暗刻\r\n三元牌（中）\r\n", "２翻\r\n１翻\r\n", "3翻", "6400点", "50符", kPlainPt,
          true}},
        {"closed kan, chi, open pon and one concealed triplet, the pair tile by discard: no 三暗刻",
         {"777z9m", "9m", "2222m* 234p 555s", ""},
         {"三元牌（中）\r\n", "１翻\r\n", "1翻", "1600点", "50符", kPlainPt, true}},
        {"open pon, closed kan and one concealed triplet, the pair tile by discard: no 三暗刻",
         {"345s777z9m", "9m", "555p 2222m*", ""},
         {"三元牌（中）\r\n", "１翻\r\n", "1翻", "1600点", "50符", kPlainPt, true}},
        {"chi, open kan and two concealed triplets, self-drawn: no 三暗刻",
         {"333m777z9m", "9m", "234p 5555s", "tsumo"},
         {"三元牌（中）\r\n", "１翻\r\n", "1翻", "800点（親）・400点（子）", "50符", kSplitPt,
          true}},
        {"two open pons and two concealed triplets, self-drawn: no 三暗刻",
         {"333m777z9m", "9m", "555p 666s", "tsumo"},
         {"対々和\r\n三元牌（中）\r\n", "２翻\r\n１翻\r\n", "3翻", "2600点（親）・1300点（子）",
          "40符", kSplitPt, true}},
        {"open pon in frame 1 and three concealed triplets, self-drawn: 三暗刻",
         {"333m666s777z9m", "9m", "555p", "tsumo"},
         {"三暗刻\r\n対々和\r\n三元牌（中）\r\n", "２翻\r\n２翻\r\n１翻\r\n", "5翻",
          "4000点（親）・2000点（子）", "", kSplitPt, false}},
        {"open pon, closed kans in frames 2 and 3, a discard completes a triplet: no 三暗刻",
         {"55s99m", "9m", "555p 2222m* 8888s*", ""},
         {"対々和\r\n", "２翻\r\n", "2翻", "4500点", "70符", kPlainPt, true}},
        {"open pon, closed kans in frames 2 and 3, self-drawn: 三暗刻",
         {"55s99m", "9m", "555p 2222m* 8888s*", "tsumo"},
         {"三暗刻\r\n対々和\r\n", "２翻\r\n２翻\r\n", "4翻", "4000点（親）・2000点（子）", "70符",
          kSplitPt, true}},
        {"open pon, closed kans in frames 2 and 3, the pair tile by discard: 三暗刻",
         {"999m5s", "5s", "555p 2222m* 8888s*", ""},
         {"三暗刻\r\n対々和\r\n", "２翻\r\n２翻\r\n", "4翻", "8000点", "70符", kPlainPt, true}},
        {"closed kans in frames 1, 3 and 4 with a chi in frame 2: 三暗刻 on any win",
         {"5m", "5m", "1111z* 234p 2222z* 3333z*", "round=N seat=N"},
         {"三暗刻\r\n三槓子\r\n", "２翻\r\n２翻\r\n", "4翻", "8000点", "120符", kPlainPt, true}},
    });
}

TEST(GoldenTriplets, KansAndAllTriplets)
{
    expectGolden({
        {"四槓子",
         {"6z", "6z", "5555z 2222m* 8888p 4444s", ""},
         {"四槓子", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
        {"三槓子 of three open kans",
         {"567s5z", "5z", "2222m 8888p 4444s", ""},
         {"三槓子\r\n", "２翻\r\n", "2翻", "3200点", "50符", kPlainPt, true}},
        {"対々和 of an open hand",
         {"222m888p33s99s", "3s", "555z", ""},
         {"対々和\r\n三元牌（白）\r\n", "２翻\r\n１翻\r\n", "3翻", "5200点", "40符", kPlainPt,
          true}},
        {"a closed kan keeps the hand closed, but no 平和",
         {"345p678s456s9p", "9p", "2222m*", "tsumo"},
         {"面前清自摸和\r\n", "１翻\r\n", "1翻", "700点（親）・400点（子）", "40符", kSplitPt,
          true}},
        {"three closed kans of honours: 128 fu is not rounded",
         {"234p5m", "5m", "1111z* 2222z* 3333z*", "round=N seat=N"},
         {"三暗刻\r\n三槓子\r\n", "２翻\r\n２翻\r\n", "4翻", "8000点", "128符", kPlainPt, true}},
        {"closed kan of 中 and a pair of 白 by discard: 64 fu rounded to 70",
         {"234m567p34s55z", "5s", "7777z*", ""},
         {"三元牌（中）\r\n", "１翻\r\n", "1翻", "2300点", "70符", kPlainPt, true}},
        {"3 han at 70 fu is mangan, with the fu shown",
         {"234m567p34s55z", "5s", "7777z*", "riichi dora=1m"},
         {"立直\r\n三元牌（中）\r\n  ドラ\r\n", "１翻\r\n１翻\r\n１翻\r\n", "3翻", "8000点", "70符",
          kPlainPt, true}},
        {"a closed kan and 一盃口",
         {"223344p678s9s", "9s", "5555m*", "riichi"},
         {"立直\r\n一盃口\r\n", "１翻\r\n１翻\r\n", "2翻", "3200点", "50符", kPlainPt, true}},
    });
}

TEST(GoldenTerminals, OutsideHands)
{
    expectGolden({
        {"清老頭 with a called pon: the 対々和 line is gone",
         {"111m999p111s1p", "1p", "999s", ""},
         {"清老頭", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
        {"混老頭 open, no チャンタ",
         {"111m999p111z9s", "9s", "555z", "round=S seat=W"},
         {"混老頭\r\n対々和\r\n三元牌（白）\r\n", "２翻\r\n２翻\r\n１翻\r\n", "5翻", "8000点", "",
          kPlainPt, false}},
        {"混老頭 closed, the discard completes a triplet",
         {"11m999p111z555z99s", "1m", "", "round=S seat=W"},
         {"混老頭\r\n三元牌（白）\r\n三暗刻\r\n対々和\r\n", "２翻\r\n１翻\r\n２翻\r\n２翻\r\n",
          "7翻", "12000点", "", kPlainPt, false}},
        {"純チャン closed, no チャンタ",
         {"123m789p11s999s99m", "1s", "", ""},
         {"純チャン\r\n", "３翻\r\n", "3翻", "6400点", "50符", kPlainPt, true}},
        {"純チャン open",
         {"123m11s999s99m", "1s", "789p", ""},
         {"純チャン\r\n", "２翻\r\n", "2翻", "2600点", "40符", kPlainPt, true}},
        {"チャンタ closed",
         {"123m789p11s111z99m", "1s", "", "round=S seat=W"},
         {"チャンタ\r\n", "２翻\r\n", "2翻", "3200点", "50符", kPlainPt, true}},
        {"チャンタ open",
         {"789p11s111z99m", "1s", "123m", "round=S seat=W"},
         {"チャンタ\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
    });
}

TEST(GoldenTerminals, AllSimples)
{
    expectGolden({
        {"断公九 closed, closed wait",
         {"22234m345s68s567p", "7s", "", ""},
         {"断公九\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
        {"断公九 open without 食いタン", {"22m345s68s567p", "7s", "234m", ""}, kNoYaku},
        {"断公九 open with 食いタン: 20 fu priced at 30",
         {"22m345s67s567p", "8s", "234m", "kuitan"},
         {"断公九\r\n", "１翻\r\n", "1翻", "1000点", "30符", kPlainPt, true}},
        {"断公九 open with 食いタン, self-drawn",
         {"22m345s67s567p", "8s", "234m", "kuitan tsumo"},
         {"断公九\r\n", "１翻\r\n", "1翻", "500点（親）・300点（子）", "30符", kSplitPt, true}},
        {"a 9 as the winning tile: no 断公九",
         {"22234m345s78s567p", "9s", "", "riichi"},
         {"立直\r\n平和\r\n", "１翻\r\n１翻\r\n", "2翻", "2000点", "30符", kPlainPt, true}},
        {"a 1 in a called meld: no 断公九", {"22234m345s67s", "8s", "123p", "kuitan"}, kNoYaku},
        {"two identical called chis and 食いタン",
         {"567p678s5s", "5s", "234m 234m", "kuitan"},
         {"断公九\r\n", "１翻\r\n", "1翻", "1000点", "30符", kPlainPt, true}},
    });
}

TEST(GoldenSuits, OneSuit)
{
    expectGolden({
        {"清一色 closed with 一気通貫, never 混一色",
         {"1111234555678m", "9m", "", ""},
         {"清一色\r\n一気通貫\r\n", "６翻\r\n２翻\r\n", "8翻", "16000点", "", kPlainPt, false}},
        {"清一色 open",
         {"1114555678m", "9m", "123m", ""},
         {"清一色\r\n一気通貫\r\n", "５翻\r\n１翻\r\n", "6翻", "12000点", "", kPlainPt, false}},
        {"混一色 closed",
         {"123p456p111z555z9p", "9p", "", "round=S seat=W"},
         {"混一色\r\n三元牌（白）\r\n", "３翻\r\n１翻\r\n", "4翻", "8000点", "50符", kPlainPt,
          true}},
        {"混一色 open",
         {"123p456p111z9p", "9p", "555z", "round=S seat=W"},
         {"混一色\r\n三元牌（白）\r\n", "２翻\r\n１翻\r\n", "3翻", "5200点", "40符", kPlainPt,
          true}},
        {"the winning tile counts: concealed tiles of one suit, won on another",
         {"1111m23456789m9p", "9p", "", ""},
         {"一気通貫\r\n", "２翻\r\n", "2翻", "2600点", "40符", kPlainPt, true}},
        {"the meld counts: concealed tiles of one suit, a chi of another",
         {"1234567895m", "5m", "123p", ""},
         {"一気通貫\r\n", "１翻\r\n", "1翻", "1000点", "30符", kPlainPt, true}},
    });
}

TEST(GoldenSuits, HonoursAndGreens)
{
    expectGolden({
        {"字一色, dealer by discard",
         {"1112225557774z", "4z", "", "seat=E"},
         {"字一色", "１３翻", "１３翻", "48000点", "", kPlainPt, true}},
        {"緑一色 with 發",
         {"222333444666s6z", "6z", "", "tsumo"},
         {"緑一色", "１３翻", "１３翻", "16000点（親）・8000点（子）", "", kSplitPt, true}},
        {"緑一色 without 發",
         {"2222334466688s", "8s", "", ""},
         {"緑一色", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
    });
}

TEST(GoldenHonours, WindsAndDragons)
{
    expectGolden({
        {"東 as prevailing and seat wind: two lines",
         {"111z234m567p67s55s", "8s", "", "seat=E"},
         {"東（自風）\r\n東（場風）\r\n", "１翻\r\n１翻\r\n", "2翻", "3900点", "40符", kPlainPt,
          true}},
        {"南 with prevailing 東 and seat 西: no wind yaku",
         {"222z234m567p67s55s", "8s", "", "seat=W riichi"},
         {"立直\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
        {"南 as seat wind only",
         {"222z234m567p67s55s", "8s", "", ""},
         {"南（自風）\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
        {"a pair of 東 scores fu only: 4 for the double wind",
         {"234m567p345s67s11z", "8s", "", "seat=E riichi"},
         {"立直\r\n", "１翻\r\n", "1翻", "2000点", "40符", kPlainPt, true}},
        {"小三元 with both dragon lines",
         {"777z666z55z34m567p", "2m", "", ""},
         {"三元牌（發）\r\n三元牌（中）\r\n小三元\r\n", "１翻\r\n１翻\r\n２翻\r\n", "4翻", "8000点",
          "50符", kPlainPt, true}},
        {"大三元",
         {"555z666z777z234m5p", "5p", "", ""},
         {"大三元", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
        {"大四喜",
         {"222z333z444z5m", "5m", "111z", ""},
         {"大四喜", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
        {"小四喜",
         {"111z222z444z33z23m", "4m", "", ""},
         {"小四喜", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
    });
}

TEST(GoldenThreeColourTriplets, TripletsOfOneNumber)
{
    expectGolden({
        {"三色同刻 with 三暗刻, closed",
         {"333m333s333p789s9m", "9m", "", ""},
         {"三暗刻\r\n三色同刻\r\n", "２翻\r\n２翻\r\n", "4翻", "8000点", "50符", kPlainPt, true}},
        {"三色同刻 with a called pon",
         {"333m333s789s9m", "9m", "333p", ""},
         {"三色同刻\r\n", "２翻\r\n", "2翻", "2600点", "40符", kPlainPt, true}},
        {"triplets of 東 南 西: no 三色同刻",
         {"111z222z333z123m5p", "5p", "", "riichi round=N seat=N"},
         {"立直\r\n三暗刻\r\n", "１翻\r\n２翻\r\n", "3翻", "7700点", "60符", kPlainPt, true}},
        {"triplets of 5m and 5s with a sequence 456p: no 三色同刻",
         {"555m555s46p789p11p", "5p", "", "riichi"},
         {"立直\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
        {"four triplets, three of one number: 三色同刻 once",
         {"222m222s222p88s55p", "8s", "", ""},
         {"断公九\r\n三色同刻\r\n三暗刻\r\n対々和\r\n", "１翻\r\n２翻\r\n２翻\r\n２翻\r\n", "7翻",
          "12000点", "", kPlainPt, false}},
    });
}

TEST(GoldenSituation, Boxes)
{
    expectGolden({
        {"ダブルリーチ alone: the window turns リーチ off beside it",
         {"12m567m234p678s99s", "3m", "", "double"},
         {"ダブルリーチ\r\n", "２翻\r\n", "2翻", "2600点", "40符", kPlainPt, true}},
        {"海底, 面前清自摸和, 一発, 立直 in this order",
         {"12m567m234p678s99s", "3m", "", "tsumo riichi ippatsu haitei"},
         {"立直\r\n一発\r\n面前清自摸和\r\n海底\r\n", "１翻\r\n１翻\r\n１翻\r\n１翻\r\n", "4翻",
          "3900点（親）・2000点（子）", "30符", kSplitPt, true}},
        {"海底 by discard",
         {"12m567m234p678s99s", "3m", "", "haitei"},
         {"海底\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
    });
}

TEST(GoldenSituation, FirstTurn)
{
    expectGolden({
        {"天和",
         {"34m567m345p678s55s", "2m", "", "tsumo first seat=E"},
         {"天和", "１３翻", "１３翻", "16000オール", "", kPlainPt, true}},
        {"地和",
         {"34m567m345p678s55s", "2m", "", "tsumo first"},
         {"地和", "１３翻", "１３翻", "16000（親）・8000点（子）", "", kSplitPt, true}},
        {"連和 of a non-dealer",
         {"34m567m345p678s55s", "2m", "", "first renhou"},
         {"連和", "５翻", "５翻", "4000（親）・2000点（子）", "", kSplitPt, true}},
        {"連和 of the dealer",
         {"34m567m345p678s55s", "2m", "", "first renhou seat=E"},
         {"連和", "５翻", "５翻", "4000オール", "", kPlainPt, true}},
        {"一巡目 by discard without 連和 is an ordinary hand",
         {"34m567m345p678s55s", "2m", "", "first"},
         {"断公九\r\n平和\r\n", "１翻\r\n１翻\r\n", "2翻", "2000点", "30符", kPlainPt, true}},
    });
}

TEST(GoldenPinfu, WaitsAndPairs)
{
    const Shown pinfuOnly{"平和\r\n", "１翻\r\n", "1翻", "1000点", "30符", kPlainPt, true};
    const Shown riichi40{"立直\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true};
    expectGolden({
        {"won on the 1 of 1-2-3", {"23m456p789p234s55s", "1m", "", ""}, pinfuOnly},
        {"won on the 3 of 1-2-3: edge wait", {"12m456p789p234s55s", "3m", "", "riichi"}, riichi40},
        {"won on the 5 of 4-5-6: closed wait",
         {"123m46p789p234s55s", "5p", "", "riichi"},
         riichi40},
        {"won on the 5 of 4-5-6 with a 3-4-5 beside it",
         {"123m345p46p234s55s", "5p", "", ""},
         pinfuOnly},
        {"pair of a wind that is neither", {"23m456p789p234s44z", "1m", "", ""}, pinfuOnly},
        {"pair of the seat wind", {"23m456p789p234s22z", "1m", "", "riichi"}, riichi40},
        {"pair of the prevailing wind", {"23m456p789p234s11z", "1m", "", "riichi"}, riichi40},
        {"pair of a dragon", {"23m456p789p234s77z", "1m", "", "riichi"}, riichi40},
        {"winning tile an honour", {"123m456p789p234s4z", "4z", "", "riichi"}, riichi40},
    });
}

TEST(GoldenDora, Indicators)
{
    expectGolden({
        {"indicator 9m makes 1m the dora",
         {"12m567m234p678s99s", "3m", "", "riichi dora=9m"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n１翻\r\n", "2翻", "2600点", "40符", kPlainPt, true}},
        {"the pair counts twice",
         {"12m567m234p678s99s", "3m", "", "riichi dora=8s"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n２翻\r\n", "3翻", "5200点", "40符", kPlainPt, true}},
        {"indicator 北 makes 東 the dora",
         {"23m456p789p234s11z", "1m", "", "round=S seat=W dora=4z"},
         {"平和\r\n  ドラ\r\n", "１翻\r\n２翻\r\n", "3翻", "3900点", "30符", kPlainPt, true}},
        {"indicator 中 makes 白, indicator 白 makes 發",
         {"23m456p789p234s55z", "1m", "", "riichi dora=7z5z"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n２翻\r\n", "3翻", "5200点", "40符", kPlainPt, true}},
        {"indicator 白 makes 發",
         {"23m456p789p234s66z", "1m", "", "riichi dora=5z"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n２翻\r\n", "3翻", "5200点", "40符", kPlainPt, true}},
        {"indicator 4s and a triplet of 5s",
         {"555s123m234p678p9m", "9m", "", "riichi dora=4s"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n３翻\r\n", "4翻", "8000点", "40符", kPlainPt, true}},
        {"two indicators 4s and one 5s",
         {"12m567m234p456s99s", "3m", "", "riichi dora=4s4s"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n２翻\r\n", "3翻", "5200点", "40符", kPlainPt, true}},
        {"an open kan of the dora: four",
         {"777z234p678s9s", "9s", "2222m", "dora=1m"},
         {"三元牌（中）\r\n  ドラ\r\n", "１翻\r\n４翻\r\n", "5翻", "8000点", "", kPlainPt, false}},
        {"a closed kan of the dora: four",
         {"777z234p678s9s", "9s", "2222m*", "dora=1m"},
         {"三元牌（中）\r\n  ドラ\r\n", "１翻\r\n４翻\r\n", "5翻", "8000点", "", kPlainPt, false}},
        {"five indicators under リーチ",
         {"12m567m234p678s99s", "3m", "", "riichi dora=1m2m3m4m5m"},
         {"立直\r\n  ドラ\r\n", "１翻\r\n４翻\r\n", "5翻", "8000点", "", kPlainPt, false}},
        {"an indicator that points at no tile of the hand",
         {"12m567m234p678s99s", "3m", "", "riichi dora=5z"},
         {"立直\r\n", "１翻\r\n", "1翻", "1300点", "40符", kPlainPt, true}},
        {"eleven dora in full-width digits; 13 han priced as a yakuman",
         {"555s234p678p345m2m", "2m", "", "riichi dora=4s4s4s1m"},
         {"立直\r\n断公九\r\n  ドラ\r\n", "１翻\r\n１翻\r\n１１翻\r\n", "13翻", "32000点", "",
          kPlainPt, false}},
        {"the dora line above 三暗刻 and 対々和",
         {"111m555m222p77s99s", "7s", "", "dora=6s"},
         {"  ドラ\r\n三暗刻\r\n対々和\r\n", "３翻\r\n２翻\r\n２翻\r\n", "7翻", "12000点", "",
          kPlainPt, false}},
        {"the dora line over 二盃口",
         {"12233m445566p77s", "1m", "", "dora=6s"},
         {"平和\r\n  ドラ\r\n二盃口", "１翻\r\n２翻\r\n３翻", "6翻", "12000点", "", kPlainPt,
          false}},
    });
}

TEST(GoldenFinishing, HighHanBands)
{
    expectGolden({
        {"11 han",
         {"1223355778899m", "1m", "", "tsumo"},
         {"面前清自摸和\r\n平和\r\n清一色\r\n二盃口", "１翻\r\n１翻\r\n６翻\r\n３翻", "11翻",
          "12000点（親）・6000点（子）", "", kSplitPt, false}},
        {"14 han: no more than a yakuman",
         {"1223355778899m", "1m", "", "tsumo riichi ippatsu haitei"},
         {"立直\r\n一発\r\n面前清自摸和\r\n海底\r\n平和\r\n清一色\r\n二盃口",
          "１翻\r\n１翻\r\n１翻\r\n１翻\r\n１翻\r\n６翻\r\n３翻", "14翻",
          "16000点（親）・8000点（子）", "", kSplitPt, false}},
    });
}

// A split without the called meld is dropped with its pair position, not
// with its pattern: here the triplets 111m 222m 333m (pattern TTTS) come
// first for the pair 5p, the chi 123m is not among them, and no later pair
// position splits, so the hand is reported as not complete.
// The first split at pair 5p reads 111m 222m 333m and misses the called chi;
// the hand is complete all the same and is priced (here without a yaku).
TEST(GoldenFinishing, CalledChiFoundBesideTwoMoreOfItsSequence)
{
    expectGolden({"chi 123m, concealed 112233m 789p 5p, won on 5p",
                  {"112233m789p5p", "5p", "123m", ""},
                  {"役がありません", "", "", "", "", 18, true}});
}

}  // namespace
}  // namespace tenho::testing
