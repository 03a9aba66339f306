// SPDX-License-Identifier: GPL-3.0-or-later
// Many generated hands through the whole road: entry, 計算 and the dialog's
// buttons. Every calculation ends in exactly one message or one dialog, and
// "OK" always leaves the calculator as a reset does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/test_support.h"
#include "hand_generator.h"

namespace tenho::testing {
namespace {

std::vector<std::string> splitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const auto end = line.find(' ', start);
        words.push_back(line.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return words;
}

TEST(Robustness, EveryGeneratedHandEndsInOneResult)
{
    bench::HandGenerator gen(99);
    int dialogs = 0;
    for (int n = 0; n < 3000; ++n) {
        const std::string line = gen.next();
        const auto storage = splitWords(line);
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        const auto parsed = cli::parseOptions(words);
        ASSERT_TRUE(parsed.error.empty()) << line << ": " << parsed.error;
        const auto outcome = cli::score(parsed.options);
        ASSERT_NE(outcome.kind, cli::Outcome::Kind::Error) << line << ": " << outcome.message;
        if (outcome.kind != cli::Outcome::Kind::Dialog) continue;
        ++dialogs;
        const HAN_number& d = outcome.dialog;
        EXPECT_FALSE(d.Label1.empty()) << line;
        const bool plain = d.Label1 == "役がありません" || d.Label1 == "聴牌していません";
        if (!plain) {
            EXPECT_FALSE(d.Label4.empty()) << line << " has no payment";
            EXPECT_TRUE(d.Label3.ends_with("翻")) << line;
        }
    }
    EXPECT_GT(dialogs, 2000);
}

TEST(Robustness, OkAfterAnyResultResetsTheCalculator)
{
    bench::HandGenerator gen(7);
    for (int n = 0; n < 500; ++n) {
        const auto storage = splitWords(gen.next());
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        const auto options = cli::parseOptions(words).options;

        Calculator c;
        c.host.formOptionAnswer = form_OPTION{options.kuitan ? 0 : 1, 0, options.renhou ? 0 : 1};
        c.t.SYSTEM_Click();
        for (std::size_t k = 0; k < options.melds.size(); ++k) {
            const auto kind = options.melds[k].kind;
            c.host.nakiAnswers.push_back(kind == cli::MeldKind::Chi   ? 0
                                         : kind == cli::MeldKind::Pon ? 1
                                                                      : 2);
            if (kind == cli::MeldKind::Kan || kind == cli::MeldKind::Ankan)
                c.host.kanAnswers.push_back(kind == cli::MeldKind::Ankan ? 0 : 1);
            c.t.formMeld(static_cast<int>(k) + 1, paletteIndex(options.melds[k].tiles[0]));
        }
        for (Code t : options.hand) c.t.Frame1_DragDrop(paletteIndex(t));
        if (options.win) c.t.Frame7_DragDrop(paletteIndex(*options.win));
        for (int b = 0; b < 5; ++b)
            if (options.boxes[b]) c.t.clickC_OPTION(b);
        for (Code t : options.dora) c.t.Frame6_DragDrop(paletteIndex(t));
        if (options.tsumo) c.t.selectTUMO_END();
        c.winds(options.round, options.seat);
        expectEntryInvariants(c.t);

        c.host.hanButtons.push_back(HanNumberButton::Command2);
        c.t.cmdKEISAN_Click();
        ASSERT_EQ(c.host.shownDialogs.size() + c.host.messages.size(), 1u);
        if (c.host.messages.empty()) {
            EXPECT_FALSE(c.t.hanNumber.has_value());
            EXPECT_TRUE(c.t.List[0].isEmpty());
            EXPECT_EQ(c.t.I_list, -1);
            expectEntryInvariants(c.t);
        }
    }
}

TEST(Robustness, OkOnTheAllGreenDialogShowsNothingMore)
{
    // The driver goes on after 緑一色 until its next stop; after "OK" it
    // runs on a reset calculator and must not find another yakuman there.
    Calculator c;
    c.hand("222333444666s8s");
    c.win("8s");
    c.winds(0, 1);
    c.host.hanButtons.push_back(HanNumberButton::Command2);
    c.t.cmdKEISAN_Click();
    ASSERT_EQ(c.host.shownDialogs.size(), 1u);
    EXPECT_EQ(c.host.lastDialog().Label1, "緑一色");
    EXPECT_FALSE(c.t.hanNumber.has_value());
    EXPECT_TRUE(c.t.List[0].isEmpty());
}

}  // namespace
}  // namespace tenho::testing
