// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/score_cli.h"
#include "core/test_support.h"
#include "model/notation.h"

namespace tenho::testing {
namespace {

std::vector<std::string_view> words(const std::vector<std::string>& storage)
{
    return {storage.begin(), storage.end()};
}

// Runs the command line in-process with `input` on standard input.
struct RunResult {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(std::FILE* f)
{
    std::string text;
    std::rewind(f);
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    return text;
}

RunResult runCli(const std::vector<std::string>& args, const std::string& input = "")
{
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    const std::vector<std::string> storage = args;
    RunResult r;
    r.status = cli::run(words(storage), in, out, err);
    r.out = slurp(out);
    r.err = slurp(err);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return r;
}

TEST(CliTiles, ParsesSharedSuitLetters)
{
    std::vector<Code> t;
    std::string reason;
    ASSERT_TRUE(parseTiles("123m456p789s11z7z", t, reason));
    std::string joined;
    for (Code c : t) joined += c.str() + " ";
    EXPECT_EQ(joined, "01 02 03 24 25 26 17 18 19 31 31 91 ");
}

TEST(CliTiles, RefusesMalformedText)
{
    for (const char* bad : {"", "123", "m", "0m", "8z", "12x", "1m2"}) {
        std::vector<Code> t;
        std::string reason;
        EXPECT_FALSE(parseTiles(bad, t, reason)) << bad;
        EXPECT_FALSE(reason.empty()) << bad;
    }
}

TEST(CliOptions, ErrorsNameTheOptionAndTheReason)
{
    struct Row {
        std::vector<std::string> args;
        const char* expected;  // a piece of the error text
    };
    const std::vector<Row> rows = {
        {{"--frobnicate"}, "--frobnicate: unknown option"},
        {{"--hand"}, "--hand: missing argument"},
        {{"--hand", "--win", "1m"}, "--hand: missing argument"},
        {{"--hand", "12q"}, "--hand '12q'"},
        {{"--win", "12m"}, "--win '12m': exactly one tile"},
        {{"--win", "1m", "--win", "2m"}, "--win: given more than once"},
        {{"--round", "X"}, "--round 'X': expected E, S, W or N"},
        {{"--seat", "E", "--seat", "S"}, "--seat: given more than once"},
        {{"--chi", "135m"}, "--chi '135m': not a meld of this kind"},
        {{"--chi", "789m1p"}, "--chi '789m1p'"},
        {{"--chi", "123z"}, "--chi '123z'"},
        {{"--pon", "556m"}, "--pon '556m'"},
        {{"--kan", "555m"}, "--kan '555m'"},
        {{"--ankan", "5555m5m"}, "--ankan '5555m5m'"},
        {{"--tsumo", "--ron"}, "only one win kind"},
    };
    for (const Row& r : rows) {
        const auto result = cli::parseOptions(words(r.args));
        EXPECT_NE(result.error.find(r.expected), std::string::npos)
            << "got: " << result.error << "; wanted: " << r.expected;
    }
}

TEST(CliOptions, ChiTilesMayBeGivenInAnyOrder)
{
    const std::vector<std::string> args = {"--chi", "453p", "--pon", "555z"};
    const auto r = cli::parseOptions(words(args));
    ASSERT_TRUE(r.error.empty()) << r.error;
    ASSERT_EQ(r.options.melds.size(), 2u);
    EXPECT_EQ(r.options.melds[0].tiles[0], Code::fromText("23"));
}

cli::Outcome scoreArgs(const std::vector<std::string>& args)
{
    const auto r = cli::parseOptions(words(args));
    EXPECT_TRUE(r.error.empty()) << r.error;
    return cli::score(r.options);
}

TEST(CliScore, ValidationMessages)
{
    struct Row {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Row> rows = {
        {{"--hand", "123456789m1234p", "--win", "4p"}, "自風が選択されていません"},
        {{"--hand", "123456789m1234p", "--win", "4p", "--seat", "E"}, "場風が選択されていません"},
        {{"--hand", "123456789m1234p", "--seat", "E", "--round", "E"}, "和了牌がありません"},
        {{"--hand", "123456789m123p", "--win", "4p", "--seat", "E", "--round", "E"},
         "牌の数がたりません"},
    };
    for (const Row& r : rows) {
        const auto o = scoreArgs(r.args);
        EXPECT_EQ(cli::toJson(o), std::string("{\"message\": \"") + r.message + "\"}");
    }
}

TEST(CliScore, RefusedEntriesAreErrors)
{
    struct Row {
        std::vector<std::string> args;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {{"--hand", "11111m"}, "--hand '11111m': a fifth 1m (一萬) is refused"},
        {{"--hand", "1111m", "--win", "1m"}, "--win 1m (一萬): refused"},
        {{"--hand", "123456789m12345p"}, "--hand '123456789m12345p': too many concealed tiles"},
        {{"--hand", "111m", "--dora", "11m"}, "--dora '11m': a fifth 1m"},
        {{"--dora", "12345m"}, "--dora '12345m': too many indicators"},
    };
    for (const Row& r : rows) {
        const auto o = scoreArgs(r.args);
        ASSERT_EQ(o.kind, cli::Outcome::Kind::Error);
        EXPECT_NE(o.message.find(r.expected), std::string::npos)
            << "got: " << o.message << "; wanted: " << r.expected;
    }
}

TEST(CliScore, RefusedMeldsAndBoxesAreErrors)
{
    struct Row {
        std::vector<std::string> args;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {{"--pon", "111m", "--hand", "1234567899m1p"},
         "--hand '1234567899m1p': too many concealed tiles (10 at most with 1 meld)"},
        {{"--chi", "123m", "--pon", "1z1z1z", "--hand", "4567899m1p"},
         "--hand '4567899m1p': too many concealed tiles (7 at most with 2 melds)"},
        {{"--pon", "111m", "--kan", "1111m"},
         "--kan '1111m': refused with a beep: 1m (一萬) is on the table 3 times already and the "
         "kan adds four (four at most)"},
        {{"--pon", "555z", "--pon", "555z"},
         "--pon '555z': refused with a beep: 5z (白) is on the table 3 times already and the pon "
         "adds three"},
        {{"--ankan", "3333p", "--chi", "345p"},
         "--chi '345p': refused with a beep: 3p (三筒) is on the table 4 times already and the chi "
         "adds one"},
        {{"--kan", "1111m", "--hand", "1m"}, "--hand '1m': a fifth 1m (一萬) is refused"},
        {{"--ankan", "7777z", "--win", "7z"}, "--win 7z (中): refused"},
        {{"--chi", "789m", "--chi", "789m", "--chi", "789m", "--chi", "789m", "--dora", "9m"},
         "--dora '9m': a fifth 9m (九萬) is refused"},
        {{"--pon", "111m", "--riichi"},
         "--riichi: the box リーチ is disabled: not available after an open meld (--pon '111m')"},
        {{"--ankan", "1111m", "--chi", "123p", "--first-turn"},
         "--first-turn: the box 一巡目 is disabled: not available after an open meld (--chi "
         "'123p')"},
        {{"--kan", "1111m", "--double-riichi"},
         "--double-riichi: the box ダブリー is disabled: not available after an open meld"},
        {{"--riichi", "--double-riichi"},
         "--double-riichi: the box ダブリー is disabled: not available together with --riichi"},
        {{"--ippatsu"},
         "--ippatsu: the box 一発 is disabled: only available with --riichi or --double-riichi"},
        {{"--first-turn", "--haitei"},
         "--haitei: the box ハイテイ is disabled: not available together with --first-turn"},
        {{"--double-riichi", "--haitei"},
         "--haitei: the box ハイテイ is disabled: not available together with --double-riichi"},
        {{"--riichi", "--first-turn"},
         "--first-turn: the box 一巡目 is disabled: not available together with --riichi"},
        {{"--pon", "111m", "--dora", "23456m"}, "--dora '23456m': too many indicators"},
    };
    for (const Row& r : rows) {
        const auto o = scoreArgs(r.args);
        ASSERT_EQ(o.kind, cli::Outcome::Kind::Error) << r.expected;
        EXPECT_NE(o.message.find(r.expected), std::string::npos)
            << "got: " << o.message << "; wanted: " << r.expected;
    }
}

TEST(CliScore, MeldsAndBoxesTheWindowAccepts)
{
    const std::vector<std::vector<std::string>> hands = {
        {"--ankan", "1111m", "--riichi", "--ippatsu", "--dora", "12345678p"},
        {"--ankan", "1111m", "--ankan", "2222m", "--double-riichi", "--ippatsu"},
        {"--pon", "111m", "--haitei"},
        {"--chi", "123m", "--chi", "123m", "--chi", "123m", "--chi", "123m", "--hand", "4m"},
        {"--ankan", "1111m", "--first-turn"},
        {"--riichi", "--haitei", "--ippatsu"},
        {"--kan", "5555z", "--pon", "666z", "--hand", "1234567m"},
    };
    for (const auto& args : hands) {
        const auto o = scoreArgs(args);
        EXPECT_NE(o.kind, cli::Outcome::Kind::Error)
            << args[0] << " " << args[1] << ": " << o.message;
    }
}

TEST(CliRun, ARefusedMeldExitsWithStatusTwo)
{
    auto r = runCli({"--json", "--pon", "1z1z1z", "--pon", "111z"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out,
              "{\"error\": \"--pon '111z': refused with a beep: 1z (東) is on the table 3 times "
              "already and the pon adds three (four at most)\"}\n");
    r = runCli({"--chi", "234s", "--riichi"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err,
              "tenho-score: --riichi: the box リーチ is disabled: not available after an open meld "
              "(--chi '234s')\n");
}

TEST(CliJson, EscapesAndLayout)
{
    cli::Outcome o;
    o.kind = cli::Outcome::Kind::Dialog;
    o.dialog.Label1 = "平和\r\n";
    o.dialog.Label2 = "１翻\r\n";
    o.dialog.Label3 = "1翻";
    o.dialog.Label4 = "1000点";
    o.dialog.Label5 = "30符";
    o.dialog.Label4FontSize = 18;
    EXPECT_EQ(cli::toJson(o),
              "{\"Label1\": \"平和\\r\\n\", \"Label2\": \"１翻\\r\\n\", \"Label3\": \"1翻\", "
              "\"Label4\": \"1000点\", \"Label5\": \"30符\", \"Label4FontSize\": 18, "
              "\"Label5Visible\": true}");
    o.dialog.Label4FontSize = 12.75;
    o.dialog.Label5Visible = false;
    EXPECT_NE(cli::toJson(o).find("\"Label4FontSize\": 12.75, \"Label5Visible\": false}"),
              std::string::npos);
    cli::Outcome e;
    e.kind = cli::Outcome::Kind::Error;
    e.message = "a \"b\" \\ c";
    EXPECT_EQ(cli::toJson(e), "{\"error\": \"a \\\"b\\\" \\\\ c\"}");
}

TEST(CliRun, ExitStatusAndStreams)
{
    auto r = runCli({"--json", "--hand", "123m", "--seat", "E"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"message\": \"場風が選択されていません\"}\n");

    r = runCli({"--json", "--bogus"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "{\"error\": \"--bogus: unknown option (see --help)\"}\n");

    r = runCli({"--bogus"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("--bogus"), std::string::npos);

    r = runCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: tenho-score"), std::string::npos);
}

TEST(CliRun, BatchAnswersEveryLineInOrder)
{
    const std::string input = "# a comment\n"
                              "\n"
                              "--hand 123m --seat E\n"
                              "--hand 11111m\n"
                              "   \n"
                              "--win 1m --seat E --round S";  // no final line break
    const auto r = runCli({"--batch", "--json"}, input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "{\"message\": \"場風が選択されていません\"}\n"
                     "{\"error\": \"--hand '11111m': a fifth 1m (一萬) is refused (four are on the "
                     "table already)\"}\n"
                     "{\"message\": \"牌の数がたりません\"}\n");
}

TEST(CliRun, BatchWithoutErrorsExitsZero)
{
    const auto r = runCli({"--batch"}, "--seat E\n--seat E --round E\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "場風が選択されていません\n和了牌がありません\n");
}

TEST(CliRun, BatchRefusesHandOptionsOnTheCommandLine)
{
    const auto r = runCli({"--batch", "--hand", "1m"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("not allowed with --batch"), std::string::npos);
}

TEST(CliProcess, TheInstalledBinaryAnswers)
{
    const std::string command = std::string(TENHO_SCORE_PATH) +
                                " --json --hand 123456789m1234p --win 4p --round E >/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const int bad = std::system((std::string(TENHO_SCORE_PATH) + " --nope 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(bad));
    EXPECT_EQ(WEXITSTATUS(bad), 2);
}

}  // namespace
}  // namespace tenho::testing
