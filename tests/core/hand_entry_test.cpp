// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

TEST(HandEntry, TilesAppearInCodeOrder)
{
    Calculator c;
    for (const char* t : {"3p", "5m", "7z"}) c.t.Frame1_DragDrop(src(t));
    EXPECT_EQ(codes(c.t.List[0]), "05 23 91");
    expectEntryInvariants(c.t);
}

TEST(HandEntry, EveryAddPathAddsTheDraggedTileExceptThePalette)
{
    Calculator c;
    EXPECT_EQ(c.t.Frame1_DragDrop(src("1m")), Entry::Accepted);
    EXPECT_EQ(c.t.Frame8_DragDrop(src("2m")), Entry::Accepted);
    EXPECT_EQ(c.t.T_HAI_DragDrop(0, src("3m")), Entry::Accepted);
    // A drag from palette tile A that ends on palette tile B adds B.
    EXPECT_EQ(c.t.HAI_DragDrop(src("9p"), src("4m")), Entry::Accepted);
    // Press and release on one palette tile adds that tile.
    EXPECT_EQ(c.t.HAI_DragDrop(src("5s"), src("5s")), Entry::Accepted);
    EXPECT_EQ(codes(c.t.List[0]), "01 02 03 15 29");
    expectEntryInvariants(c.t);
}

TEST(HandEntry, FourteenthTileIsIgnoredWithoutABeep)
{
    Calculator c;
    c.hand("1112345678999m");
    ASSERT_EQ(c.t.List[0].count(), 13);
    EXPECT_EQ(c.t.Frame1_DragDrop(src("1p")), Entry::Ignored);
    EXPECT_EQ(c.t.List[0].count(), 13);
    EXPECT_EQ(c.host.beeps, 0);
    expectEntryInvariants(c.t);
}

TEST(HandEntry, FifthCopyIsRefusedWithABeepWhereverTheOthersAre)
{
    struct Row {
        const char* name;
        const char* hand;
        const char* win;
        const char* dora;
    };
    const Row rows[] = {
        {"four in the hand", "5555m", "", ""},
        {"three in the hand and the winning tile", "555m", "5m", ""},
        {"two in the hand, one winning tile, one indicator", "55m", "5m", "5m"},
        {"four indicators", "", "", "5555m"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator c;
        c.hand(r.hand);
        if (*r.win) c.win(r.win);
        c.dora(r.dora);
        const int count = c.t.List[0].count();
        EXPECT_EQ(c.t.Frame1_DragDrop(src("5m")), Entry::Refused);
        EXPECT_EQ(c.t.T_HAI_DragDrop(0, src("5m")), Entry::Refused);
        EXPECT_EQ(c.host.beeps, 2);
        EXPECT_EQ(c.t.List[0].count(), count);
        // Another kind is still welcome.
        EXPECT_EQ(c.t.Frame1_DragDrop(src("6m")), Entry::Accepted);
        expectEntryInvariants(c.t);
    }
}

TEST(HandEntry, KeysMatchWholeCodesOnly)
{
    // "11" and "1x" codes must not be confused by the key search.
    Calculator c;
    c.hand("1111s");
    EXPECT_EQ(c.t.Frame1_DragDrop(src("1m")), Entry::Accepted);
    EXPECT_EQ(c.t.Frame1_DragDrop(src("1z")), Entry::Accepted);
    EXPECT_EQ(c.host.beeps, 0);
}

TEST(HandEntry, RemovingAHandTileRedrawsAndHidesTheFormerLast)
{
    Calculator c;
    c.hand("147m");
    EXPECT_EQ(c.t.T_HAI_Click(1), Entry::Accepted);
    EXPECT_EQ(codes(c.t.List[0]), "01 07");
    expectEntryInvariants(c.t);
    EXPECT_FALSE(c.t.T_HAI[2].visible);
    EXPECT_EQ(c.t.T_HAI[2].image, image::kNone);
}

TEST(HandEntry, RemovingTheOnlyTileHidesTheFirstPicture)
{
    Calculator c;
    c.hand("1z");
    c.t.T_HAI_Click(0);
    EXPECT_FALSE(c.t.T_HAI[0].visible);
    EXPECT_TRUE(c.t.List[0].isEmpty());
}

TEST(HandEntry, RemovingFromAFullHandHidesTheLastPicture)
{
    Calculator c;
    c.hand("123456789m1234p");
    ASSERT_TRUE(c.t.T_HAI[12].visible);
    c.t.T_HAI_Click(0);
    EXPECT_FALSE(c.t.T_HAI[12].visible);
    EXPECT_EQ(c.t.List[0].count(), 12);
    expectEntryInvariants(c.t);
}

TEST(HandEntry, ClicksOnHiddenPicturesDoNothing)
{
    Calculator c;
    c.hand("12m");
    EXPECT_EQ(c.t.T_HAI_Click(5), Entry::Ignored);
    EXPECT_EQ(c.t.T_HAI_Click(13), Entry::Ignored);
    EXPECT_EQ(c.t.T_HAI_Click(-1), Entry::Ignored);
    EXPECT_EQ(c.t.List[0].count(), 2);
}

TEST(HandEntry, DropsFromOutsideThePaletteDoNothing)
{
    Calculator c;
    EXPECT_EQ(c.t.Frame1_DragDrop(-1), Entry::Ignored);
    EXPECT_EQ(c.t.Frame1_DragDrop(34), Entry::Ignored);
    EXPECT_EQ(c.t.HAI_DragDrop(40, 0), Entry::Ignored);
    EXPECT_TRUE(c.t.List[0].isEmpty());
}

TEST(HandEntry, MeldsShortenTheHand)
{
    // With meld 1 present the hand holds ten tiles; the eleventh is ignored.
    Calculator c;
    c.t.NAKI[1][0].visible = c.t.NAKI[1][1].visible = c.t.NAKI[1][2].visible = true;
    for (int i = 0; i < 3; ++i) c.t.List[1].add(Code::fromText("31"));
    c.hand("123456789m1p");
    EXPECT_EQ(c.t.List[0].count(), 10);
    EXPECT_EQ(c.host.beeps, 0);
}

TEST(TileCountChecks, PonKanAndChiLimits)
{
    struct Row {
        const char* name;
        const char* onTable;
        const char* key;
        void (TENHO::*check)();
        int over;
    };
    const Row rows[] = {
        {"pon with one copy on the table", "5m", "05", &TENHO::HAI_OVER2, 0},
        {"pon with two copies on the table", "55m", "05", &TENHO::HAI_OVER2, 1},
        {"kan with none on the table", "6m", "05", &TENHO::HAI_OVER3, 0},
        {"kan with one on the table", "5m", "05", &TENHO::HAI_OVER3, 1},
        {"chi with three of each", "555666777m", "05", &TENHO::HAI_OVER4, 0},
        {"chi with four of the middle tile", "6666m", "05", &TENHO::HAI_OVER4, 1},
        {"chi with four of the top tile", "7777m", "05", &TENHO::HAI_OVER4, 1},
        {"chi with four of the next suit's 1", "1111s", "07", &TENHO::HAI_OVER4, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator c;
        c.hand(r.onTable);
        c.t.DRAG_KEY = std::string(":") + r.key + ":";
        (c.t.*r.check)();
        EXPECT_EQ(c.t.OVER_FLAG, r.over);
    }
}

}  // namespace
}  // namespace tenho::testing
