// SPDX-License-Identifier: GPL-3.0-or-later
// The result dialog across calculations: "やり直す" keeps the hand, "OK"
// resets the calculator, and a validation message leaves nothing behind.
#include "core/golden_support.h"

namespace tenho::testing {
namespace {

const GoldenRow kPinfu{
    "平和 断公九",
    {"34m567m345p678s55s", "2m", "", ""},
    {"断公九\r\n平和\r\n", "１翻\r\n１翻\r\n", "2翻", "2000点", "30符", kPlainPt, true}};

void expectSame(const HAN_number& got, const Shown& want, const char* what)
{
    EXPECT_TRUE(got == dialogOf(want)) << what << "\n expected:\n"
                                       << describe(dialogOf(want)) << " shown:\n"
                                       << describe(got);
}

TEST(GoldenResultDialog, RecalculatingAfterRetryShowsTheSameResult)
{
    for (const GoldenRow& row : {kPinfu,
                                 GoldenRow{"5 han, fu hidden",
                                           {"11m44m66p88p33s55s7s", "7s", "", "riichi dora=3m"},
                                           {"立直\r\n七対子\r\n  ドラ", "１翻\r\n２翻\r\n２翻",
                                            "5翻", "8000点", "", kPlainPt, false}},
                                 GoldenRow{"四暗刻",
                                           {"111m555m222p77s99s", "7s", "", "tsumo"},
                                           {"四暗刻", "１３翻", "１３翻",
                                            "16000点（親）・8000点（子）", "", kSplitPt, true}}}) {
        SCOPED_TRACE(row.name);
        Calculator c;
        enter(c, row.deal);
        c.host.hanButtons = {HanNumberButton::Command1, HanNumberButton::Command1};
        c.t.cmdKEISAN_Click();
        c.t.cmdKEISAN_Click();
        ASSERT_EQ(c.host.shownDialogs.size(), 2u);
        expectSame(c.host.shownDialogs[0], row.shown, "first");
        expectSame(c.host.shownDialogs[1], row.shown, "second");
    }
}

TEST(GoldenResultDialog, NothingLeftOverFromAValidationMessage)
{
    Calculator c;
    enter(c, {kPinfu.deal.hand, "", "", ""});
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.messages.size(), 1u);
    EXPECT_EQ(c.host.messages[0], "和了牌がありません");
    c.win(kPinfu.deal.win);
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.shownDialogs.size(), 1u);
    expectSame(c.host.shownDialogs[0], kPinfu.shown, "after the message");
}

TEST(GoldenResultDialog, OkResetsTheCalculator)
{
    Calculator c;
    enter(c, kPinfu.deal);
    c.host.hanButtons = {HanNumberButton::Command2};
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.shownDialogs.size(), 1u);
    expectSame(c.host.shownDialogs[0], kPinfu.shown, "shown");
    EXPECT_FALSE(c.t.hanNumber.has_value());
    EXPECT_TRUE(c.t.List[0].isEmpty());
    EXPECT_TRUE(c.t.Text1.empty());
    EXPECT_EQ(c.t.I_list, -1);
    EXPECT_EQ(c.t.B_list, -1);
}

// 緑一色 is the one yakuman after which the driver runs on to the next
// detectors. When "OK" has reset the calculator meanwhile, the all-honours
// test reads "" from the emptied groups, which is no honour: nothing more
// is shown.
TEST(GoldenResultDialog, OkOnAllGreenShowsNothingMore)
{
    Calculator c;
    enter(c, {"222333444666s6z", "6z", "", "tsumo"});
    c.host.hanButtons = {HanNumberButton::Command2, HanNumberButton::Command1};
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.shownDialogs.size(), 1u);
    expectSame(c.host.shownDialogs[0],
               {"緑一色", "１３翻", "１３翻", "16000点（親）・8000点（子）", "", kSplitPt, true},
               "緑一色");
    EXPECT_FALSE(c.t.hanNumber.has_value());
    EXPECT_TRUE(c.t.List[0].isEmpty());
}

// What Ctrl+C in the dialog copies: yaku and han, total and fu, payment.
TEST(GoldenResultDialog, PlainTextForTheClipboard)
{
    struct Row {
        const char* name;
        Deal deal;
        const char* text;
    };
    const Row rows[] = {
        {"平和 断公九", kPinfu.deal, "断公九　１翻\n平和　１翻\n2翻　30符\n2000点\n"},
        {"fu hidden",
         {"11m44m66p88p33s55s7s", "7s", "", "riichi dora=3m"},
         "立直　１翻\n七対子　２翻\n  ドラ　２翻\n5翻\n8000点\n"},
        {"yakuman",
         {"111m555m222p77s99s", "7s", "", "tsumo"},
         "四暗刻　１３翻\n１３翻\n16000点（親）・8000点（子）\n"},
        {"no split", {"13579m2468p1357s", "9s", "", ""}, "聴牌していません\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator c;
        enter(c, r.deal);
        c.t.cmdKEISAN_Click();
        ASSERT_EQ(c.host.shownDialogs.size(), 1u);
        EXPECT_EQ(resultText(c.host.shownDialogs[0]), r.text);
    }
}

}  // namespace
}  // namespace tenho::testing
