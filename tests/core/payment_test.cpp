// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

int ceil100(int x) { return (x + 99) / 100 * 100; }

// The payment of the standard rule: base = fu x 2^(han + 2), mangan once
// the base passes 2000.
std::string standardPayment(int fu, int han, bool dealer, bool tsumo)
{
    const int base = fu << (han + 2);
    const bool mangan = base > 2000;
    if (dealer && !tsumo) return std::to_string(mangan ? 12000 : ceil100(6 * base)) + "点";
    if (!dealer && !tsumo) return std::to_string(mangan ? 8000 : ceil100(4 * base)) + "点";
    if (dealer) return std::to_string(mangan ? 4000 : ceil100(2 * base)) + "オール";
    return std::to_string(mangan ? 4000 : ceil100(2 * base)) + "点（親）・" +
           std::to_string(mangan ? 2000 : ceil100(base)) + "点（子）";
}

// The row a failure is in: "3 han, dealer by self-draw".
std::string rowName(int han, bool dealer, bool tsumo)
{
    return std::to_string(han) + " han, " + (dealer ? "dealer" : "non-dealer") +
           (tsumo ? " by self-draw" : " by discard");
}

struct Table {
    Calculator calc;
    HAN_number& h = calc.t.HAN();

    Table(int han, bool dealer, bool tsumo, int naki = 0)
    {
        h.Label3 = std::to_string(han);
        calc.winds(0, dealer ? 0 : 1);
        if (tsumo) calc.t.selectTUMO_END();
        calc.t.NAKI_FLAG = static_cast<Integer>(naki);
    }
};

TEST(FuTable, EveryCellFollowsTheStandardRule)
{
    for (int fu = 20; fu <= 120; fu += 10)
        for (int han = 1; han <= 4; ++han)
            for (bool dealer : {false, true})
                for (bool tsumo : {false, true}) {
                    Table t(han, dealer, tsumo);
                    t.h.Label4 = "keep";
                    t.calc.t.FU_SUU = static_cast<Integer>(fu);
                    t.calc.t.FU_TENSUU();
                    const bool noCell = fu == 20 && (!tsumo || han == 1);
                    EXPECT_EQ(t.h.Label4, noCell ? "keep" : standardPayment(fu, han, dealer, tsumo))
                        << fu << " fu " << han << " han dealer=" << dealer << " tsumo=" << tsumo;
                }
}

TEST(FuTable, GoldenCells)
{
    struct Row {
        int fu, han;
        bool dealer, tsumo;
        const char* text;
    };
    const Row rows[] = {
        {30, 4, false, false, "7700点"},
        {30, 4, true, false, "11600点"},
        {30, 4, true, true, "3900オール"},
        {30, 4, false, true, "3900点（親）・2000点（子）"},
        {40, 4, false, false, "8000点"},
        {20, 2, false, true, "700点（親）・400点（子）"},
        {30, 1, false, false, "1000点"},
        {60, 3, true, false, "11600点"},
        {70, 3, true, true, "4000オール"},
        {110, 2, false, false, "7100点"},
        {20, 4, true, true, "2600オール"},
        {50, 1, false, true, "800点（親）・400点（子）"},
        {130, 3, false, false, "8000点"},
        {250, 4, true, false, "12000点"},
        {130, 3, false, true, "4000点（親）・2000点（子）"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.fu) + " fu, " + rowName(r.han, r.dealer, r.tsumo));
        Table t(r.han, r.dealer, r.tsumo);
        t.calc.t.FU_SUU = static_cast<Integer>(r.fu);
        t.calc.t.FU_TENSUU();
        EXPECT_EQ(t.h.Label4, r.text);
    }
}

TEST(FuTable, NoCellWritesNothing)
{
    struct Row {
        int fu, han;
        bool tsumo;
    };
    const Row rows[] = {{20, 1, false},  {20, 2, false}, {20, 1, true},  {25, 2, false},
                        {130, 1, false}, {130, 2, true}, {30, 0, false}, {30, 5, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.fu) + " fu, " + rowName(r.han, false, r.tsumo));
        Table t(r.han, false, r.tsumo);
        t.h.Label4 = "keep";
        t.calc.t.FU_SUU = static_cast<Integer>(r.fu);
        t.calc.t.FU_TENSUU();
        EXPECT_EQ(t.h.Label4, "keep");
    }
}

TEST(HanBands, FiveHanAndMoreIgnoreTheFu)
{
    struct Row {
        int han;
        const char *dealerRon, *dealerTsumo, *ron, *tsumo;
    };
    const Row rows[] = {
        {5, "12000点", "4000オール", "8000点", "4000点（親）・2000点（子）"},
        {6, "18000点", "6000オール", "12000点", "6000点（親）・3000点（子）"},
        {7, "18000点", "6000オール", "12000点", "6000点（親）・3000点（子）"},
        {8, "24000点", "8000オール", "16000点", "8000点（親）・4000点（子）"},
        {10, "24000点", "8000オール", "16000点", "8000点（親）・4000点（子）"},
        {11, "36000点", "12000オール", "24000点", "12000点（親）・6000点（子）"},
        {12, "36000点", "12000オール", "24000点", "12000点（親）・6000点（子）"},
        {13, "48000点", "16000オール", "32000点", "16000点（親）・8000点（子）"},
        {26, "48000点", "16000オール", "32000点", "16000点（親）・8000点（子）"},
    };
    for (const Row& r : rows) {
        for (bool dealer : {false, true})
            for (bool tsumo : {false, true}) {
                SCOPED_TRACE(rowName(r.han, dealer, tsumo));
                Table t(r.han, dealer, tsumo);
                t.calc.t.TENSUU();
                const char* text =
                    dealer ? (tsumo ? r.dealerTsumo : r.dealerRon) : (tsumo ? r.tsumo : r.ron);
                EXPECT_EQ(t.h.Label4, text);
                EXPECT_EQ(t.h.Label4FontSize, !dealer && tsumo ? 13 : 18);
                EXPECT_FALSE(t.h.Label5Visible);
            }
    }
}

TEST(HanKeisan, FuTotalRoundingAndText)
{
    // Closed hand won by discard: 30 + 4 (concealed simple triplet) = 34 -> 40.
    Calculator c;
    for (Code code : tiles("555m234p678p34s99s")) c.t.List[0].add(code);
    c.t.Text1 = tile("2s");
    c.winds(0, 1);
    c.t.TENPAI();
    c.t.HAN().Label3 = "1";
    c.t.TENSUU();
    EXPECT_EQ(c.t.FU_SUU, 40);
    EXPECT_EQ(c.t.HAN().Label5, "40符");
    EXPECT_TRUE(c.t.HAN().Label5Visible);
    EXPECT_EQ(c.t.HAN().Label4, "1300点");
    EXPECT_EQ(c.t.HAN().Label4FontSize, 18);
}

TEST(HanKeisan, ConcealedDragonKanRoundsTo70)
{
    Calculator c;
    putMeld(c.t, 1, "7777z", true);
    for (Code code : tiles("234m567m34p55z")) c.t.List[0].add(code);
    c.t.Text1 = tile("2p");
    c.winds(0, 1);
    c.t.TENPAI();
    c.t.NAKI_FLAG = 0;
    c.t.HAN().Label3 = "2";
    c.t.TENSUU();
    EXPECT_EQ(c.t.HAN().Label5, "70符");
    EXPECT_EQ(c.t.HAN().Label4, "4500点");
}

struct FlatFu {
    const char* name;
    const char* yaku;
    bool tsumo;
    int naki;
    int fu;
};

TEST(HanKeisan, PinfuIsFlatAndOpenHandsStartAt30)
{
    // 234m 567m 345p 678s + 55p, two-sided: no fu of its own.
    const FlatFu rows[] = {
        {"pinfu by self-draw", "平和\r\n", true, 0, 20},
        {"pinfu by discard", "平和\r\n", false, 0, 30},
        {"closed by discard", "断公九\r\n", false, 0, 30},
        {"closed by self-draw", "断公九\r\n", true, 0, 20},
        {"open hand by discard", "断公九\r\n", false, 1, 30},
        {"open hand by self-draw", "断公九\r\n", true, 1, 30},
    };
    for (const FlatFu& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator c;
        for (Code code : tiles("234m567m345p67s55p")) c.t.List[0].add(code);
        c.t.Text1 = tile("8s");
        c.winds(0, 1);
        if (r.tsumo) c.t.selectTUMO_END();
        c.t.TENPAI();
        c.t.NAKI_FLAG = static_cast<Integer>(r.naki);
        c.t.HAN().Label1 = r.yaku;
        c.t.HAN().Label3 = "1";
        c.t.HAN_KEISAN();
        EXPECT_EQ(c.t.FU_SUU, r.fu);
        EXPECT_EQ(c.t.HAN().Label5, std::to_string(r.fu) + "符");
    }
}

TEST(HanKeisan, OpenHandWithoutFuGetsThe30FuPayment)
{
    for (bool tsumo : {false, true}) {
        Calculator c;
        for (Code code : tiles("234m567m345p67s55p")) c.t.List[0].add(code);
        c.t.Text1 = tile("8s");
        c.winds(0, 1);
        if (tsumo) c.t.selectTUMO_END();
        c.t.TENPAI();
        c.t.NAKI_FLAG = 1;
        c.t.HAN().Label3 = "1";
        c.t.TENSUU();
        EXPECT_EQ(c.t.HAN().Label5, "30符");
        EXPECT_EQ(c.t.HAN().Label4, tsumo ? "500点（親）・300点（子）" : "1000点");
        EXPECT_EQ(c.t.HAN().Label4FontSize, tsumo ? 13 : 18);
    }
}

TEST(SevenPairsTable, TwentyFiveFu)
{
    struct Row {
        int han;
        const char *ron, *dealerRon, *tsumo, *dealerTsumo;
    };
    const Row rows[] = {
        {2, "1600点", "2400点", nullptr, nullptr},
        {3, "3200点", "4800点", "1600点（親）・800点（子）", "1600ALL"},
        {4, "6400点", "9600点", "3200点（親）・1600点（子）点", "3200ALL"},
    };
    for (const Row& r : rows)
        for (bool dealer : {false, true})
            for (bool tsumo : {false, true}) {
                SCOPED_TRACE(rowName(r.han, dealer, tsumo));
                Table t(r.han, dealer, tsumo);
                t.h.Label4 = "keep";
                t.h.Label5Visible = false;
                t.calc.t.TENSUU2();
                const char* text =
                    dealer ? (tsumo ? r.dealerTsumo : r.dealerRon) : (tsumo ? r.tsumo : r.ron);
                EXPECT_EQ(t.h.Label4, text ? text : "keep");
                EXPECT_EQ(t.h.Label4FontSize, !dealer && tsumo ? 13 : 18);
                EXPECT_EQ(t.h.Label5, "25符");
                EXPECT_TRUE(t.h.Label5Visible);
            }
}

TEST(YakumanPayment, ByWinnerAndWinKind)
{
    struct Row {
        bool dealer, tsumo;
        const char* text;
        double size;
    };
    const Row rows[] = {{true, true, "16000オール", 18},
                        {true, false, "48000点", 18},
                        {false, true, "16000点（親）・8000点（子）", 13},
                        {false, false, "32000点", 18}};
    for (const Row& r : rows) {
        SCOPED_TRACE(rowName(13, r.dealer, r.tsumo));
        Table t(0, r.dealer, r.tsumo);
        t.calc.t.YAKUMAN_TENSUU();
        EXPECT_EQ(t.h.Label4, r.text);
        EXPECT_EQ(t.h.Label4FontSize, r.size);
    }
}

TEST(ThirtyFuRepricing, ReadsTheHanThroughTheSuffix)
{
    struct Row {
        int han;
        const char *ron, *dealerRon, *dealerTsumo, *tsumo;
    };
    const Row rows[] = {
        {1, "1000点", "1500点", "500オール", "500点（親）・300点（子）"},
        {2, "2000点", "2900点", "1000オール", "1000点（親）・500点（子）"},
        {3, "3900点", "5800点", "2000オール", "2000点（親）・1000点（子）"},
        {4, "7700点", "11600点", "3900オール", "3900点（親）・2000点（子）"},
    };
    for (const Row& r : rows)
        for (bool dealer : {false, true})
            for (bool tsumo : {false, true}) {
                SCOPED_TRACE(rowName(r.han, dealer, tsumo));
                Table t(r.han, dealer, tsumo);
                t.h.Label3 += "翻";
                t.calc.t.FU30_TENSUU();
                const char* text =
                    dealer ? (tsumo ? r.dealerTsumo : r.dealerRon) : (tsumo ? r.tsumo : r.ron);
                EXPECT_EQ(t.h.Label4, text);
                EXPECT_EQ(t.h.Label4FontSize, !dealer && tsumo ? 13 : 18);
            }
    Table outside(5, false, false);
    outside.h.Label4 = "keep";
    outside.calc.t.FU30_TENSUU();
    EXPECT_EQ(outside.h.Label4, "keep");
}

}  // namespace
}  // namespace tenho::testing
