// SPDX-License-Identifier: GPL-3.0-or-later
// Golden hands: a hand entered as a person would, 計算 pressed, and the whole
// result dialog compared with the dialog worked out by hand.
#pragma once

#include "core/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tenho::testing {

// One hand as it is put on the table.
//   hand:  the concealed tiles, "123m456p"
//   win:   the winning tile
//   melds: meld frames 1.. in order, blank separated; a kan is written with
//          four tiles and a closed kan gets a trailing '*': "123p 555z 2222m*"
//   situ:  blank separated words: tsumo riichi double ippatsu first haitei
//          rinshan kuitan renhou round=E|S|W|N seat=E|S|W|N dora=TILES;
//          defaults: ロン, prevailing 東, seat 南, no box, no indicator
struct Deal {
    const char* hand;
    const char* win;
    const char* melds;
    const char* situ;
};

// What the result dialog shows.
struct Shown {
    const char* l1;
    const char* l2;
    const char* l3;
    const char* l4;
    const char* l5;
    double font;
    bool fuShown;
};

struct GoldenRow {
    const char* name;
    Deal deal;
    Shown shown;
};

inline int windIndex(char w)
{
    switch (w) {
    case 'E':
        return 0;
    case 'S':
        return 1;
    case 'W':
        return 2;
    case 'N':
        return 3;
    default:
        ADD_FAILURE() << "bad wind " << w;
        return -1;
    }
}

inline std::string visible(std::string_view s)
{
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '\r')
            out += "\\r";
        else if (ch == '\n')
            out += "\\n";
        else
            out += ch;
    }
    return out + "\"";
}

inline std::string describe(const HAN_number& h)
{
    std::ostringstream os;
    os << "  Label1 " << visible(h.Label1) << "\n  Label2 " << visible(h.Label2) << "\n  Label3 "
       << visible(h.Label3) << "\n  Label4 " << visible(h.Label4) << "\n  Label5 "
       << visible(h.Label5) << "\n  Label4FontSize " << h.Label4FontSize << "\n  Label5Visible "
       << h.Label5Visible << "\n";
    return os.str();
}

inline HAN_number dialogOf(const Shown& s)
{
    HAN_number h;
    h.Label1 = s.l1;
    h.Label2 = s.l2;
    h.Label3 = s.l3;
    h.Label4 = s.l4;
    h.Label5 = s.l5;
    h.Label4FontSize = s.font;
    h.Label5Visible = s.fuShown;
    return h;
}

// The call dialog's answer for a meld written as in Deal::melds: three equal
// tiles a pon, three in a row a chi (dropped on its lowest tile), four a kan.
inline NakiCheckButton callOf(const std::vector<Code>& meld)
{
    if (meld.size() == 4) return NakiCheckButton::Kan;
    return meld.size() == 3 && meld[0] == meld[1] ? NakiCheckButton::Pon : NakiCheckButton::Chi;
}

// Enters the deal on a fresh calculator through the window's handlers, in
// the order a person would: melds (the call dialogs answered by the host),
// concealed tiles, winning tile, house rules (the options dialog), boxes in
// the order written, dora indicators, win kind. Every entry must be taken.
inline void enter(Calculator& c, const Deal& d)
{
    int k = 0;
    std::istringstream melds(d.melds);
    for (std::string m; melds >> m;) {
        const bool closed = !m.empty() && m.back() == '*';
        if (closed) m.pop_back();
        const std::vector<Code> meld = tiles(m);
        ASSERT_FALSE(meld.empty()) << "meld " << m;
        c.host.nakiAnswers = {callOf(meld)};
        c.host.kanAnswers = {closed ? KanCheckButton::Ankan : KanCheckButton::Minkan};
        ASSERT_EQ(c.t.formMeld(++k, paletteIndex(meld[0])), Entry::Accepted) << "meld " << m;
        std::string written;
        for (Code code : meld) written += (written.empty() ? "" : " ") + code.str();
        ASSERT_EQ(codes(c.t.List[static_cast<std::size_t>(k)]), written) << "meld " << m;
    }
    c.host.nakiAnswers.clear();
    c.host.kanAnswers.clear();
    for (Code code : tiles(d.hand)) {
        ASSERT_EQ(c.t.Frame1_DragDrop(paletteIndex(code)), Entry::Accepted)
            << "hand tile " << code.str();
    }
    if (*d.win) {
        ASSERT_EQ(c.t.Frame7_DragDrop(src(d.win)), Entry::Accepted) << "winning tile";
    }

    int round = 0;
    int seat = 1;
    bool tsumo = false;
    bool kuitan = false;
    bool renhou = false;
    std::string dora;
    std::vector<int> boxes;
    static constexpr std::string_view kBoxes[] = {"riichi", "double", "ippatsu",
                                                  "first",  "haitei", "rinshan"};
    std::istringstream words(d.situ);
    for (std::string w; words >> w;) {
        const auto box = std::find(std::begin(kBoxes), std::end(kBoxes), w);
        if (box != std::end(kBoxes))
            boxes.push_back(static_cast<int>(box - std::begin(kBoxes)));
        else if (w == "tsumo")
            tsumo = true;
        else if (w == "kuitan")
            kuitan = true;
        else if (w == "renhou")
            renhou = true;
        else if (w.rfind("round=", 0) == 0)
            round = windIndex(w.back());
        else if (w.rfind("seat=", 0) == 0)
            seat = windIndex(w.back());
        else if (w.rfind("dora=", 0) == 0)
            dora = w.substr(5);
        else
            ADD_FAILURE() << "unknown word " << w;
    }
    if (kuitan || renhou) {
        form_OPTION rules;
        c.t.form_OPTION_Load(rules);
        if (kuitan) rules.Option1 = 0;
        if (renhou) rules.Option3 = 0;
        c.host.formOptionAnswer = rules;
        c.t.SYSTEM_Click();
    }
    for (int b : boxes) {
        // The window never enables カン直後; the calculator reads the box as
        // it stands, so it is checked as the program could check it.
        if (b == 5) {
            c.t.C_OPTION[5].value = 1;
            continue;
        }
        ASSERT_EQ(c.t.clickC_OPTION(b), Entry::Accepted) << "box " << kBoxes[b];
    }
    for (Code code : tiles(dora)) {
        ASSERT_EQ(c.t.Frame6_DragDrop(paletteIndex(code)), Entry::Accepted)
            << "indicator " << code.str();
    }
    if (tsumo) c.t.selectTUMO_END();
    c.winds(round, seat);
}

// Scores the deal and compares the one dialog shown with the expectation.
inline void expectGolden(const GoldenRow& row)
{
    SCOPED_TRACE(row.name);
    Calculator c;
    enter(c, row.deal);
    if (::testing::Test::HasFatalFailure()) return;
    c.t.cmdKEISAN_Click();
    EXPECT_TRUE(c.host.messages.empty()) << row.name << ": message " << c.host.messages.front();
    ASSERT_EQ(c.host.shownDialogs.size(), 1u) << row.name;
    const HAN_number& got = c.host.shownDialogs.front();
    const HAN_number want = dialogOf(row.shown);
    EXPECT_TRUE(got == want) << row.name << "\n expected:\n"
                             << describe(want) << " shown:\n"
                             << describe(got) << " split: " << split(c.t);
}

inline void expectGolden(std::initializer_list<GoldenRow> rows)
{
    for (const GoldenRow& r : rows) expectGolden(r);
}

}  // namespace tenho::testing

namespace tenho::testing {

// Point sizes of the payment label.
inline constexpr double kSplitPt = 13;     // "…点（親）・…点（子）"
inline constexpr double kPlainPt = 18;     // every other payment text
inline constexpr double kUnsetPt = 12.75;  // no payment routine ran

// The dialog of a hand without yaku.
inline constexpr Shown kNoYaku{"役がありません", "", "", "", "", kPlainPt, true};

}  // namespace tenho::testing
