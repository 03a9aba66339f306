// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

TEST(DriverValidation, MessagesInTheirOrder)
{
    struct Row {
        const char* name;
        int round;
        int seat;
        const char* hand;
        const char* win;
        const char* message;
    };
    const Row rows[] = {
        {"neither wind: only the seat-wind message", -1, -1, "", "", "自風が選択されていません"},
        {"no prevailing wind", -1, 0, "123m", "1m", "場風が選択されていません"},
        {"winning tile before the tile count", 0, 0, "", "", "和了牌がありません"},
        {"twelve concealed tiles", 0, 1, "123456789m123p", "", "和了牌がありません"},
        {"too few tiles", 0, 1, "123456789m12p", "5z", "牌の数がたりません"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator c;
        c.hand(r.hand);
        if (*r.win) c.win(r.win);
        c.winds(r.round, r.seat);
        c.t.cmdKEISAN_Click();
        ASSERT_EQ(c.host.messages.size(), 1u);
        EXPECT_EQ(c.host.messages[0], r.message);
        EXPECT_TRUE(c.host.shownDialogs.empty());
    }
}

TEST(DriverValidation, LoadedDialogHoldsOnlyTheZeroTotalAfterAMessage)
{
    Calculator c;
    c.winds(0, 0);
    c.t.cmdKEISAN_Click();
    ASSERT_TRUE(c.t.hanNumber.has_value());
    EXPECT_EQ(c.t.hanNumber->Label3, "0");
    EXPECT_TRUE(c.t.hanNumber->Label1.empty());
}

// A kan's fourth tile is not a tile of the fourteen: one kan and nine
// concealed tiles make thirteen items but only twelve tiles of the hand.
TEST(DriverValidation, KanFourthTileDoesNotMakeUpForAMissingTile)
{
    Calculator c;
    for (int i = 0; i < 4; ++i) c.t.List[1].add(Code::fromText("31"));
    for (auto& p : c.t.NAKI[1]) p.visible = true;
    c.hand("123456789m");
    c.win("1p");
    c.winds(0, 1);
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.messages.size(), 1u);
    EXPECT_EQ(c.host.messages[0], "牌の数がたりません");
}

TEST(Reporting, NewestYakuOnTopWithCrLfAfterEachLine)
{
    Calculator c;
    c.t.HAN().Label3 = "0";
    c.t.reportYaku("平和", "１翻", 1);
    c.t.reportYaku("断公九", "１翻", 1);
    c.t.reportYaku("三色同順", "２翻", 2);
    const HAN_number& h = *c.t.hanNumber;
    EXPECT_EQ(h.Label1, "三色同順\r\n断公九\r\n平和\r\n");
    EXPECT_EQ(h.Label2, "２翻\r\n１翻\r\n１翻\r\n");
    EXPECT_EQ(h.Label3, "4");
}

TEST(Reporting, YakumanReplacesTheColumnsAndStops)
{
    Calculator c;
    c.t.reportYaku("平和", "１翻", 1);
    c.t.reportYakuman("国士無双");
    ASSERT_EQ(c.host.shownDialogs.size(), 1u);
    const HAN_number& h = c.host.lastDialog();
    EXPECT_EQ(h.Label1, "国士無双");
    EXPECT_EQ(h.Label2, "１３翻");
    EXPECT_EQ(h.Label3, "１３翻");
    EXPECT_EQ(c.t.HANTEI, 1);
}

TEST(ResultDialog, ExistsFromTheFirstLabelWriteUntilAButton)
{
    Calculator c;
    EXPECT_FALSE(c.t.hanNumber.has_value());
    c.t.HAN().Label1 = "x";
    EXPECT_TRUE(c.t.hanNumber.has_value());
    EXPECT_EQ(c.t.hanNumber->Label4FontSize, 12.75);
    EXPECT_TRUE(c.t.hanNumber->Label5Visible);
    c.t.Command1_Click();
    EXPECT_FALSE(c.t.hanNumber.has_value());
    EXPECT_TRUE(c.t.HAN().Label1.empty());  // created again with empty labels
}

TEST(ResultDialog, RedoKeepsTheHandAndOkResetsIt)
{
    for (const auto button :
         {HanNumberButton::Command1, HanNumberButton::Command2, HanNumberButton::Closed}) {
        Calculator c;
        c.hand("123456789m1234p");
        c.win("4p");
        c.dora("1z");
        c.winds(1, 2);
        c.t.selectTUMO_END();
        c.host.hanButtons.push_back(button);
        c.t.cmdKEISAN_Click();
        ASSERT_EQ(c.host.shownDialogs.size(), 1u);
        EXPECT_FALSE(c.t.hanNumber.has_value());
        const bool reset = button == HanNumberButton::Command2;
        EXPECT_EQ(c.t.List[0].isEmpty(), reset);
        EXPECT_EQ(c.t.Text1.empty(), reset);
        EXPECT_EQ(c.t.List2.isEmpty(), reset);
        EXPECT_EQ(c.t.B_list, reset ? -1 : 1);
        EXPECT_EQ(c.t.RON_END, reset);
        expectEntryInvariants(c.t);
        if (!reset) {
            // Calculating again shows the same result.
            c.t.cmdKEISAN_Click();
            ASSERT_EQ(c.host.shownDialogs.size(), 2u);
            EXPECT_EQ(c.host.shownDialogs[0], c.host.shownDialogs[1]);
        }
    }
}

TEST(AllReset, LeavesTheWindowAsAtStartExceptRulesAndCaption)
{
    Calculator c;
    const std::string caption(c.t.caption);
    c.t.RULE_KUITAN = 1;
    c.hand("123456789m");
    c.win("1z");
    c.dora("2z");
    c.winds(2, 3);
    c.t.selectTUMO_END();
    for (auto& box : c.t.C_OPTION) box = CheckBox{1, true};
    c.t.JUMP[4].visible = true;
    c.t.KAN_KAN[2][1].visible = true;
    c.t.NAKI[3][2] = Picture{5, true};
    c.t.List[3].add(Code::fromText("05"));
    c.t.ListEND[4].add(Code::fromText("05"));

    c.t.cmdRESET_Click();

    TENHO fresh(c.host);
    fresh.Form_Load();
    EXPECT_EQ(c.t.B_list, -1);
    EXPECT_EQ(c.t.I_list, -1);
    EXPECT_TRUE(c.t.RON_END);
    EXPECT_FALSE(c.t.TUMO_END);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(c.t.C_OPTION[i], fresh.C_OPTION[i]) << i;
    EXPECT_EQ(c.t.C_OPTION[5], (CheckBox{1, true}));  // never touched by the reset
    EXPECT_EQ(c.t.T_HAI, fresh.T_HAI);
    EXPECT_EQ(c.t.NAKI, fresh.NAKI);
    EXPECT_EQ(c.t.KAN_KAN, fresh.KAN_KAN);  // face-down images stay
    EXPECT_EQ(c.t.JUMP, fresh.JUMP);
    EXPECT_EQ(c.t.DORA, fresh.DORA);
    EXPECT_EQ(c.t.ENDPAI, fresh.ENDPAI);
    EXPECT_TRUE(c.t.Text1.empty());
    for (const auto& l : c.t.List) EXPECT_TRUE(l.isEmpty());
    for (const auto& l : c.t.ListEND) EXPECT_TRUE(l.isEmpty());
    EXPECT_TRUE(c.t.List2.isEmpty());
    EXPECT_EQ(c.t.RULE_KUITAN, 1);
    EXPECT_EQ(c.t.caption, caption);
    expectEntryInvariants(c.t);
}

TEST(MainWindow, CaptionAtStartUp)
{
    Calculator c;
    EXPECT_EQ(c.t.caption, " 天和 麻雀点数計算　　 [  あとづけ（○）　食いタン（×）　連和（×） ]");
    EXPECT_EQ(c.t.RULE_KUITAN, 0);
    EXPECT_EQ(c.t.RULE_ATODUKE, 1);
    EXPECT_EQ(c.t.RULE_RENHOU, 0);
}

TEST(MainWindow, StartStateOfTheControls)
{
    Calculator c;
    EXPECT_TRUE(c.t.RON_END);
    EXPECT_FALSE(c.t.TUMO_END);
    const bool enabled[] = {true, true, false, true, true, false};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(c.t.C_OPTION[i].value, 0);
        EXPECT_EQ(c.t.C_OPTION[i].enabled, enabled[i]) << i;
    }
    EXPECT_EQ(TENHO::kB_listItems[0], "東 　場");
    EXPECT_EQ(TENHO::kI_listItems[0], "東   家");
    EXPECT_EQ(TENHO::kI_listItems[1], "南　 家");
    for (const auto& p : c.t.JUMP) EXPECT_EQ(p, (Picture{image::kPlaceholder, false}));
}

TEST(NakiHantei, ClosedWhenEveryMeldIsAClosedKan)
{
    struct Row {
        const char* name;
        int melds;
        bool closedKan[5];
        int flag;
    };
    const Row rows[] = {
        {"no meld", 0, {}, 0},
        {"one open meld", 1, {false, false}, 1},
        {"one closed kan", 1, {false, true}, 0},
        {"closed kan then open meld", 2, {false, true, false}, 1},
        {"open meld then closed kan", 2, {false, false, true}, 1},
        {"two closed kans", 2, {false, true, true}, 0},
        {"three closed kans", 3, {false, true, true, true}, 0},
        {"four closed kans", 4, {false, true, true, true, true}, 0},
        {"three closed kans and an open meld", 4, {false, true, true, true, false}, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator c;
        for (int k = 1; k <= r.melds; ++k) {
            for (auto& p : c.t.NAKI[static_cast<std::size_t>(k)]) p.visible = true;
            c.t.KAN_KAN[static_cast<std::size_t>(k)][0].visible = r.closedKan[k];
        }
        c.t.NAKI_FLAG = 7;
        c.t.NAKI_HANTEI();
        EXPECT_EQ(c.t.NAKI_FLAG, r.flag);
    }
}

}  // namespace
}  // namespace tenho::testing
