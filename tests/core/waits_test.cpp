// SPDX-License-Identifier: GPL-3.0-or-later
// The waits of a hand of thirteen tiles: which kinds complete it, what each
// one shows on ロン and ツモ, and that listing them leaves the calculator and
// its host untouched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state_text.h"
#include "core/test_support.h"
#include "evaluation/waits.h"
#include "hand_generator.h"

namespace tenho::testing {
namespace {

cli::HandOptions optionsOf(const std::string& line)
{
    const auto storage = bench::optionWords(line);
    const std::vector<std::string_view> words(storage.begin(), storage.end());
    const auto parsed = cli::parseOptions(words);
    EXPECT_TRUE(parsed.error.empty()) << line << ": " << parsed.error;
    return parsed.options;
}

// The hand of `line` entered on `replay`'s calculator.
TENHO& entered(cli::HandReplay& replay, const std::string& line)
{
    const auto refused = replay.enter(optionsOf(line));
    EXPECT_FALSE(refused) << line << ": " << refused->message;
    return replay.calculator();
}

std::string tilesOf(const WaitList& list)
{
    std::string out;
    for (const Wait& w : list.waits) out += (out.empty() ? "" : " ") + tileNotation(w.tile);
    return out;
}

TEST(Waits, TheKindsThatCompleteTheHand)
{
    struct Row {
        const char* name;
        std::string hand;
        const char* waits;
        const char* ronYaku;  // Label1 of every wait's ロン result; "" not checked
        const char* message = "";
    };
    const Row rows[] = {
        {"two-sided", "--hand 2345m678p345s999s --round E --seat S", "2m 5m", "役がありません"},
        {"nine gates", "--hand 1112345678999m --round E --seat S", "1m 2m 3m 4m 5m 6m 7m 8m 9m",
         "九連宝燈"},
        {"thirteen orphans, thirteen-sided", "--hand 19m19p19s1234567z --round E --seat S",
         "1m 9m 1s 9s 1p 9p 1z 2z 3z 4z 5z 6z 7z", "国士無双"},
        {"seven pairs", "--hand 1133m5577p99s115z --round E --seat S", "5z", "七対子"},
        {"complete without yaku", "--chi 123m --hand 456p789s456m9p --round E --seat S", "9p",
         "役がありません"},
        {"a kind four times on the table is not offered",
         "--hand 2345m678p345s999s --dora 222m --round E --seat S", "5m", ""},
        {"no wait", "--hand 1357m2468p1357s1z --round E --seat S", "", ""},
        {"no seat wind", "--hand 2345m678p345s999s --round E", "", "", "自風が選択されていません"},
        {"no round wind", "--hand 1357m2468p1357s1z --seat S", "", "", "場風が選択されていません"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        cli::HandReplay replay;
        const WaitList list = listWaits(entered(replay, row.hand));
        EXPECT_EQ(tilesOf(list), row.waits);
        EXPECT_EQ(list.message, row.message);
        if (*row.ronYaku == '\0') continue;
        for (const Wait& w : list.waits) EXPECT_EQ(w.ron.Label1, row.ronYaku) << w.tile.view();
    }
}

TEST(Waits, ListedOnlyForThirteenTilesWithoutAWinningTile)
{
    struct Row {
        const char* name;
        std::string hand;
        int tiles;
        bool listed;
    };
    const Row rows[] = {
        {"thirteen concealed", "--hand 2345m678p345s999s", 13, true},
        {"twelve", "--hand 2345m678p345s99s", 12, false},
        {"a winning tile set", "--hand 2345m678p345s999s --win 5m", 13, false},
        {"a chi and ten", "--chi 123m --hand 456p789s456m9p", 13, true},
        {"a closed kan counts three", "--ankan 1111z --hand 456p789s456m9p", 13, true},
        {"four kans and one", "--kan 1111m --kan 2222m --ankan 3333m --kan 4444m --hand 5p", 13,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        cli::HandReplay replay;
        const TENHO& t = entered(replay, row.hand);
        EXPECT_EQ(waitingHandTiles(t), row.tiles);
        EXPECT_EQ(canListWaits(t), row.listed);
        if (!row.listed) {
            const WaitList list = listWaits(t);
            EXPECT_TRUE(list.waits.empty());
            EXPECT_EQ(list.message, "");
        }
    }
}

TEST(Waits, EachResultIsWhatTheCalculatorShowsForThatTile)
{
    // Generated hands without their winning tile: every kind that is listed
    // shows exactly what the hand entered with it shows, on ロン and on ツモ,
    // and every kind that is not listed is refused or no complete hand.
    bench::HandGenerator gen(5);
    int hands = 0;
    int waits = 0;
    for (int n = 0; n < 400 && hands < 150; ++n) {
        const std::string line = gen.next();
        cli::HandOptions options = optionsOf(line);
        options.win.reset();
        cli::HandReplay replay;
        if (replay.enter(options) || !canListWaits(replay.calculator())) continue;
        ++hands;
        SCOPED_TRACE(line);
        const WaitList list = listWaits(replay.calculator());
        ASSERT_EQ(list.message, "");
        waits += static_cast<int>(list.waits.size());
        std::size_t next = 0;
        for (int kind = 0; kind < kTileKinds; ++kind) {
            options.win = kHaiCodes[static_cast<std::size_t>(kind)];
            options.tsumo = false;
            options.ron = true;
            const cli::Outcome ron = cli::score(options);
            if (next < list.waits.size() && list.waits[next].tile == *options.win) {
                const Wait& w = list.waits[next++];
                ASSERT_EQ(ron.kind, cli::Outcome::Kind::Dialog) << w.tile.view();
                EXPECT_TRUE(ron.dialog == w.ron) << w.tile.view() << " ロン";
                options.tsumo = true;
                options.ron = false;
                const cli::Outcome tsumo = cli::score(options);
                EXPECT_TRUE(tsumo.dialog == w.tsumo) << w.tile.view() << " ツモ";
            } else if (ron.kind == cli::Outcome::Kind::Dialog) {
                EXPECT_EQ(ron.dialog.Label1, "聴牌していません") << options.win->view();
            } else {
                EXPECT_EQ(ron.kind, cli::Outcome::Kind::Error) << options.win->view();
            }
        }
        EXPECT_EQ(next, list.waits.size());
    }
    EXPECT_GT(hands, 100);
    EXPECT_GT(waits, hands);
}

TEST(Waits, TheCalculatorAndItsHostAreLeftAsTheyWere)
{
    struct Row {
        const char* name;
        std::string hand;
        bool calculatedBefore;  // 計算 pressed once without a winning tile
    };
    const Row rows[] = {
        {"two-sided", "--hand 2345m678p345s999s --round E --seat S", false},
        {"yakuman waits", "--hand 1112345678999m --round E --seat E --riichi", false},
        {"melds, dora and boxes",
         "--chi 345p --pon 777z --hand 234m678s5p --dora 4p --round S --seat E", false},
        {"a closed kan, riichi",
         "--ankan 1111z --hand 456p789s456m9p --riichi --ippatsu --round E --seat W", false},
        {"a wind missing", "--hand 2345m678p345s999s --seat S", false},
        {"the result dialog left loaded by a message",
         "--hand 2345m678p345s999s --round E --seat S", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        cli::HandReplay replay;
        TENHO& t = entered(replay, row.hand);
        if (row.calculatedBefore) {
            t.cmdKEISAN_Click();
            ASSERT_EQ(replay.host().message.value_or(""), "和了牌がありません");
            ASSERT_TRUE(t.hanNumber.has_value());
        }
        const std::string before = stateText(t);
        const RecordingHost seen = replay.host();
        listWaits(t);
        EXPECT_EQ(stateText(t), before);
        EXPECT_EQ(replay.host().beeps, seen.beeps);
        EXPECT_EQ(replay.host().messagesShown, seen.messagesShown);
        EXPECT_EQ(replay.host().dialogsShown, seen.dialogsShown);
    }
}

// The state text without the lines that name the host and the pointers.
std::string withoutPointers(TENHO& t)
{
    std::string out;
    std::istringstream in(stateText(t));
    for (std::string line; std::getline(in, line);)
        if (!line.starts_with("host ") && !line.starts_with("PAI_CTL") &&
            !line.starts_with("PAI_ARRAY"))
            out += line + '\n';
    return out;
}

TEST(Waits, ACopyOfTheCalculatorHoldsNoPointerIntoIt)
{
    Calculator c;
    c.hand("2345m678p345s999s");
    c.win("5m");
    c.winds(0, 1);
    c.t.cmdKEISAN_Click();  // the suit tests leave PAI_CTL_LIST on a list
    c.t.T_HAI_Click(0);     // PAI_ARRAY on the hand
    c.hand("2m");           // PAI_CTL on a hand picture
    ASSERT_NE(c.t.PAI_CTL, nullptr);
    ASSERT_NE(c.t.PAI_CTL_LIST, nullptr);
    ASSERT_FALSE(c.t.PAI_ARRAY.empty());

    ScriptedHost other;
    TENHO copy(c.t, other);
    EXPECT_EQ(&copy.host(), &other);
    EXPECT_EQ(copy.PAI_CTL, nullptr);
    EXPECT_EQ(copy.PAI_CTL_LIST, nullptr);
    EXPECT_TRUE(copy.PAI_ARRAY.empty());
    EXPECT_EQ(withoutPointers(copy), withoutPointers(c.t));

    // What happens on the copy stays there.
    copy.ENDPAI_Click();
    copy.Frame7_DragDrop(src("2m"));
    copy.cmdKEISAN_Click();
    EXPECT_EQ(c.t.Text1, tile("5m"));
    EXPECT_EQ(other.shownDialogs.size(), 1u);
    EXPECT_EQ(c.host.shownDialogs.size(), 1u);
}

}  // namespace
}  // namespace tenho::testing
