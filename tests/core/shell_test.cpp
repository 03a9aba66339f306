// SPDX-License-Identifier: GPL-3.0-or-later
// The house-rule dialog, the help file, the home page and the version dialog.
#include <gtest/gtest.h>

#include <string>

#include "core/state_text.h"
#include "core/test_support.h"
#include "shell/addresses.h"

namespace tenho::testing {
namespace {

constexpr const char* kStartCaption =
    " 天和 麻雀点数計算　　 [  あとづけ（○）　食いタン（×）　連和（×） ]";

TEST(RuleOptions, CaptionAndFlagsAfterEachChoice)
{
    struct Row {
        int option1, option2, option3;  // 0 = あり, 1 = なし
        Integer kuitan, atoduke, renhou;
        const char* caption;
    };
    // The dialog writes its own spacing even when nothing changed.
    const Row rows[] = {
        {1, 0, 1, 0, 1, 0, " 天和 麻雀点数計算　   [　あとづけ（○）　食いタン（×）　連和（×） ]"},
        {0, 0, 1, 1, 1, 0, " 天和 麻雀点数計算　   [　あとづけ（○）　食いタン（○）　連和（×） ]"},
        {1, 0, 0, 0, 1, 1, " 天和 麻雀点数計算　   [　あとづけ（○）　食いタン（×）　連和（○） ]"},
        {0, 0, 0, 1, 1, 1, " 天和 麻雀点数計算　   [　あとづけ（○）　食いタン（○）　連和（○） ]"},
        // The window never lets あとづけ change; the confirmation still knows both forms.
        {1, 1, 1, 0, 0, 0, " 天和 麻雀点数計算 　  [　あとづけ（×）　食いタン（×）　連和（×） ]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        Calculator c;
        ASSERT_EQ(c.t.caption, kStartCaption);
        c.host.formOptionAnswer = form_OPTION{row.option1, row.option2, row.option3};
        c.t.SYSTEM_Click();
        ASSERT_EQ(c.host.formOptionSeen.size(), 1u);
        EXPECT_EQ(c.t.RULE_KUITAN, row.kuitan);
        EXPECT_EQ(c.t.RULE_ATODUKE, row.atoduke);
        EXPECT_EQ(c.t.RULE_RENHOU, row.renhou);
        EXPECT_EQ(c.t.caption, row.caption);

        // Reopened, the dialog shows the stored choice.
        c.host.formOptionConfirm = false;
        c.t.SYSTEM_Click();
        const form_OPTION& seen = c.host.formOptionSeen.back();
        EXPECT_EQ(seen.Option1, row.option1);
        EXPECT_EQ(seen.Option2, row.option2);
        EXPECT_EQ(seen.Option3, row.option3);

        // A new start returns to the defaults.
        c.t.Form_Load();
        EXPECT_EQ(c.t.caption, kStartCaption);
        EXPECT_EQ(c.t.RULE_KUITAN, 0);
        EXPECT_EQ(c.t.RULE_ATODUKE, 1);
        EXPECT_EQ(c.t.RULE_RENHOU, 0);
    }
}

TEST(RuleOptions, ARestartFromACopyTakenAfterTheRulesIsTheirState)
{
    Calculator c;
    c.host.formOptionAnswer = form_OPTION{0, 0, 0};
    c.t.restart();
    c.t.Form_Load();
    c.t.SYSTEM_Click();
    const TENHOState start = c.t;
    const std::string rules = stateText(c.t);

    c.hand("123m456p789s1122z");
    c.win("2z");
    c.dora("5z");
    c.t.cmdKEISAN_Click();
    ASSERT_NE(stateText(c.t), rules);
    c.t.restart(start);
    EXPECT_EQ(stateText(c.t), rules);
}

TEST(RuleOptions, ClosedThroughTheFrameChangesNothing)
{
    Calculator c;
    c.host.formOptionAnswer = form_OPTION{0, 0, 0};
    c.host.formOptionConfirm = false;
    c.t.SYSTEM_Click();
    const form_OPTION& seen = c.host.formOptionSeen.at(0);
    EXPECT_EQ(seen.Option1, 1);
    EXPECT_EQ(seen.Option2, 0);
    EXPECT_EQ(seen.Option3, 1);
    EXPECT_FALSE(form_OPTION::kFrame2Enabled);
    EXPECT_EQ(c.t.caption, kStartCaption);
    EXPECT_EQ(c.t.RULE_KUITAN, 0);
    EXPECT_EQ(c.t.RULE_RENHOU, 0);
}

TEST(Help, FileInTheApplicationFolderWithOneSeparator)
{
    const std::pair<const char*, const char*> rows[] = {
        {"/usr/libexec/tenho", "/usr/libexec/tenho/TOVARI.HLP"},
        {"/usr/libexec/tenho/", "/usr/libexec/tenho/TOVARI.HLP"},
        {"/", "/TOVARI.HLP"},
        {"C:\\", "C:\\TOVARI.HLP"},
    };
    for (const auto& [folder, file] : rows) {
        SCOPED_TRACE(folder);
        Calculator c;
        c.t.appPath = folder;
        EXPECT_EQ(c.t.helpFilePath(), file);
    }
}

TEST(Help, OpensTheFileFromItsFolderWithTheWindowAsOwner)
{
    Calculator c;
    c.t.appPath = "/opt/tenho";
    c.t.HELP_Click();
    ASSERT_EQ(c.host.opened.size(), 1u);
    EXPECT_EQ(c.host.opened[0].target, "/opt/tenho/TOVARI.HLP");
    EXPECT_EQ(c.host.opened[0].folder, "/opt/tenho");
    EXPECT_FALSE(c.host.opened[0].desktopOwner);
}

TEST(VersionDialog, Texts)
{
    Calculator c;
    c.t.VER_Click();
    ASSERT_EQ(c.host.verShown.size(), 1u);
    const VER_info& v = c.host.verShown[0];
    EXPECT_EQ(v.caption, "バージョン情報");
    EXPECT_EQ(v.title, "天和 麻雀点数計算");
    EXPECT_EQ(v.version, "Ver 0.97");
    EXPECT_EQ(v.date, "（2000/8/30）");
    EXPECT_FALSE(v.description.empty());
    EXPECT_EQ(v.author, "天和 プロジェクト");
    EXPECT_EQ(v.credits[0].name, "天和 プロジェクト（制作）");
    EXPECT_EQ(v.credits[1].name, "天和 プロジェクト（画）");
    for (const CreditRow& row : v.credits) {
        EXPECT_EQ(row.homePage, kHomePage);
        EXPECT_EQ(row.mail, kMail);
    }
    EXPECT_FALSE(kHomePage.empty());
}

TEST(VersionDialog, HomePageLabelsAndTheMenuOpenTheSameAddress)
{
    Calculator c;
    c.host.verLabel4Clicks = {1, 0};
    c.t.VER_Click();
    c.t.HP_URL_Click();
    ASSERT_EQ(c.host.opened.size(), 3u);
    const VER_info& v = c.host.verShown.at(0);
    EXPECT_EQ(c.host.opened[0].target, v.credits[1].homePage);
    EXPECT_EQ(c.host.opened[1].target, v.credits[0].homePage);
    EXPECT_EQ(c.host.opened[2].target, v.credits[0].homePage);
    for (const auto& o : c.host.opened) {
        EXPECT_TRUE(o.desktopOwner);
        EXPECT_EQ(o.folder, "");
    }
}

}  // namespace
}  // namespace tenho::testing
