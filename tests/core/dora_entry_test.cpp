// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

TEST(DoraEntry, IndicatorsKeepTheirEntryOrder)
{
    Calculator c;
    c.dora("7z5m");
    EXPECT_EQ(codes(c.t.List2), "91 05");
    EXPECT_EQ(c.t.DORA[0].image, paletteIndex(Code::fromText("91")));
    expectEntryInvariants(c.t);
}

TEST(DoraEntry, FifthIndicatorIsIgnoredWithoutARiichiBox)
{
    Calculator c;
    c.dora("1234m");
    EXPECT_EQ(c.t.Frame6_DragDrop(src("5m")), Entry::Ignored);
    EXPECT_EQ(c.t.DORA_DragDrop(0, src("5m")), Entry::Ignored);
    EXPECT_EQ(c.t.List2.count(), 4);
    EXPECT_EQ(c.host.beeps, 0);
}

TEST(DoraEntry, EightIndicatorsWhileARiichiTypeBoxIsOn)
{
    for (int box = 0; box < 3; ++box) {
        Calculator c;
        c.t.C_OPTION[static_cast<std::size_t>(box)].value = 1;
        c.dora("12345678m");
        EXPECT_EQ(c.t.List2.count(), 8) << box;
        EXPECT_EQ(c.t.Frame6_DragDrop(src("9m")), Entry::Ignored) << box;
        expectEntryInvariants(c.t);
    }
}

TEST(DoraEntry, RemovingAnIndicatorMovesTheLaterOnesLeft)
{
    Calculator c;
    c.dora("123m");
    EXPECT_EQ(c.t.DORA_Click(1), Entry::Accepted);
    EXPECT_EQ(codes(c.t.List2), "01 03");
    EXPECT_EQ(c.t.DORA[1].image, paletteIndex(Code::fromText("03")));
    EXPECT_FALSE(c.t.DORA[2].visible);
    expectEntryInvariants(c.t);
}

TEST(DoraEntry, RemovingTheEighthHidesIt)
{
    Calculator c;
    c.t.C_OPTION[0].value = 1;
    c.dora("12345678p");
    c.t.DORA_Click(0);
    EXPECT_EQ(c.t.List2.count(), 7);
    expectEntryInvariants(c.t);
}

TEST(DoraEntry, UradoraKesuLeavesTheFirstFour)
{
    Calculator c;
    c.t.C_OPTION[0].value = 1;
    c.dora("123456s");
    c.t.C_OPTION[0].value = 0;
    c.t.URADORA_KESU();
    EXPECT_EQ(codes(c.t.List2), "11 12 13 14");
    expectEntryInvariants(c.t);
}

TEST(DoraEntry, FifthCopyOfAnIndicatorIsRefused)
{
    Calculator c;
    c.hand("333z");
    c.win("3z");
    EXPECT_EQ(c.t.Frame6_DragDrop(src("3z")), Entry::Refused);
    EXPECT_EQ(c.host.beeps, 1);
    EXPECT_TRUE(c.t.List2.isEmpty());
}

TEST(WinningTile, ADropOnASetWinningTileIsIgnored)
{
    Calculator c;
    EXPECT_EQ(c.t.Frame7_DragDrop(src("1m")), Entry::Accepted);
    EXPECT_EQ(c.t.Frame7_DragDrop(src("2m")), Entry::Ignored);
    EXPECT_EQ(c.t.Text1, Code::fromText("01"));
    EXPECT_EQ(c.t.ENDPAI_Click(), Entry::Accepted);
    EXPECT_TRUE(c.t.Text1.empty());
    EXPECT_EQ(c.t.ENDPAI, Picture{});
    EXPECT_EQ(c.t.Frame7_DragDrop(src("2m")), Entry::Accepted);
    EXPECT_EQ(c.t.Text1, Code::fromText("02"));
    expectEntryInvariants(c.t);
}

TEST(WinningTile, FifthCopyIsRefusedWithABeep)
{
    Calculator c;
    c.hand("999p");
    c.dora("9p");
    EXPECT_EQ(c.t.Frame7_DragDrop(src("9p")), Entry::Refused);
    EXPECT_EQ(c.host.beeps, 1);
    EXPECT_FALSE(c.t.ENDPAI.visible);
}

}  // namespace
}  // namespace tenho::testing
