// SPDX-License-Identifier: GPL-3.0-or-later
// Many generated hands through the whole road: entry, 計算 and the dialog's
// buttons. Every calculation ends in exactly one message or one dialog, and
// "OK" always leaves the calculator as a reset does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state_text.h"
#include "core/test_support.h"
#include "hand_generator.h"

namespace tenho::testing {
namespace {

TEST(Robustness, EveryGeneratedHandEndsInOneResult)
{
    // One replay for every hand, as a batch scores them: no hand may depend
    // on the one before.
    bench::HandGenerator gen(99);
    cli::HandReplay replay;
    int dialogs = 0;
    for (int n = 0; n < 3000; ++n) {
        const std::string line = gen.next();
        const auto storage = bench::optionWords(line);
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        const auto parsed = cli::parseOptions(words);
        ASSERT_TRUE(parsed.error.empty()) << line << ": " << parsed.error;
        const auto outcome = replay.score(parsed.options);
        ASSERT_NE(outcome.kind, cli::Outcome::Kind::Error) << line << ": " << outcome.message;
        EXPECT_EQ(cli::toJson(outcome), cli::toJson(cli::score(parsed.options))) << line;
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

TEST(Robustness, AWholeHandInOnePassLeavesWhatTheHandlersLeave)
{
    // Each hand entered twice on one replay, in one pass and then through
    // the handlers one by one: the same answer, the same calculator member
    // for member (its pictures' addresses included) and the same host. Some
    // hands get one more option, which the window refuses or ignores at
    // some step, or accepts.
    const std::vector<std::vector<std::string>> extras = {
        {},
        {"--dora", "1z1z1z1z1z"},
        {"--dora", "1m2m3m4m5m"},
        {"--hand", "7z"},
        {"--riichi"},
        {"--ippatsu"},
        {"--riichi", "--haitei", "--dora", "1p2p3p4p5p6p7p8p9p"},
        {"--first-turn", "--double-riichi"},
        {"--win", "5z"},
        {"--chi", "789p"},
        {"--pon", "777z"},
        {"--ankan", "1111s"},
    };
    // And hands cut short, whose last step is a meld, the winning tile or
    // an indicator.
    const std::vector<std::string> partial = {
        "--chi 123m",
        "--chi 345s --pon 555z",
        "--ankan 1111m --kan 9999p",
        "--win 1m",
        "--dora 1m2m",
        "--pon 111z --win 1z",
        "--chi 789s --dora 9s",
        "",
        "--chi 123m --chi 123m --chi 123m --chi 123m --hand 1m"};
    bench::HandGenerator gen(31);
    cli::HandReplay replay;
    int refused = 0;
    for (int n = 0; n < 4000; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        auto storage = bench::optionWords(i < partial.size() ? partial[i] : gen.next());
        const auto& extra = extras[i % extras.size()];
        storage.insert(storage.begin(), extra.begin(), extra.end());
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        const auto parsed = cli::parseOptions(words);
        if (!parsed.error.empty()) continue;
        const auto answer = [&](bool stepByStep) {
            replay.stepByStep = stepByStep;
            const auto outcome = replay.enter(parsed.options);
            const cli::ReplayHost& h = replay.host();
            return (outcome ? outcome->message : "entered") + "\n" +
                   stateText(replay.calculator()) + "beeps " + std::to_string(h.beeps) + " meld " +
                   std::to_string(static_cast<int>(h.pendingMeld)) + " chi hidden " +
                   std::to_string(h.chiWasHidden) + "\n";
        };
        const std::string direct = answer(false);
        const std::string stepped = answer(true);
        ASSERT_EQ(direct, stepped) << words.size() << " words, hand " << n;
        refused += direct.starts_with("entered") ? 0 : 1;
    }
    replay.stepByStep = false;
    EXPECT_GT(refused, 500);
}

TEST(Robustness, OkAfterAnyResultResetsTheCalculator)
{
    bench::HandGenerator gen(7);
    for (int n = 0; n < 500; ++n) {
        const auto storage = bench::optionWords(gen.next());
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        const auto options = cli::parseOptions(words).options;

        cli::HandReplay replay;
        const auto refused = replay.enter(options);
        ASSERT_FALSE(refused) << refused->message;
        TENHO& t = replay.calculator();
        expectEntryInvariants(t);

        replay.host().hanNumberAnswer = HanNumberButton::Command2;
        t.cmdKEISAN_Click();
        ASSERT_EQ(replay.host().dialogsShown + replay.host().messagesShown, 1);
        if (replay.host().messagesShown == 0) {
            EXPECT_FALSE(t.hanNumber.has_value());
            EXPECT_TRUE(t.List[0].isEmpty());
            EXPECT_EQ(t.I_list, -1);
            expectEntryInvariants(t);
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
