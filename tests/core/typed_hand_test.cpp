// SPDX-License-Identifier: GPL-3.0-or-later
// A hand typed on one line: what it reads as, where a malformed line goes
// wrong, and that entering it is the drops a person would make.
#include <gtest/gtest.h>

#include <functional>
#include <span>

#include "core/entry_script.h"
#include "entry/typed_hand.h"

namespace tenho::testing {
namespace {

// The drops written back: "pon7z ankan1s 2m +8s d1m".
std::string dropsText(const std::vector<TypedDrop>& drops)
{
    static constexpr const char* kCalls[] = {"", "chi", "pon", "kan", "ankan"};
    std::string out;
    for (const TypedDrop& d : drops) {
        if (!out.empty()) out += ' ';
        const std::string tile = tileNotation(kHaiCodes[static_cast<std::size_t>(d.source)]);
        switch (d.target) {
        case TypedDrop::Target::Meld:
            out += kCalls[static_cast<int>(d.call)] + tile;
            break;
        case TypedDrop::Target::Hand:
            out += tile;
            break;
        case TypedDrop::Target::WinningTile:
            out += "+" + tile;
            break;
        case TypedDrop::Target::Dora:
            out += "d" + tile;
            break;
        }
    }
    return out;
}

TEST(TypedHand, ReadsAsTheDropsInThePersonsOrder)
{
    struct Row {
        const char* name;
        const char* line;
        const char* drops;
    };
    const Row rows[] = {
        {"every part", "234m567p88s +8s (777z) [1111s] d1m",
         "pon7z ankan1s 2m 3m 4m 5p 6p 7p 8s 8s +8s d1m"},
        {"no blanks", "23m+8s(777z)[1111s]d1m3p", "pon7z ankan1s 2m 3m +8s d1m d3p"},
        {"melds first, whatever the order written", "d1m +8s 23m (123p)", "chi1p 2m 3m +8s d1m"},
        {"a chi written in any order drops its lowest tile", "(978m) (312p)", "chi7m chi1p"},
        {"open kan", "(1111s)", "kan1s"},
        {"hand in several words", "234m 567p 5z", "2m 3m 4m 5p 6p 7p 5z"},
        {"blanks after the markers", "+ 8s d 1m", "+8s d1m"},
        {"capitals", "234M +8S D1Z", "2m 3m 4m +8s d1z"},
        {"full-width, as an input method types", "２３４ｍ　＋８ｓ（７７７ｚ）［１１１１ｓ］ｄ１ｍ",
         "pon7z ankan1s 2m 3m 4m +8s d1m"},
        {"a fifth meld is still a drop", "(111z)(222z)(333z)(444z)(555z)",
         "pon1z pon2z pon3z pon4z pon5z"},
        {"a blank line is no drops", "   ", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::vector<TypedDrop> drops;
        TypingError error;
        ASSERT_TRUE(readTypedHand(r.line, drops, error)) << error.reason;
        EXPECT_EQ(dropsText(drops), r.drops);
    }
}

TEST(TypedHand, AMalformedLineSaysWhereAndWhyAndEntersNothing)
{
    struct Row {
        const char* line;
        std::size_t at;  // bytes of the line as typed
        std::size_t length;
        const char* reason;
    };
    const Row rows[] = {
        {"234m5", 0, 5, "数字の後に m p s z のどれかを書きます"},
        {"2340m", 3, 1, "0 という牌はありません"},
        {"11m 8z", 4, 1, "字牌は 1z〜7z です（東南西北白發中）"},
        {"22m m", 4, 1, "「m」の前に数字がありません"},
        {"23x", 2, 1, "「x」は使えません（牌は 1〜9 と m p s z で書きます）"},
        {"23m 中", 4, 3, "「中」は使えません（牌は 1〜9 と m p s z で書きます）"},
        {"２３４ｘ", 9, 3, "「ｘ」は使えません（牌は 1〜9 と m p s z で書きます）"},
        {"+8x", 2, 1, "「x」は使えません（牌は 1〜9 と m p s z で書きます）"},
        {"d1x", 2, 1, "「x」は使えません（牌は 1〜9 と m p s z で書きます）"},
        {"23m +", 4, 1, "「+」の後に和了牌を書きます"},
        {"+8s9s", 1, 4, "和了牌は1枚です"},
        {"+8s +9s", 4, 3, "和了牌は1枚です"},
        {"23m d", 4, 1, "「d」の後にドラ表示牌を書きます"},
        {"(777z", 0, 5, "「(」が閉じていません"},
        {"(777z +8s", 0, 6, "「(」が閉じていません"},
        {"(777z]", 5, 1, "「(」は「)」で閉じます"},
        {"(77 7z)", 4, 1, "鳴き牌は空白を入れずに書きます"},
        {"777z)", 4, 1, "「)」の前に「(」がありません"},
        {"()", 0, 2, "括弧の中に鳴き牌を書きます"},
        {"(12p)", 0, 5, "( ) はチー（123m）、ポン（777z）、ミンカン（1111s）のどれかです"},
        {"(135p)", 0, 6, "( ) はチー（123m）、ポン（777z）、ミンカン（1111s）のどれかです"},
        {"(123z)", 0, 6, "( ) はチー（123m）、ポン（777z）、ミンカン（1111s）のどれかです"},
        {"[777z]", 0, 6, "[ ] はアンカンです（[1111s] のように同じ牌4枚）"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        std::vector<TypedDrop> drops{{TypedDrop::Target::Hand, 0}};
        TypingError error;
        EXPECT_FALSE(readTypedHand(r.line, drops, error));
        EXPECT_EQ(error.at, r.at);
        EXPECT_EQ(error.length, r.length);
        EXPECT_EQ(error.reason, r.reason);
        EXPECT_TRUE(drops.empty());
    }
}

// The table as a person sees it: every picture, the boxes and the lists.
std::string tableText(const TENHO& t)
{
    std::string out = "hand " + codes(t.List[0]) + " | win " + t.Text1.str() + " | dora " +
                      codes(t.List2) + " | melds";
    for (int k = 1; k <= 4; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        out += " " + codes(t.List[kk]) + (t.meldIsClosedKan(k) ? " closed" : "") + ";";
    }
    out +=
        " | boxes " + std::to_string(t.C_OPTION[0].enabled) + std::to_string(t.C_OPTION[1].enabled);
    const auto pictures = [&out](std::span<const Picture> row) {
        out += " |";
        for (const Picture& p : row) out += " " + std::to_string(p.visible ? p.image : -1);
    };
    pictures(t.T_HAI);
    pictures(t.DORA);
    for (std::size_t k = 1; k <= 4; ++k) {
        pictures(t.NAKI[k]);
        pictures(t.KAN_KAN[k]);
    }
    pictures(std::span(&t.ENDPAI, 1));
    for (const Picture& p : t.JUMP) out += p.visible ? "J" : "-";
    return out;
}

Entry typeIn(Calculator& c, std::string_view line, std::vector<Entry>* each = nullptr)
{
    std::vector<TypedDrop> drops;
    TypingError error;
    EXPECT_TRUE(readTypedHand(line, drops, error)) << error.reason;
    const std::vector<Entry> entries = enterTypedHand(c.t, drops);
    if (each) *each = entries;
    expectEntryInvariants(c.t);
    return entries.empty() ? Entry::Ignored : entries.back();
}

std::string entriesText(const std::vector<Entry>& entries)
{
    std::string out;
    for (Entry e : entries) out += e == Entry::Accepted ? 'A' : e == Entry::Refused ? 'R' : '-';
    return out;
}

TEST(TypedHand, EnteringIsWhatThoseDropsWouldHaveDone)
{
    struct Row {
        const char* name;
        const char* before;  // typed first
        const char* line;
        const char* entries;  // A accepted, R refused with a beep, - ignored
        int beeps;
        std::function<void(Calculator&)> byMouse;  // the same entries made by hand
    };
    const Row rows[] = {
        {"a whole hand", "", "234m567p8s +8s (777z) [1111s] d1m", "AAAAAAAAAAA", 0,
         [](Calculator& c) {
             dropOnMeldFrame(c, 1, "7z", NakiCheckButton::Pon);
             dropOnMeldFrame(c, 2, "1s", NakiCheckButton::Kan, KanCheckButton::Ankan);
             c.hand("234m567p8s");
             c.win("8s");
             c.dora("1m");
         }},
        {"chi and open kan", "", "(789m)(2222p) 11z", "AAAA", 0,
         [](Calculator& c) {
             dropOnMeldFrame(c, 1, "7m", NakiCheckButton::Chi);
             dropOnMeldFrame(c, 2, "2p", NakiCheckButton::Kan, KanCheckButton::Minkan);
             c.hand("11z");
         }},
        {"a fifth tile beeps and is not entered", "", "5555m +5m d5m", "AAAARR", 2,
         [](Calculator& c) {
             c.hand("5555m");
             c.win("5m");
             c.dora("5m");
         }},
        {"a full hand ignores the tile, silently", "", "1112345678999m1p", "AAAAAAAAAAAAA-", 0,
         [](Calculator& c) { c.hand("1112345678999m1p"); }},
        {"a meld takes its slots first", "", "1112345678999m (777z)", "AAAAAAAAAAA---", 0,
         [](Calculator& c) {
             dropOnMeldFrame(c, 1, "7z", NakiCheckButton::Pon);
             c.hand("1112345678999m");
         }},
        {"a pon of a kind twice on the table beeps", "77z", "(777z)", "R", 1,
         [](Calculator& c) { c.hand("77z"); }},
        {"the indicators stop at four", "", "d12345m", "AAAA-", 0,
         [](Calculator& c) { c.dora("12345m"); }},
        {"added to what is on the table", "1m +9p", "2m +8s", "A-", 0,
         [](Calculator& c) {
             c.hand("12m");
             c.win("9p");
         }},
        {"a fifth meld is ignored", "", "(111z)(222z)(333z)(444z)(555z)", "AAAA-", 0,
         [](Calculator& c) {
             for (int k = 1; k <= 4; ++k)
                 dropOnMeldFrame(c, k, std::string(1, static_cast<char>('0' + k)) + "z",
                                 NakiCheckButton::Pon);
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Calculator typed;
        if (*r.before) typeIn(typed, r.before);
        typed.host.beeps = 0;
        std::vector<Entry> entries;
        typeIn(typed, r.line, &entries);
        EXPECT_EQ(entriesText(entries), r.entries);
        EXPECT_EQ(typed.host.beeps, r.beeps);
        // The call dialogs were answered by what was typed, never shown.
        EXPECT_TRUE(typed.host.nakiChiVisible.empty());
        EXPECT_EQ(typed.host.kanShown, 0);
        EXPECT_EQ(&typed.t.host(), &typed.host);

        Calculator mouse;
        r.byMouse(mouse);
        EXPECT_EQ(tableText(typed.t), tableText(mouse.t));
    }
}

}  // namespace
}  // namespace tenho::testing
