// SPDX-License-Identifier: GPL-3.0-or-later
// Whole result dialogs of the hands recognised by their shape: seven pairs,
// thirteen orphans and nine gates, and of hands that are not complete.
#include "core/golden_support.h"

#include <string>

namespace tenho::testing {
namespace {

const Shown kNotReady{"聴牌していません", "", "", "", "", kUnsetPt, true};

TEST(GoldenSevenPairs, YakuAndPayments)
{
    expectGolden({
        {"七対子 断公九: the 七対子 line has no line break",
         {"22m44m66p88p33s55s7s", "7s", "", ""},
         {"断公九\r\n七対子", "１翻\r\n２翻", "3翻", "3200点", "25符", kPlainPt, true}},
        {"the dora line goes below 七対子",
         {"11m44m66p88p33s55s7s", "7s", "", "dora=3m"},
         {"七対子\r\n  ドラ", "２翻\r\n２翻", "4翻", "6400点", "25符", kPlainPt, true}},
        {"the dora line below, 立直 above; 5 han hides the fu",
         {"11m44m66p88p33s55s7s", "7s", "", "riichi dora=3m"},
         {"立直\r\n七対子\r\n  ドラ", "１翻\r\n２翻\r\n２翻", "5翻", "8000点", "", kPlainPt,
          false}},
        {"seven honour pairs: 字一色 only",
         {"11z22z33z44z55z66z7z", "7z", "", ""},
         {"字一色", "１３翻", "１３翻", "32000点", "", kPlainPt, true}},
        {"terminals and honours: 混老頭 above 七対子, no チャンタ",
         {"11m99m11p99s11z55z7z", "7z", "", ""},
         {"混老頭\r\n七対子", "２翻\r\n２翻", "4翻", "6400点", "25符", kPlainPt, true}},
        {"混老頭 goes on top after the dora line went below",
         {"11m99m11p99s11z55z7z", "7z", "", "dora=4z"},
         {"混老頭\r\n七対子\r\n  ドラ", "２翻\r\n２翻\r\n２翻", "6翻", "12000点", "", kPlainPt,
          false}},
        {"清一色 from the tiles, no 九連宝燈",
         {"1122445577889m", "9m", "", ""},
         {"清一色\r\n七対子", "６翻\r\n２翻", "8翻", "16000点", "", kPlainPt, false}},
        {"混一色 from the tiles",
         {"11m33m55m77m11z22z5z", "5z", "", ""},
         {"混一色\r\n七対子", "３翻\r\n２翻", "5翻", "8000点", "", kPlainPt, false}},
    });
}

TEST(GoldenSevenPairs, TwentyFiveFuTable)
{
    expectGolden({
        {"2 han, non-dealer, discard",
         {"11m44m66p88p33s55s7s", "7s", "", ""},
         {"七対子", "２翻", "2翻", "1600点", "25符", kPlainPt, true}},
        {"2 han, dealer, discard",
         {"11m44m66p88p33s55s7s", "7s", "", "seat=E"},
         {"七対子", "２翻", "2翻", "2400点", "25符", kPlainPt, true}},
        {"3 han, dealer, discard",
         {"22m44m66p88p33s55s7s", "7s", "", "seat=E"},
         {"断公九\r\n七対子", "１翻\r\n２翻", "3翻", "4800点", "25符", kPlainPt, true}},
        {"3 han, non-dealer, self-draw",
         {"11m44m66p88p33s55s7s", "7s", "", "tsumo"},
         {"面前清自摸和\r\n七対子", "１翻\r\n２翻", "3翻", "1600点（親）・800点（子）", "25符",
          kSplitPt, true}},
        {"3 han, dealer, self-draw",
         {"11m44m66p88p33s55s7s", "7s", "", "tsumo seat=E"},
         {"面前清自摸和\r\n七対子", "１翻\r\n２翻", "3翻", "1600ALL", "25符", kPlainPt, true}},
        {"4 han, dealer, discard",
         {"11m44m66p88p33s55s7s", "7s", "", "seat=E dora=3m"},
         {"七対子\r\n  ドラ", "２翻\r\n２翻", "4翻", "9600点", "25符", kPlainPt, true}},
        {"4 han, non-dealer, self-draw",
         {"22m44m66p88p33s55s7s", "7s", "", "tsumo"},
         {"面前清自摸和\r\n断公九\r\n七対子", "１翻\r\n１翻\r\n２翻", "4翻",
          "3200点（親）・1600点（子）点", "25符", kSplitPt, true}},
        {"4 han, dealer, self-draw",
         {"22m44m66p88p33s55s7s", "7s", "", "tsumo seat=E"},
         {"面前清自摸和\r\n断公九\r\n七対子", "１翻\r\n１翻\r\n２翻", "4翻", "3200ALL", "25符",
          kPlainPt, true}},
        {"一巡目 self-drawn by the dealer: seven pairs never reach 天和",
         {"22m44m66p88p33s55s7s", "7s", "", "tsumo first seat=E"},
         {"面前清自摸和\r\n断公九\r\n七対子", "１翻\r\n１翻\r\n２翻", "4翻", "3200ALL", "25符",
          kPlainPt, true}},
    });
}

TEST(GoldenSevenPairs, Rejected)
{
    expectGolden({
        {"four equal tiles are not two pairs", {"1111m44m66p88p33s5s", "5s", "", ""}, kNotReady},
        {"a called meld leaves eleven tiles", {"22m44m66p88p33s", "7z", "555z", ""}, kNotReady},
        // Pairs beside called melds are never seven pairs, whatever the count.
        {"two melds beside four pairs", {"113355m7s", "7s", "123p 456s", ""}, kNotReady},
        {"two honour melds beside four honour pairs",
         {"3344556z", "6z", "111z 222z", ""},
         kNotReady},
        {"three melds beside pairs", {"1133m", "5m", "123p 456s 789s", ""}, kNotReady},
        {"a closed kan and a chi beside four pairs",
         {"113355m7s", "7s", "1111z* 456p", ""},
         kNotReady},
    });
}

TEST(GoldenThirteenOrphans, EveryPairEveryWinningTile)
{
    const char* const kinds[] = {"1m", "9m", "1p", "9p", "1s", "9s", "1z",
                                 "2z", "3z", "4z", "5z", "6z", "7z"};
    const Shown shown{"国士無双", "１３翻", "１３翻", "32000点", "", kPlainPt, true};
    for (const char* doubled : kinds) {
        // The thirteen-sided wait: every kind concealed, the winning tile doubles one.
        const std::string all = "19m19p19s1234567z";
        expectGolden({("thirteen-sided, won on " + std::string(doubled)).c_str(),
                      {all.c_str(), doubled, "", ""},
                      shown});
        // The pair concealed, another kind wins.
        for (const char* winning : kinds) {
            if (std::string(winning) == doubled) continue;
            std::string concealed;
            for (const char* k : kinds)
                if (std::string(k) != winning) concealed += k;
            concealed += doubled;
            const std::string name = "pair " + std::string(doubled) + ", won on " + winning;
            expectGolden({name.c_str(), {concealed.c_str(), winning, "", ""}, shown});
        }
    }
}

TEST(GoldenThirteenOrphans, PaymentsAndRefusals)
{
    expectGolden({
        {"dealer, self-draw",
         {"19m19p19s1234567z", "1m", "", "tsumo seat=E"},
         {"国士無双", "１３翻", "１３翻", "16000オール", "", kPlainPt, true}},
        {"non-dealer, self-draw",
         {"19m19p19s1234567z", "1m", "", "tsumo"},
         {"国士無双", "１３翻", "１３翻", "16000点（親）・8000点（子）", "", kSplitPt, true}},
        {"dealer, discard",
         {"19m19p19s1234567z", "1m", "", "seat=E"},
         {"国士無双", "１３翻", "１３翻", "48000点", "", kPlainPt, true}},
        {"一巡目 self-drawn by the dealer: 国士無双 comes first",
         {"19m19p19s1234567z", "1m", "", "tsumo first seat=E"},
         {"国士無双", "１３翻", "１３翻", "16000オール", "", kPlainPt, true}},
        {"a called meld", {"19m19p19s2345z", "6z", "111z", ""}, kNotReady},
        {"a simple as the fourteenth tile", {"19m19p19s1234567z", "5m", "", ""}, kNotReady},
    });
}

TEST(GoldenNineGates, EverySuitEveryExtraTile)
{
    const Shown shown{"九連宝燈", "１３翻", "１３翻", "32000点", "", kPlainPt, true};
    for (const char* suit : {"m", "p", "s"}) {
        for (char extra = '1'; extra <= '9'; ++extra) {
            const std::string concealed = std::string("1112345678999") + suit;
            const std::string winning = std::string(1, extra) + suit;
            const std::string name = "nine gates won on " + winning;
            expectGolden({name.c_str(), {concealed.c_str(), winning.c_str(), "", ""}, shown});
        }
    }
    expectGolden({"nine gates self-drawn by the dealer",
                  {"1112345678999p", "5p", "", "tsumo seat=E"},
                  {"九連宝燈", "１３翻", "１３翻", "16000オール", "", kPlainPt, true}});
}

TEST(GoldenValidation, KanFourthTileIsNoTileOfTheHand)
{
    Calculator c;
    enter(c, {"123456789m", "1p", "1111z*", ""});
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.messages.size(), 1u);
    EXPECT_EQ(c.host.messages[0], "牌の数がたりません");
    EXPECT_TRUE(c.host.shownDialogs.empty());
}

}  // namespace
}  // namespace tenho::testing
