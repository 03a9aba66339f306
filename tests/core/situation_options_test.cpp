// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/entry_script.h"
#include "core/test_support.h"

namespace tenho::testing {
namespace {

// Puts the calculator into a given box state: `melds` are formed first (the
// script letters of play()), then indicators are entered (six when a
// riichi-type box is on in `before`, else four), then the boxes are set.
void prepare(Calculator& c, std::string_view melds, std::string_view before)
{
    play(c, melds);
    const Boxes b = boxes(before);
    const bool riichiType = b[0].value == 1 || b[1].value == 1 || b[2].value == 1;
    c.t.C_OPTION[0].value = 1;
    c.dora(riichiType ? "123456s" : "1234s");
    c.t.C_OPTION = b;
}

TEST(SituationOptions, InterlockTableFirstMatchingRowApplies)
{
    struct Row {
        const char* row;
        const char* melds;
        const char* before;
        int click;
        const char* after;
        bool trims;  // URADORA_KESU runs: six indicators become four
    };
    // Some start states cannot be reached by clicks; they are here because
    // they make a row's condition hold where the rows above it do not.
    const std::vector<Row> rows = {
        {"リーチ on", "", "R0e W0e I0d F0e H0e K0d", 0, "R1e W0d I0e F0d H0e K0d", false},
        {"リーチ on under ハイテイ", "", "R0e W0d I0d F0d H1e K0d", 0, "R1e W0d I0e F0d H1e K0d",
         false},
        {"リーチ off, ハイテイ on", "", "R1e W0d I1e F0d H1e K0d", 0, "R0e W0d I0d F0d H1e K0d",
         true},
        {"リーチ off, otherwise", "", "R1e W0d I1e F0d H0e K0d", 0, "R0e W0e I0d F0e H0e K0d",
         true},
        {"ダブリー on", "", "R0e W0e I0d F0e H0e K1d", 1, "R0d W1e I0e F0d H0d K0d", false},
        {"ダブリー off", "", "R0d W1e I1e F0d H0d K0d", 1, "R0e W0e I0d F0e H0e K0d", true},
        {"一発 on, リーチ on", "", "R1e W0d I0e F0d H0e K0d", 2, "R1e W0d I1e F0d H0e K0d", false},
        {"一発 on, ハイテイ on", "", "R0e W0d I0e F0e H1e K0d", 2, "R0e W0d I1e F0e H1e K0d",
         false},
        {"一発 on, otherwise", "", "R0e W1e I0e F0e H0d K0d", 2, "R0d W1e I1e F0d H0d K0d", false},
        {"一発 off, リーチ on", "", "R1e W0d I1e F0d H0e K0d", 2, "R1e W0d I0e F0d H0e K0d", false},
        {"一発 off, ハイテイ on", "", "R0d W0d I1e F0d H1e K0d", 2, "R0e W0d I0e F0d H1e K0d",
         true},
        {"一発 off, ダブリー on", "", "R0d W1e I1e F0d H0d K0d", 2, "R0d W1e I0e F0d H0d K0d",
         false},
        {"一発 off, otherwise", "", "R0d W0d I1e F0d H0e K0d", 2, "R0e W0e I0d F0e H0e K0d", true},
        {"一巡目 on", "", "R0e W0e I0d F0e H0e K1d", 3, "R0d W0d I0d F1e H0d K0d", false},
        {"一巡目 off", "", "R0d W0d I0d F1e H0d K1d", 3, "R0e W0e I0d F0e H0e K0d", false},
        {"ハイテイ on", "", "R0e W0e I0d F0e H0e K0d", 4, "R0e W0d I0d F0d H1e K0d", false},
        {"ハイテイ off, リーチ on", "", "R1e W0d I0e F0d H1e K0d", 4, "R1e W0d I0e F0d H0e K0d",
         false},
        {"ハイテイ off, 一発 on", "", "R0e W0e I1e F0d H1e K0d", 4, "R0e W0d I1e F0d H0e K0d",
         false},
        {"ハイテイ off, no meld", "", "R0d W0d I0e F0d H1e K0d", 4, "R0e W0e I0d F0e H0e K0d",
         false},
        {"ハイテイ off, closed kans only", "aa", "R0d W0d I0d F0d H1e K0d", 4,
         "R0d W0e I0d F0e H0e K0d", false},
        {"ハイテイ off, open meld", "ap", "R0e W0e I0d F0e H1e K0d", 4, "R0d W0d I0d F0d H0e K0d",
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        Calculator c;
        prepare(c, r.melds, r.before);
        const int indicators = c.t.List2.count();
        EXPECT_EQ(c.t.clickC_OPTION(r.click), Entry::Accepted);
        EXPECT_EQ(boxesText(c.t.C_OPTION), r.after);
        EXPECT_EQ(c.t.List2.count(), r.trims ? std::min(indicators, 4) : indicators);
        expectEntryInvariants(c.t);
    }
}

TEST(SituationOptions, TheBoxAfterAKanIsNeverOffered)
{
    Calculator c;
    EXPECT_EQ(c.t.clickC_OPTION(5), Entry::Ignored);
    EXPECT_EQ(boxesText(c.t.C_OPTION), kStartBoxes);
    // Even its handler run directly changes nothing.
    c.t.C_OPTION_Click(5);
    EXPECT_EQ(boxesText(c.t.C_OPTION), kStartBoxes);
}

TEST(SituationOptions, ADisabledBoxIgnoresTheClick)
{
    struct Row {
        const char* script;
        int click;
    };
    const std::vector<Row> rows = {
        {"", 2},    // 一発 without a riichi
        {"0", 1},   // ダブリー under リーチ
        {"0", 3},   // 一巡目 under リーチ
        {"1", 0},   // リーチ under ダブリー
        {"1", 4},   // ハイテイ under ダブリー
        {"3", 4},   // ハイテイ on the first go-around
        {"4", 1},   // ダブリー under ハイテイ
        {"p", 0},   // リーチ after an open pon
        {"c", 3},   // 一巡目 after a chi
        {"k", 1},   // ダブリー after an open kan
        {"ap", 2},  // 一発 after a closed kan and a pon
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.script) + " then " + std::to_string(r.click));
        Calculator c;
        play(c, r.script);
        const Boxes before = c.t.C_OPTION;
        EXPECT_EQ(c.t.clickC_OPTION(r.click), Entry::Ignored);
        EXPECT_EQ(boxesText(c.t.C_OPTION), boxesText(before));
    }
}

TEST(SituationOptions, ClickSequences)
{
    struct Row {
        const char* what;
        const char* script;
        const char* after;
        int indicators;
    };
    const std::vector<Row> rows = {
        {"リーチ makes 一発 available", "0", "R1e W0d I0e F0d H0e K0d", 0},
        {"six indicators under リーチ", "0D", "R1e W0d I0e F0d H0e K0d", 6},
        {"unchecking リーチ trims the indicators", "0D2 0", "R0e W0e I0d F0e H0e K0d", 4},
        {"ダブリー on", "1", "R0d W1e I0e F0d H0d K0d", 0},
        {"ダブリー off again", "1D1", "R0e W0e I0d F0e H0e K0d", 4},
        {"only 一巡目 stays selectable", "3", "R0d W0d I0d F1e H0d K0d", 0},
        {"ハイテイ keeps ダブリー and 一巡目 away", "40 0", "R0e W0d I0d F0d H1e K0d", 0},
        {"一発 under ダブリー, then ダブリー off", "12D1", "R0e W0e I0d F0e H0e K0d", 4},
        {"open pon ends every riichi-type box", "0D2p", "R0d W0d I0d F0d H0e K0d", 4},
        {"unchecking ハイテイ after a pon", "p44", "R0d W0d I0d F0d H0e K0d", 0},
        {"unchecking ハイテイ after a closed kan", "a44", "R0e W0e I0d F0e H0e K0d", 0},
        {"a closed kan keeps the riichi", "0Da", "R1e W0d I0e F0d H0e K0d", 6},
        {"a pon after a closed kan ends it", "0Dap", "R0d W0d I0d F0d H0e K0d", 4},
        {"an open kan ends it", "1D2k", "R0d W0d I0d F0d H0d K0d", 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        play(c, r.script);
        EXPECT_EQ(boxesText(c.t.C_OPTION), r.after);
        EXPECT_EQ(c.t.List2.count(), r.indicators);
    }
}

TEST(SituationOptions, AvailabilityRule)
{
    struct Row {
        const char* what;
        const char* before;
        const char* after;
    };
    const std::vector<Row> rows = {
        {"nothing on: availability only", "R0d W0d I0e F0d H0d K0d", "R0e W0e I0d F0e H0d K0d"},
        {"ハイテイ", "R0d W0d I0d F0d H1e K0d", "R0e W0d I0d F0d H1e K0d"},
        {"ダブリー and 一発 stop the rule", "R1e W1e I1e F0e H0e K0d", "R1d W1e I1e F0d H0e K0d"},
        {"ダブリー and 一発", "R0d W1e I1e F0d H0d K0d", "R0d W1e I1e F0d H0d K0d"},
        {"リーチ and 一発", "R1d W0e I1d F0e H0e K0d", "R1e W0d I1e F0d H0e K0d"},
        {"一発 alone", "R0e W0e I1d F0e H0e K0d", "R0e W0e I1e F0e H0e K0d"},
        {"ダブリー", "R1e W1e I0d F1e H0e K0d", "R0d W1e I0e F0d H0e K0d"},
        {"一巡目", "R0e W0e I0d F1e H0e K0d", "R0d W0d I0d F1e H0e K0d"},
        {"リーチ", "R1e W0e I0d F0e H0e K0d", "R1e W0d I0e F0d H0e K0d"},
        {"リーチ, then ダブリー first", "R1e W1e I0e F0e H0e K0d", "R0d W1e I0e F0d H0e K0d"},
        {"一巡目, then リーチ", "R1e W0e I0d F1e H0e K0d", "R1d W0d I0e F1d H0e K0d"},
        {"ハイテイ and リーチ", "R1e W0e I0d F0e H1e K0d", "R1e W0d I0e F0d H1e K0d"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        c.t.C_OPTION = boxes(r.before);
        c.t.applyAvailabilityRule();
        EXPECT_EQ(boxesText(c.t.C_OPTION), r.after);
    }
}

// Every state the window can reach by clicks on the boxes, melds formed and
// removed and indicators entered keeps the rules the interlocks exist for.
TEST(SituationOptions, EveryReachableStateKeepsTheRules)
{
    struct State {
        std::string script;  // how to get there
        std::string key;     // what it looks like
    };
    const auto keyOf = [](const TENHO& t) {
        std::string key;
        for (int k = 1; k <= t.meldCount(); ++k) key += t.meldIsClosedKan(k) ? 'a' : 'p';
        key += '/' + std::to_string(t.List2.count()) + '/' + boxesText(t.C_OPTION);
        return key;
    };
    const std::vector<std::string> steps = {"0", "1", "2",  "3",  "4",  "5", "p",
                                            "a", "D", "-1", "-2", "-3", "-4"};
    std::map<std::string, std::string> seen;  // key -> script
    std::vector<std::string> queue = {""};
    seen[keyOf(Calculator().t)] = "";
    for (std::size_t next = 0; next < queue.size(); ++next) {
        for (const std::string& step : steps) {
            Calculator c;
            play(c, queue[next]);
            if (step[0] == '-' && step[1] - '0' > c.t.meldCount()) continue;
            if ((step == "p" || step == "a") && c.t.meldCount() == 4) continue;
            const std::string script = queue[next] + step;
            play(c, step);
            const std::string key = keyOf(c.t);
            if (!seen.emplace(key, script).second) continue;
            queue.push_back(script);

            SCOPED_TRACE("script " + script + " reaches " + key);
            const auto on = [&](int i) {
                return c.t.C_OPTION[static_cast<std::size_t>(i)].value == 1;
            };
            bool open = false;
            for (int k = 1; k <= c.t.meldCount(); ++k) open = open || !c.t.meldIsClosedKan(k);
            if (!c.t.riichiTypeBoxOn()) {
                EXPECT_LE(c.t.List2.count(), 4) << "ura-dora indicators without a riichi";
            }
            for (int i = 0; open && i <= 3; ++i) {
                EXPECT_EQ(c.t.C_OPTION[static_cast<std::size_t>(i)], (CheckBox{0, false}))
                    << "riichi-type box " << i << " with an open meld";
            }
            EXPECT_TRUE(!on(2) || on(0) || on(1)) << "一発 without a riichi";
            EXPECT_FALSE(on(0) && on(1));
            EXPECT_FALSE(on(3) && (on(0) || on(1) || on(2) || on(4)));
            EXPECT_FALSE(on(1) && on(4));
            EXPECT_EQ(c.t.C_OPTION[5], (CheckBox{0, false}));
        }
    }
    EXPECT_GT(seen.size(), 200u);
}

}  // namespace
}  // namespace tenho::testing
