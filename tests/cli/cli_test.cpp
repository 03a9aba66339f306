// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/cli/batch.h"
#include "app/cli/options.h"
#include "app/cli/text.h"
#include "app/score_cli.h"
#include "core/test_support.h"
#include "model/notation.h"
#include "shell/addresses.h"

namespace tenho::testing {
namespace {

std::vector<std::string_view> words(const std::vector<std::string>& storage)
{
    return {storage.begin(), storage.end()};
}

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

// Runs the command line in-process with `input` on standard input, handed
// out `chunk` bytes a read.
RunResult runCli(const std::vector<std::string>& args, std::string_view input = "",
                 std::size_t chunk = std::string_view::npos)
{
    cli::StringInput in(input, chunk);
    cli::StringOutput out;
    cli::StringOutput err;
    RunResult r;
    r.status = cli::run(words(args), in, out, err);
    r.out = out.text;
    r.err = err.text;
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
    for (const char* bad : {"", "123", "m", "0m", "8z", "12x", "1m2", "1mm", "m1", "11m9z",
                            "1234567891234567z", "1112345678999m1p2", "1112345678999mm1p"}) {
        std::vector<Code> t;
        std::string reason;
        EXPECT_FALSE(parseTiles(bad, t, reason)) << bad;
        EXPECT_FALSE(reason.empty()) << bad;
    }
}

TEST(CliTiles, ReasonsQuoteWholeCharacters)
{
    struct Row {
        const char* text;
        const char* shown;  // the character the reason quotes
        std::size_t at;
    };
    const Row rows[] = {
        {"１２３m", "１", 0},
        {"12中", "中", 2},
        {"1m\xff", "\uFFFD", 2},            // never a UTF-8 byte
        {"1\xe4\xb8", "\uFFFD", 1},         // a character cut short
        {"\xed\xa0\x80m", "\uFFFD", 0},     // a surrogate
        {"\xc0\xafm", "\uFFFD", 0},         // an overlong form
        {"\xf4\x90\x80\x80", "\uFFFD", 0},  // past U+10FFFF
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::vector<Code> t;
        std::string reason;
        std::size_t at = 99;
        ASSERT_FALSE(parseTiles(row.text, t, reason, &at));
        EXPECT_EQ(reason, std::string("unexpected character '") + row.shown +
                              "' (tiles are digits followed by m, s, p or z)");
        EXPECT_EQ(at, row.at);
    }
}

TEST(CliText, EchoesAreValidAndShort)
{
    const std::string forty(40, 'x');
    struct Row {
        std::string word;
        std::string shown;
    };
    const Row rows[] = {
        {"123m", "123m"},
        {forty, forty},
        {forty + "y", std::string(39, 'x') + "…"},
        {std::string(100000, '1'), std::string(39, '1') + "…"},
        {"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０",
         "１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０"},
        {"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１",
         "１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１２３４５６７８９…"},
        {"a\xff\xfe"
         "b",
         "a\uFFFD\uFFFD"
         "b"},
        {"\xe4\xb8"
         "x",
         "\uFFFD"
         "x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word.substr(0, 50));
        EXPECT_EQ(cli::echo(row.word), row.shown);
    }
}

TEST(CliOptions, ErrorsNameTheOptionAndTheReason)
{
    struct Row {
        std::vector<std::string> args;
        std::string expected;  // a piece of the error text
    };
    const std::vector<Row> rows = {
        {{"--frobnicate"}, "--frobnicate: unknown option"},
        {{"--frob\xff"}, "--frob\uFFFD: unknown option"},
        {{"--hanD", "1m"}, "--hanD: unknown option"},
        {{"--jobz", "2"}, "--jobz: unknown option"},
        {{"--double-riichii"}, "--double-riichii: unknown option"},
        {{"-h=1"}, "-h=1: unknown option"},
        {{"--help=x"}, "--help=x: --help takes no value"},
        {{""}, "an empty argument is not an option (see --help)"},
        {{"--hand="}, "--hand '': no tiles given"},
        {{"--hand=12q"}, "--hand '12q': unexpected character 'q'"},
        {{"--hand", "１２３m"}, "--hand '１２３m': unexpected character '１'"},
        {{"--round", std::string(60, 'E')}, "--round '" + std::string(39, 'E') + "…': expected"},
        {{"--tsumo=yes"}, "--tsumo=yes: --tsumo takes no value"},
        {{"--", "--hand", "1m"}, "'--hand': unexpected argument after -- (see --help)"},
        {{"--hand", "1m", "--", ""}, "'': unexpected argument after --"},
        {{"--hand"}, "--hand: missing argument"},
        {{"--hand", "--win", "1m"}, "--hand: missing argument"},
        {{"--hand", "12q"}, "--hand '12q'"},
        {{"--win", "12m"}, "--win '12m': exactly one tile"},
        {{"--win", "8z"}, "--win '8z': 8z is not an honour (1z..7z)"},
        {{"--win", "m1"}, "--win 'm1': suit letter 'm' without digits"},
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
        {{"--jobs", "0"}, "--jobs '0': expected a number of jobs from 1 to 64"},
        {{"--jobs=65"}, "--jobs '65': expected"},
        {{"--jobs", "999999999999"}, "--jobs '999999999999': expected"},
        {{"--jobs", "2x"}, "--jobs '2x': expected"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.expected);
        const auto result = cli::parseOptions(words(r.args));
        EXPECT_NE(result.error.find(r.expected), std::string::npos) << "got: " << result.error;
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

TEST(CliOptions, JoinedValuesAndTheEndOfOptions)
{
    const std::string plain = runCli({"--json", "--hand", "234567m234p5678s", "--win", "5s",
                                      "--round", "E", "--seat", "S", "--tsumo"})
                                  .out;
    ASSERT_NE(plain.find("Label1"), std::string::npos) << plain;
    const std::vector<std::vector<std::string>> same = {
        {"--json", "--hand=234567m234p5678s", "--win=5s", "--round=E", "--seat=S", "--tsumo"},
        {"--hand=234567m234p", "--hand", "5678s", "--win=5s", "--round", "E", "--seat=S", "--tsumo",
         "--json", "--"},
    };
    for (const auto& args : same) {
        SCOPED_TRACE(args[1]);
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, plain);
    }
    // A value joined with "=" is taken as it stands, even one that looks
    // like an option.
    EXPECT_EQ(runCli({"--json", "--round=--json"}).out,
              "{\"error\": \"--round '--json': expected E, S, W or N\"}\n");
}

// The words of a line, as a shell would split it on blanks.
std::vector<std::string> splitOnBlanks(std::string_view line)
{
    std::vector<std::string> out;
    std::string word;
    for (const char c : line) {
        if (c != ' ' && c != '\t') {
            word += c;
        } else if (!word.empty()) {
            out.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

TEST(CliOptions, ABatchLineReadsAsItsWords)
{
    const std::string longHand = "--hand 1m --hand 1m --hand 1m --hand 2m --hand 2m --hand 2m "
                                 "--hand 3m --hand 3m --hand 3m --hand 4m --hand 4m --win 4m "
                                 "--tsumo";
    const std::vector<std::string> lines = {
        "--hand 669m2233s1155p11z --win 9m --dora 7s --round W --seat N",
        "--chi 123s --kan 8888m --chi 345s --kan 5555p --hand 5z --win 5z --haitei --dora 5z7s",
        "--pon 666z --ankan 1111p --hand 678m89p44z --win 7p --riichi --ippatsu --kuitan --renhou",
        "  --hand\t123m  --hand 456p\t --win 1m   --ron ",
        "--hand 123m --win 1m --tsumo --ron",
        "--hand 123m --win 1m --win 2m --json",
        "--hand=123m --win 1m",
        "--hand 12x3m --waits",
        "--chi 124m --pon 111z",
        "--pon 111z --pon 222z --pon 333z --pon 444z --pon 555z",
        "--round E --round S",
        "--seat --hand 123m",
        "--hand 123m --tsumo 5",
        "--hand 123m -- --win 1m",
        "--hand 123m --jobs 2",
        "--json --hand 123m",
        "# --hand 123m",
        "--hand",
        longHand,
        longHand + " --json",
        // Words at the very end of the line, and values split over 16 bytes.
        "--hand 123m456p789s11z --win 1z --round E --seat S --ron",
        "--pon 222z --hand 1112345678999m --win 9m --round e --seat n --kuitan --renhou",
        "--hand 1m1234567891234567m --win 1m --dora 1s2s3s4s5s6s7s8s",
        "--hand 123456789m123456789p12345s --win 1m",
        "--hand 12m --ron",
        "--hand 1m --ron",
        "--double-riichi --first-turn --ippatsu --haitei --hand 55z --win 5z",
        // Melds and indicators in other forms than the usual.
        "--chi 453p --chi 1s2s3s --pon 5z5z5z --ankan 9999s --hand 11z --win 1z",
        "--kan 1m1m11m --dora 12s3z --hand 5m --win 5m",
        "--chi 124m --hand 5m",
        "--chi 789z --hand 5m",
        "--pon 123m --hand 5m",
        "--kan 1112m --hand 5m",
        "--dora 8z --hand 123m",
        "--dora 1s0m --hand 123m",
        "--hand 1230m --win 1m",
        "--hand 123m --win 5 --round E",
        "--hand 123m --win 5ss",
        "--hand 123m --round EE --seat E",
        "--hand 123m --round X",
        "--hand 123m --seat E --seat E",
        "--hand 123m --round --seat E",
        "--hand 123m --win --round E",
        "--hand 123m --dora",
        "--han 123m",
        "--handy 123m --win 1m",
        "--hand 123m --ron --json --win 1m",
        "--hand\t123m\t\t--win\t1m --round  E   --seat\tW",
        "--hand 123m --hand 456m --dora 1z --dora 2z --win 1m",
        "--hand 123m --round            E --win              1m --seat  \t  \t  \t   W",
        "--hand 123m --round            EE --win              1mm",
        // Values read after the whole line: the last ones long, or past 32 bytes.
        "--win 1m --seat E --chi 123s --hand 123456789m1234p",
        "--round S --win 9p --hand 123456789m12344p ",
        "--win 1m --hand 123456789m123456789p123456s",
        "--tsumo --ankan 1111z --kan 2222z --pon 333z --chi 789m --hand 44z --win 4z --kuitan",
    };
    std::vector<std::string_view> room;
    cli::ParseResult line;
    for (const std::string& text : lines) {
        SCOPED_TRACE(text);
        const auto args = splitOnBlanks(text);
        const auto expected = cli::parseOptions(words(args));
        ASSERT_EQ(cli::parseLine(text, room, line), args[0][0] != '#');
        if (args[0][0] == '#') continue;
        EXPECT_EQ(line.error, expected.error);
        EXPECT_EQ(line.json, expected.json);
        EXPECT_EQ(line.waits, expected.waits);
        EXPECT_EQ(line.jobs, expected.jobs);
        EXPECT_EQ(line.firstHandOption, expected.firstHandOption);
        const cli::HandOptions& a = line.options;
        const cli::HandOptions& b = expected.options;
        EXPECT_TRUE(std::equal(a.hand.begin(), a.hand.end(), b.hand.begin(), b.hand.end()));
        EXPECT_TRUE(std::equal(a.dora.begin(), a.dora.end(), b.dora.begin(), b.dora.end()));
        EXPECT_EQ(a.handText, b.handText);
        EXPECT_EQ(a.doraText, b.doraText);
        EXPECT_EQ(a.win, b.win);
        ASSERT_EQ(a.melds.size(), b.melds.size());
        for (std::size_t m = 0; m < a.melds.size(); ++m) {
            EXPECT_EQ(a.melds[m].kind, b.melds[m].kind);
            EXPECT_EQ(a.melds[m].text, b.melds[m].text);
            EXPECT_TRUE(std::equal(a.melds[m].tiles.begin(), a.melds[m].tiles.end(),
                                   b.melds[m].tiles.begin(), b.melds[m].tiles.end()));
        }
        EXPECT_EQ(std::make_tuple(a.tsumo, a.ron, a.round, a.seat, a.kuitan, a.renhou),
                  std::make_tuple(b.tsumo, b.ron, b.round, b.seat, b.kuitan, b.renhou));
        EXPECT_TRUE(std::equal(std::begin(a.boxes), std::end(a.boxes), std::begin(b.boxes)));
    }
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
        SCOPED_TRACE(r.message);
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
        SCOPED_TRACE(r.expected);
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
        SCOPED_TRACE(r.expected);
        const auto o = scoreArgs(r.args);
        ASSERT_EQ(o.kind, cli::Outcome::Kind::Error);
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

    // Texts are written 16 bytes at a time where they are plain, by the
    // character elsewhere: escapes and ill-formed bytes at and across the
    // ends of the blocks.
    struct Row {
        std::string text;
        std::string json;
    };
    const Row rows[] = {
        {"三元牌（發）\r\n面前清自摸和\r\n", "三元牌（發）\\r\\n面前清自摸和\\r\\n"},
        {"0123456789abcde\"fg\\", "0123456789abcde\\\"fg\\\\"},
        {"0123456789abcdef\x01x\x1f", "0123456789abcdef\\u0001x\\u001f"},
        {"0123456789abcdefghij\xe4\xb8", "0123456789abcdefghij\uFFFD"},
        {"0123456789abcd中\xed\xa0\x80\xe0\xa0\x80🀄é\xff",
         "0123456789abcd中\uFFFD\uFFFD\uFFFD\u0800🀄é\uFFFD"},
        {"\xe4\xb8\r\n0123456789abcdef\xc0\xaf", "\uFFFD\\r\\n0123456789abcdef\uFFFD\uFFFD"},
        {"\r\r\n\n\t\x7f", "\\r\\r\\n\\n\\t\x7f"},
        {"立直\r\n面前清自摸和\r\n断公九\r\n平和\r\n  ドラ\r\n",
         "立直\\r\\n面前清自摸和\\r\\n断公九\\r\\n平和\\r\\n  ドラ\\r\\n"},
        {"0123456789abcdefghijklmn\"\\", "0123456789abcdefghijklmn\\\"\\\\"},
        {"0123456789abcde\r\n中", "0123456789abcde\\r\\n中"},
        {"0123456789abcde中\x01", "0123456789abcde中\\u0001"},
        {"中中中中中中中中中中中中中中中中中中中中中\xe4",
         "中中中中中中中中中中中中中中中中中中中中中\uFFFD"},
    };
    for (const Row& row : rows) {
        e.message = row.text;
        EXPECT_EQ(cli::toJson(e), "{\"error\": \"" + row.json + "\"}");
        // The same as a label of the dialog, written twice: the second time
        // as the label kept from the first.
        o.dialog.Label1 = row.text;
        o.dialog.Label5 = row.text;
        const std::string label = "\"" + row.json + "\"";
        for (int twice = 0; twice < 2; ++twice) {
            const std::string json = cli::toJson(o);
            EXPECT_TRUE(json.starts_with("{\"Label1\": " + label + ",")) << json;
            EXPECT_NE(json.find("\"Label5\": " + label + ","), std::string::npos) << json;
        }
    }
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

TEST(CliRun, JsonAnywhereMakesEveryAnswerJson)
{
    struct Row {
        std::vector<std::string> args;
        std::string input;
        std::string out;
    };
    const std::vector<Row> rows = {
        {{"--frobnicate", "--json"},
         "",
         "{\"error\": \"--frobnicate: unknown option (see --help)\"}\n"},
        {{"--win", "1m", "--win", "2m", "--json"},
         "",
         "{\"error\": \"--win: given more than once\"}\n"},
        {{"--hand", "12q", "--json"},
         "",
         "{\"error\": \"--hand '12q': unexpected character 'q' (tiles are digits followed by m, s, "
         "p or z)\"}\n"},
        {{"--hand", "--json"}, "", "{\"error\": \"--hand: missing argument\"}\n"},
        {{"--batch", "--hand=1m", "--json"},
         "",
         "{\"error\": \"--hand: not allowed with --batch (give the hands on standard input)\"}\n"},
        {{"--json", "--batch", "--tsumo"},
         "",
         "{\"error\": \"--tsumo: not allowed with --batch (give the hands on standard input)\"}\n"},
        {{"--json", "--hand", "１２３m"},
         "",
         "{\"error\": \"--hand '１２３m': unexpected character '１' (tiles are digits followed by "
         "m, s, p or z)\"}\n"},
        {{"--batch"}, "--bad --json\n", "{\"error\": \"--bad: unknown option (see --help)\"}\n"},
        {{"--batch"},
         "--seat\xff --json\n",
         "{\"error\": \"--seat\uFFFD: unknown option (see --help)\"}\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back() + " " + row.input);
        const auto r = runCli(row.args, row.input);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, "");
    }
    // After "--" nothing is an option, --json included.
    const auto r = runCli({"--bad", "--", "--json"});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tenho-score: --bad: unknown option (see --help)\n");
}

TEST(CliRun, BatchLineEnds)
{
    const std::string bom = "\xEF\xBB\xBF";
    struct Row {
        const char* name;
        std::string input;
        std::string out;
    };
    const std::vector<Row> rows = {
        {"byte order mark", bom + "--seat E\n--seat E\n",
         "場風が選択されていません\n場風が選択されていません\n"},
        {"only a byte order mark", bom, ""},
        {"byte order mark, no line break", bom + "--seat E", "場風が選択されていません\n"},
        {"mark not at the start", "--seat E\n" + bom + "--seat E\n",
         "場風が選択されていません\nerror: \uFEFF--seat: unknown option (see --help)\n"},
        {"lone CR", "--seat E\r--seat E --round E\r--seat E",
         "場風が選択されていません\n和了牌がありません\n場風が選択されていません\n"},
        {"CR LF", "--seat E\r\n--seat E --round E\r\n\r\n",
         "場風が選択されていません\n和了牌がありません\n"},
        {"LF CR", "--seat E\n\r--seat E\n", "場風が選択されていません\n場風が選択されていません\n"},
        {"blank, comment, tab", "\n \t \n# --seat E\n\t--seat\tE\n  #x\n",
         "場風が選択されていません\n"},
    };
    for (const Row& row : rows) {
        for (std::size_t chunk : {std::string_view::npos, std::size_t{1}, std::size_t{2}}) {
            SCOPED_TRACE(std::string(row.name) + ", read by " + std::to_string(chunk));
            const auto r = runCli({"--batch"}, row.input, chunk);
            EXPECT_EQ(r.out, row.out);
            EXPECT_EQ(r.err, "");
        }
    }
}

TEST(CliRun, BatchSkipsLinesTooLongToRead)
{
    const std::string skipped = "{\"error\": \"a line of more than 4096 bytes is skipped\"}\n";
    const std::string answer = "{\"message\": \"場風が選択されていません\"}\n";
    const auto line = [](std::size_t bytes) {
        std::string text = "--seat E";
        text.resize(bytes, ' ');
        return text;
    };
    struct Row {
        const char* name;
        std::string input;
        std::string out;
        int status;
    };
    const std::vector<Row> rows = {
        {"4096 bytes", line(4096) + "\n--seat E\n", answer + answer, 0},
        {"4096 bytes and CR LF", line(4096) + "\r\n--seat E\r\n", answer + answer, 0},
        {"4097 bytes", line(4097) + "\n--seat E\n", skipped + answer, 2},
        {"a comment of 4097 bytes", "#" + line(4096) + "\n--seat E\n", skipped + answer, 2},
        {"10 MB, CR", line(10'000'000) + "\r--seat E\n", skipped + answer, 2},
        {"10 MB at the end", "--seat E\n" + line(10'000'000), answer + skipped, 2},
        {"two in a row", line(5000) + "\n" + line(5000) + "\n", skipped + skipped, 2},
    };
    for (const Row& row : rows) {
        for (std::size_t chunk : {std::string_view::npos, std::size_t{1000}, std::size_t{4097}}) {
            SCOPED_TRACE(std::string(row.name) + ", read by " + std::to_string(chunk));
            const auto r = runCli({"--batch", "--json"}, row.input, chunk);
            EXPECT_EQ(r.status, row.status);
            EXPECT_EQ(r.out, row.out);
        }
    }
}

// What --json prints for the hand with `win` as its winning tile, without the line break.
std::string jsonWith(const std::vector<std::string>& hand, const char* win, const char* kind)
{
    std::vector<std::string> args = hand;
    args.insert(args.end(), {"--json", "--win", win, kind});
    std::string out = runCli(args).out;
    if (!out.empty()) out.pop_back();
    return out;
}

TEST(CliWaits, EachWaitWithWhatJsonPrintsForIt)
{
    const std::vector<std::string> hand = {"--hand", "2345m678p345s999s", "--round", "E", "--seat",
                                           "S"};
    std::string expected = "{\"waits\": [";
    for (const char* win : {"2m", "5m"}) {
        if (win[0] == '5') expected += ", ";
        expected += std::string("{\"win\": \"") + win +
                    "\", \"ron\": " + jsonWith(hand, win, "--ron") +
                    ", \"tsumo\": " + jsonWith(hand, win, "--tsumo") + "}";
    }
    expected += "]}\n";
    for (const char* extra : {"", "--json", "--tsumo"}) {
        SCOPED_TRACE(extra);
        std::vector<std::string> args = {"--waits"};
        args.insert(args.end(), hand.begin(), hand.end());
        if (*extra) args.push_back(extra);
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, expected);
        EXPECT_EQ(r.err, "");
    }
}

TEST(CliWaits, AnswersAndErrorsAreJson)
{
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::string out;
        int status;
    };
    const std::vector<Row> rows = {
        {"no wait",
         {"--waits", "--hand", "1357m2468p1357s1z", "--round", "E", "--seat", "S"},
         "{\"waits\": []}\n",
         0},
        {"a wind missing",
         {"--waits", "--hand", "1357m2468p1357s1z", "--round", "E"},
         "{\"message\": \"自風が選択されていません\"}\n",
         0},
        {"twelve tiles",
         {"--waits", "--hand", "2345m678p345s99s"},
         "{\"error\": \"--waits: the hand has 12 tiles (13 are needed: the concealed tiles and "
         "three for each meld)\"}\n",
         2},
        {"a meld and nine",
         {"--waits", "--pon", "111z", "--hand", "123456789m"},
         "{\"error\": \"--waits: the hand has 12 tiles (13 are needed: the concealed tiles and "
         "three for each meld)\"}\n",
         2},
        {"--win too",
         {"--hand", "2345m678p345s999s", "--win", "5m", "--waits"},
         "{\"error\": \"--waits: not allowed with --win (the waits are the tiles that could "
         "win)\"}\n",
         2},
        {"a refused tile",
         {"--waits", "--hand", "11111m"},
         "{\"error\": \"--hand '11111m': a fifth 1m (一萬) is refused (four are on the table "
         "already)\"}\n",
         2},
        {"an unknown option",
         {"--waits", "--bogus"},
         "{\"error\": \"--bogus: unknown option (see --help)\"}\n",
         2},
        {"an unknown option before it",
         {"--bogus", "--waits"},
         "{\"error\": \"--bogus: unknown option (see --help)\"}\n",
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto r = runCli(row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(CliWaits, BatchAnswersEveryLine)
{
    const std::string twoSided = "--hand 2345m678p345s999s --round E --seat S";
    const std::string answer =
        runCli({"--waits", "--hand", "2345m678p345s999s", "--round", "E", "--seat", "S"}).out;
    const std::string input = twoSided + "\n# a comment\n" +
                              "--hand 1357m2468p1357s1z --round E --seat S\n"
                              "--hand 2345m678p345s99s\n" +
                              twoSided + " --win 5m\n" + "--hand 1357m2468p1357s1z\n";
    const std::string out =
        answer + "{\"waits\": []}\n" +
        "{\"error\": \"--waits: the hand has 12 tiles (13 are needed: the concealed tiles and "
        "three for each meld)\"}\n"
        "{\"error\": \"--waits: not allowed with --win (the waits are the tiles that could "
        "win)\"}\n"
        "{\"message\": \"自風が選択されていません\"}\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--batch", "--waits"}, {"--waits", "--batch", "--json"}}) {
        SCOPED_TRACE(args[0]);
        const auto r = runCli(args, input);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, out);
        EXPECT_EQ(r.err, "");
    }
    // Many lines, scored by three jobs: each answer in the order of its line.
    std::string many;
    std::string manyOut;
    for (int i = 0; i < 20; ++i) {
        many += input;
        manyOut += out;
    }
    EXPECT_EQ(runCli({"--batch", "--waits", "--jobs", "3"}, many).out, manyOut);
    // --waits on one line of a batch answers that line only so.
    const auto r = runCli({"--batch"}, "--seat E\n--waits " + twoSided + "\n--seat E\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "場風が選択されていません\n" + answer + "場風が選択されていません\n");
}

// Hands out one line per read and notes, at each read, what had been written
// before it.
class LinePerRead final : public cli::Input {
public:
    LinePerRead(std::vector<std::string> lines, const cli::StringOutput& out)
        : lines_(std::move(lines)), out_(out)
    {
    }
    long read(char* buffer, std::size_t size, int& error) override
    {
        writtenAtRead.push_back(out_.text);
        if (next_ == lines_.size()) {
            if (failWith == 0) return 0;
            error = failWith;
            return -1;
        }
        const std::string& line = lines_[next_++];
        EXPECT_LE(line.size(), size);
        line.copy(buffer, size);
        return static_cast<long>(line.size());
    }

    int failWith = 0;
    std::vector<std::string> writtenAtRead;

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const cli::StringOutput& out_;
};

TEST(CliRun, BatchAnswersAreOutBeforeItWaitsForMore)
{
    cli::StringOutput out;
    cli::StringOutput err;
    LinePerRead in({"--seat E\n", "# no answer\n", "--seat E --round E\n--seat E\n"}, out);
    EXPECT_EQ(cli::run(words({"--batch"}), in, out, err), 0);
    const std::string first = "場風が選択されていません\n";
    const std::string second = first + "和了牌がありません\n" + first;
    EXPECT_EQ(in.writtenAtRead, (std::vector<std::string>{"", first, first, second}));
    EXPECT_EQ(out.text, second);

    // All of a file at once: one write for all its answers.
    cli::StringOutput whole;
    cli::StringInput file("--seat E\n--seat E\n--seat E\n");
    EXPECT_EQ(cli::run(words({"--batch"}), file, whole, err), 0);
    EXPECT_EQ(whole.writes, 1);
}

TEST(CliRun, AFailedReadIsAnError)
{
    cli::StringOutput out;
    cli::StringOutput err;
    LinePerRead in({"--seat E\n", "--seat"}, out);
    in.failWith = EISDIR;
    EXPECT_EQ(cli::run(words({"--batch"}), in, out, err), 2);
    EXPECT_EQ(out.text, "場風が選択されていません\n");  // the cut line gets no answer
    EXPECT_EQ(err.text, "tenho-score: standard input: Is a directory\n");
}

TEST(CliRun, AFailedWriteIsAnError)
{
    std::string batch;
    for (int i = 0; i < 20000; ++i) batch += "--seat E\n";
    struct Row {
        int error;
        const char* err;  // a closed pipe ends the run quietly
    };
    const Row rows[] = {
        {ENOSPC, "tenho-score: standard output: No space left on device\n"},
        {EBADF, "tenho-score: standard output: Bad file descriptor\n"},
        {EPIPE, ""},
    };
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},      {"--version"}, {"--json", "--seat", "E"},
        {"--seat", "E"}, {"--batch"},   {"--batch", "--jobs", "2"}};
    for (const Row& row : rows) {
        for (const auto& args : commands) {
            for (std::size_t failAfter : {std::size_t{0}, std::size_t{70000}}) {
                if (failAfter > 0 && args[0] != "--batch") continue;
                SCOPED_TRACE(args[0] + " after " + std::to_string(failAfter) + ": " + row.err);
                cli::StringInput in(batch);
                cli::StringOutput out;
                cli::StringOutput err;
                out.failWith = row.error;
                out.failAfter = failAfter;
                EXPECT_EQ(cli::run(words(args), in, out, err), 2);
                EXPECT_EQ(err.text, row.err);
                if (failAfter > 0 && args[0] == "--batch") {
                    // It stops at the failure rather than scoring the rest.
                    EXPECT_LT(in.reads, 5);
                }
            }
        }
    }
}

TEST(CliRun, VersionAndHelp)
{
    const std::string version = "tenho-score " + std::string(kVersion) + "\n";
    EXPECT_EQ(version, "tenho-score 0.97\n");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--version"}, {"--batch", "--version"}, {"--version", "--json"}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, version);
    }
    const auto help = runCli({"--help"});
    EXPECT_EQ(runCli({"-h"}).out, help.out);
    const auto listed = [&](std::string_view name) {
        for (auto at = help.out.find(name); at != std::string::npos;
             at = help.out.find(name, at + 1)) {
            const char next = help.out[at + name.size()];
            if (next != '-' && (next < 'a' || next > 'z')) return true;
        }
        return false;
    };
    for (std::string_view name : cli::optionNames()) EXPECT_TRUE(listed(name)) << name;
    EXPECT_NE(help.out.find("blank\n                      lines and lines starting with # get no "
                            "answer"),
              std::string::npos);
    EXPECT_EQ(runCli({"--batch"}, "--version\n-h\n").out,
              "error: --version: not allowed on a batch line\n"
              "error: --help: not allowed on a batch line\n");
}

TEST(CliRun, JobsOnlyWithABatch)
{
    auto r = runCli({"--jobs", "2", "--seat", "E"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tenho-score: --jobs: only with --batch\n");
    r = runCli({"--batch", "--jobs=2"}, "--jobs 1 --seat E\n--seat E\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "error: --jobs: not allowed on a batch line\n場風が選択されていません\n");
}

TEST(CliRun, AWorkerMovedToAProcessorIsLetFreeAgain)
{
    cpu_set_t allowed;
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    const tenho::cli::Processors processors = tenho::cli::Processors::ofThisThread();
    for (std::size_t j = 0; j < 5; ++j) {
        cpu_set_t after;
        std::mutex moved;
        moved.lock();
        std::thread worker([&] {
            const std::lock_guard wait(moved);
            ASSERT_EQ(sched_getaffinity(0, sizeof after, &after), 0);
        });
        processors.move(worker, j);
        moved.unlock();
        worker.join();
        EXPECT_TRUE(CPU_EQUAL(&after, &allowed)) << "worker " << j;
    }
}

// tenho-score started with pipes on its three standard streams.
class Scorer {
public:
    explicit Scorer(const std::vector<std::string>& args, bool ignorePipeSignal = false)
    {
        int in[2], out[2], err[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0) ADD_FAILURE() << "pipe";
        pid_ = ::fork();
        if (pid_ == 0) {
            std::signal(SIGPIPE, ignorePipeSignal ? SIG_IGN : SIG_DFL);
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
            std::vector<std::string> storage = {TENHO_SCORE_PATH};
            storage.insert(storage.end(), args.begin(), args.end());
            std::vector<char*> argv;
            for (std::string& a : storage) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(TENHO_SCORE_PATH, argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        in_ = in[1];
        out_ = out[0];
        err_ = err[0];
    }
    ~Scorer()
    {
        for (int fd : {in_, out_, err_})
            if (fd >= 0) ::close(fd);
        if (pid_ > 0) wait();
    }

    bool write(std::string_view text) { return ::write(in_, text.data(), text.size()) >= 0; }
    void closeInput() { closeFd(in_); }
    void closeOutput() { closeFd(out_); }

    // Reads standard output up to a line break; what there is after 10 s.
    std::string readLine() { return readFrom(out_, true); }
    std::string readErrors() { return readFrom(err_, false); }

    int wait()
    {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    static void closeFd(int& fd)
    {
        ::close(fd);
        fd = -1;
    }
    static std::string readFrom(int fd, bool oneLine)
    {
        std::string text;
        char ch = 0;
        pollfd p{fd, POLLIN, 0};
        while (::poll(&p, 1, 10000) == 1 && ::read(fd, &ch, 1) == 1) {
            text += ch;
            if (oneLine && ch == '\n') break;
        }
        return text;
    }

    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int err_ = -1;
};

// The test writes into pipes whose reader may be gone.
class CliProcess : public ::testing::Test {
protected:
    void SetUp() override { previous_ = std::signal(SIGPIPE, SIG_IGN); }
    void TearDown() override { std::signal(SIGPIPE, previous_); }

private:
    void (*previous_)(int) = nullptr;
};

TEST_F(CliProcess, AnswersOneLineAtATime)
{
    Scorer s({"--batch", "--json"});
    ASSERT_TRUE(s.write("--seat E\n"));
    EXPECT_EQ(s.readLine(), "{\"message\": \"場風が選択されていません\"}\n");
    ASSERT_TRUE(s.write("# nothing\n--seat E --round E\r"));
    EXPECT_EQ(s.readLine(), "{\"message\": \"和了牌がありません\"}\n");
    s.closeInput();
    EXPECT_EQ(s.readLine(), "");
    const int status = s.wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(CliProcess, AClosedPipeEndsTheRunQuietly)
{
    for (bool ignored : {false, true}) {
        SCOPED_TRACE(ignored ? "SIGPIPE ignored" : "SIGPIPE as usual");
        Scorer s({"--batch"}, ignored);
        s.closeOutput();
        for (int i = 0; i < 100000 && s.write("--seat E\n"); ++i) {
        }
        s.closeInput();
        EXPECT_EQ(s.readErrors(), "");
        const int status = s.wait();
        if (ignored) {
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 2);
        } else {
            ASSERT_TRUE(WIFSIGNALED(status));
            EXPECT_EQ(WTERMSIG(status), SIGPIPE);
        }
    }
}

TEST_F(CliProcess, FailedReadsAndWritesAreErrors)
{
    struct Row {
        const char* command;  // after the program, stderr already on the pipe
        const char* err;
    };
    const Row rows[] = {
        {"--help >/dev/full", "tenho-score: standard output: No space left on device\n"},
        {"--json --seat E >/dev/full", "tenho-score: standard output: No space left on device\n"},
        {"--help >&-", "tenho-score: standard output: Bad file descriptor\n"},
        {"--batch </ >/dev/null", "tenho-score: standard input: Is a directory\n"},
        {"--batch <&- >/dev/null", "tenho-score: standard input: Bad file descriptor\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        const std::string command = std::string(TENHO_SCORE_PATH) + " 2>&1 " + row.command;
        std::FILE* p = ::popen(command.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string text;
        char buf[256];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
        const int status = ::pclose(p);
        EXPECT_EQ(text, row.err);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 2);
    }
}

TEST_F(CliProcess, TheInstalledBinaryAnswers)
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
