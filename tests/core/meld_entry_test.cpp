// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/entry_script.h"
#include "core/test_support.h"

namespace tenho::testing {
namespace {

constexpr auto kChi = NakiCheckButton::Chi;
constexpr auto kPon = NakiCheckButton::Pon;
constexpr auto kKan = NakiCheckButton::Kan;
constexpr auto kCancel = NakiCheckButton::Cancel;
constexpr auto kClosed = NakiCheckButton::Closed;  // the dialog was closed through its frame
constexpr auto kAnkan = KanCheckButton::Ankan;
constexpr auto kMinkan = KanCheckButton::Minkan;
constexpr auto kKanCancel = KanCheckButton::Cancel;
constexpr auto kKanClosed = KanCheckButton::Closed;

bool placeholdersShown(const TENHO& t, int from, int to)
{
    for (int j = from; j <= to; ++j)
        if (!t.JUMP[static_cast<std::size_t>(j)].visible) return false;
    return true;
}

TEST(MeldEntry, ChiIsOfferedOnlyWhereASequenceCanStart)
{
    struct Row {
        const char* tile;
        bool offered;
    };
    const std::vector<Row> rows = {
        {"1m", true},  {"7m", true},  {"8m", false}, {"9m", false}, {"1s", true},
        {"7s", true},  {"8s", false}, {"7p", true},  {"9p", false}, {"1z", false},
        {"4z", false}, {"5z", false}, {"7z", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.tile);
        Calculator c;
        EXPECT_EQ(dropOnMeldFrame(c, 1, r.tile, kCancel), Entry::Ignored);
        ASSERT_EQ(c.host.nakiChiVisible.size(), 1u);
        EXPECT_EQ(c.host.nakiChiVisible[0], r.offered);
        EXPECT_EQ(c.t.meldCount(), 0);
        expectEntryInvariants(c.t);
    }
}

TEST(MeldEntry, ChiStartsAtTheDroppedTile)
{
    Calculator c;
    EXPECT_EQ(dropOnMeldFrame(c, 1, "7m", kChi), Entry::Accepted);
    EXPECT_EQ(codes(c.t.List[1]), "07 08 09");
    EXPECT_EQ(c.t.NAKI[1][0].image, src("7m"));
    EXPECT_EQ(c.t.NAKI[1][2].image, src("9m"));
    EXPECT_FALSE(c.t.NAKI[1][3].visible);
    EXPECT_FALSE(c.t.KAN_KAN[1][0].visible);
    EXPECT_TRUE(placeholdersShown(c.t, 0, 2));
    EXPECT_EQ(c.t.NAKI_SENTAKU, "0");
    expectEntryInvariants(c.t);
}

// A hidden チー button cannot be pressed: an answer naming it is no call.
TEST(MeldEntry, AnAnswerForTheHiddenChiButtonFormsNothing)
{
    for (const char* tile : {"8m", "9p", "1z"}) {
        SCOPED_TRACE(tile);
        Calculator c;
        EXPECT_EQ(dropOnMeldFrame(c, 1, tile, kChi), Entry::Ignored);
        EXPECT_EQ(c.t.meldCount(), 0);
        EXPECT_TRUE(c.t.List[1].isEmpty());
        expectEntryInvariants(c.t);
    }
}

TEST(MeldEntry, KindsOfCall)
{
    struct Row {
        const char* what;
        const char* tile;
        NakiCheckButton naki;
        KanCheckButton kan;
        const char* codes;
        bool closedKan;
    };
    const std::vector<Row> rows = {
        {"pon", "5z", kPon, kKanClosed, "71 71 71", false},
        {"open kan", "3p", kKan, kMinkan, "23 23 23 23", false},
        {"closed kan", "9s", kKan, kAnkan, "19 19 19 19", true},
        {"chi", "3s", kChi, kKanClosed, "13 14 15", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        EXPECT_EQ(dropOnMeldFrame(c, 1, r.tile, r.naki, r.kan), Entry::Accepted);
        EXPECT_EQ(codes(c.t.List[1]), r.codes);
        EXPECT_EQ(c.t.meldIsClosedKan(1), r.closedKan);
        EXPECT_EQ(c.t.ANKAN_FLAG, r.closedKan ? 1 : 0);
        EXPECT_EQ(c.host.kanShown, r.naki == kKan ? 1 : 0);
        expectEntryInvariants(c.t);
    }
}

TEST(MeldEntry, AClosedKanShowsFourFacesWithTheOuterOnesFaceDown)
{
    Calculator c;
    EXPECT_EQ(dropOnMeldFrame(c, 1, "5z", kKan, kAnkan), Entry::Accepted);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(c.t.NAKI[1][i].visible);
        EXPECT_EQ(c.t.NAKI[1][i].image, src("5z"));
    }
    EXPECT_EQ(c.t.KAN_KAN[1][0], (Picture{image::kFaceDown, true}));
    EXPECT_EQ(c.t.KAN_KAN[1][1], (Picture{image::kFaceDown, true}));
    EXPECT_EQ(boxesText(c.t.C_OPTION), kStartBoxes);
}

// The ANKAN_FLAG of an earlier closed kan must not make a later open kan closed.
TEST(MeldEntry, AnOpenKanAfterAClosedKanIsOpen)
{
    Calculator c;
    play(c, "0");
    EXPECT_EQ(dropOnMeldFrame(c, 1, "5z", kKan, kAnkan), Entry::Accepted);
    EXPECT_EQ(dropOnMeldFrame(c, 2, "6z", kKan, kMinkan), Entry::Accepted);
    EXPECT_TRUE(c.t.meldIsClosedKan(1));
    EXPECT_FALSE(c.t.meldIsClosedKan(2));
    EXPECT_EQ(c.t.C_OPTION[0], (CheckBox{0, false}));
    expectEntryInvariants(c.t);
}

TEST(MeldEntry, FourOfAKindRefusalsBeep)
{
    struct Row {
        const char* what;
        const char* hand;
        const char* dora;
        const char* win;
        const char* tile;
        NakiCheckButton naki;
        KanCheckButton kan;
        bool refused;
    };
    const std::vector<Row> rows = {
        {"pon, one copy in the hand", "1z", "", "", "1z", kPon, kKanClosed, false},
        {"pon, two copies in the hand", "11z", "", "", "1z", kPon, kKanClosed, true},
        {"pon, an indicator and the winning tile", "", "1z", "1z", "1z", kPon, kKanClosed, true},
        {"open kan, none on the table", "", "", "", "5p", kKan, kMinkan, false},
        {"open kan, one indicator", "", "5p", "", "5p", kKan, kMinkan, true},
        {"closed kan, the winning tile", "", "", "5p", "5p", kKan, kAnkan, true},
        {"chi, three of its last tile", "999m", "", "", "7m", kChi, kKanClosed, false},
        {"chi, four of its last tile", "999m", "", "9m", "7m", kChi, kKanClosed, true},
        {"chi, four of its middle tile", "88m", "88m", "", "7m", kChi, kKanClosed, true},
        {"chi, four of its first tile", "777m", "7m", "", "7m", kChi, kKanClosed, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        c.hand(r.hand);
        c.dora(r.dora);
        if (*r.win) c.win(r.win);
        const std::string hand = codes(c.t.List[0]);
        EXPECT_EQ(dropOnMeldFrame(c, 1, r.tile, r.naki, r.kan),
                  r.refused ? Entry::Refused : Entry::Accepted);
        EXPECT_EQ(c.host.beeps, r.refused ? 1 : 0);
        if (r.refused) {
            EXPECT_TRUE(c.t.List[1].isEmpty());
            EXPECT_EQ(codes(c.t.List[0]), hand);
            EXPECT_FALSE(c.t.KAN_KAN[1][0].visible);
            EXPECT_FALSE(placeholdersShown(c.t, 0, 0));
            EXPECT_EQ(boxesText(c.t.C_OPTION), kStartBoxes);
        }
        expectEntryInvariants(c.t);
    }
}

TEST(MeldEntry, MeldsFillTheFramesInOrder)
{
    Calculator c;
    EXPECT_EQ(dropOnMeldFrame(c, 2, "1z", kPon), Entry::Ignored);
    EXPECT_EQ(dropOnMeldFrame(c, 4, "1z", kPon), Entry::Ignored);
    EXPECT_TRUE(c.host.nakiChiVisible.empty()) << "no dialog for a frame out of order";
    EXPECT_EQ(dropOnMeldFrame(c, 1, "1z", kPon), Entry::Accepted);
    EXPECT_EQ(dropOnMeldFrame(c, 1, "2z", kPon), Entry::Ignored) << "a present meld is not edited";
    EXPECT_EQ(c.host.nakiChiVisible.size(), 1u);
    EXPECT_EQ(dropOnMeldFrame(c, 3, "2z", kPon), Entry::Ignored);
    EXPECT_EQ(dropOnMeldFrame(c, 2, "2z", kPon), Entry::Accepted);
    EXPECT_EQ(c.t.meldCount(), 2);
    EXPECT_EQ(codes(c.t.List[1]), "31 31 31");
    EXPECT_EQ(c.host.beeps, 0);
    expectEntryInvariants(c.t);
}

TEST(MeldEntry, CancelChangesNothing)
{
    struct Row {
        const char* what;
        const char* earlier;  // a call made before, on meld 1
        NakiCheckButton naki;
        KanCheckButton kan;
    };
    const std::vector<Row> rows = {
        {"Cancel", "", kCancel, kKanClosed},
        {"call dialog closed", "", kClosed, kKanClosed},
        {"kan dialog Cancel", "", kKan, kKanCancel},
        {"kan dialog closed", "", kKan, kKanClosed},
        {"an answer that is no button", "", static_cast<NakiCheckButton>(7), kKanClosed},
        {"call dialog closed after a pon", "p", kClosed, kKanClosed},
        {"call dialog closed after a chi", "c", kClosed, kKanClosed},
        {"call dialog closed after a kan", "k", kClosed, kKanClosed},
        {"kan dialog closed after a closed kan", "a", kKan, kKanClosed},
        {"kan dialog Cancel after an open kan", "k", kKan, kKanCancel},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        c.hand("1234567m");
        play(c, r.earlier);
        const int k = c.t.meldCount() + 1;
        const std::string hand = codes(c.t.List[0]);
        const std::string boxesBefore = boxesText(c.t.C_OPTION);
        EXPECT_EQ(dropOnMeldFrame(c, k, "9s", r.naki, r.kan), Entry::Ignored);
        EXPECT_EQ(c.t.NAKI_SENTAKU, "3");
        EXPECT_EQ(c.t.meldCount(), k - 1);
        EXPECT_TRUE(c.t.List[static_cast<std::size_t>(k)].isEmpty());
        EXPECT_FALSE(c.t.KAN_KAN[static_cast<std::size_t>(k)][0].visible);
        EXPECT_EQ(codes(c.t.List[0]), hand);
        EXPECT_EQ(boxesText(c.t.C_OPTION), boxesBefore);
        EXPECT_EQ(c.host.beeps, 0);
        expectEntryInvariants(c.t);
    }
}

TEST(MeldEntry, FormingGivesUpTheHighestCodedHandSlots)
{
    struct Row {
        const char* what;
        const char* earlier;  // melds formed before the hand is entered
        const char* hand;
        const char* left;  // List(0) after the meld
    };
    const std::vector<Row> rows = {
        {"13 tiles, meld 1", "", "123456789m1239p", "01 02 03 04 05 06 07 08 09 21"},
        {"12 tiles, meld 1", "", "23456789m1239p", "02 03 04 05 06 07 08 09 21 22"},
        {"11 tiles, meld 1", "", "3456789m1239p", "03 04 05 06 07 08 09 21 22 23"},
        {"10 tiles, meld 1", "", "456789m1239p", "04 05 06 07 08 09 21 22 23 29"},
        {"4 tiles, meld 1", "", "7z4m2p3s", "04 13 22 91"},
        {"10 tiles, meld 2", "p", "123456789m7z", "01 02 03 04 05 06 07"},
        {"8 tiles, meld 2", "p", "3456789m7z", "03 04 05 06 07 08 09"},
        {"4 tiles, meld 4", "ppp", "1239m", "01"},
        {"1 tile, meld 4", "ppp", "9m", "09"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        play(c, r.earlier);
        c.hand(r.hand);
        ASSERT_EQ(c.t.List[0].count(), static_cast<int>(tiles(r.hand).size()));
        const int k = c.t.meldCount() + 1;
        EXPECT_EQ(dropOnMeldFrame(c, k, "6z", kPon), Entry::Accepted);
        EXPECT_EQ(codes(c.t.List[0]), r.left);
        EXPECT_TRUE(placeholdersShown(c.t, 3 * (k - 1), 3 * (k - 1) + 2));
        expectEntryInvariants(c.t);
    }
}

TEST(MeldEntry, TheHandShrinksWhileAMeldIsFormedAndGrowsAgainWhenItGoes)
{
    Calculator c;
    play(c, "p");
    c.hand("123456789m1p");
    EXPECT_EQ(c.t.List[0].count(), 10);
    EXPECT_EQ(c.t.Frame1_DragDrop(src("2p")), Entry::Ignored);
    EXPECT_EQ(c.host.beeps, 0);
    EXPECT_EQ(c.t.NAKI_Click(1), Entry::Accepted);
    expectEntryInvariants(c.t);
    c.hand("234p");
    EXPECT_EQ(c.t.List[0].count(), 13);
    EXPECT_EQ(c.t.Frame1_DragDrop(src("5p")), Entry::Ignored);
    expectEntryInvariants(c.t);
}

TEST(MeldEntry, ClickingAMeldRemovesItAndEveryLaterOne)
{
    Calculator c;
    play(c, "pcap");
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(c.t.meldPresent(k));
    EXPECT_TRUE(placeholdersShown(c.t, 0, 11));

    EXPECT_EQ(c.t.NAKI_Click(2), Entry::Accepted);
    EXPECT_EQ(c.t.meldCount(), 1);
    EXPECT_EQ(codes(c.t.List[1]), "31 31 31");
    for (std::size_t k = 2; k <= 4; ++k) {
        EXPECT_TRUE(c.t.List[k].isEmpty());
        for (const Picture& p : c.t.NAKI[k]) EXPECT_EQ(p, Picture{});
        for (const Picture& p : c.t.KAN_KAN[k]) EXPECT_FALSE(p.visible);
    }
    EXPECT_TRUE(placeholdersShown(c.t, 0, 2));
    for (std::size_t j = 3; j < 12; ++j) EXPECT_FALSE(c.t.JUMP[j].visible);
    expectEntryInvariants(c.t);

    EXPECT_EQ(c.t.NAKI_Click(2), Entry::Ignored) << "nothing to click on an empty frame";
    EXPECT_EQ(c.t.NAKI_Click(1), Entry::Accepted);
    EXPECT_EQ(c.t.meldCount(), 0);
    expectEntryInvariants(c.t);
}

TEST(MeldEntry, RemovalGivesTheRiichiTypeBoxesBack)
{
    struct Row {
        const char* what;
        const char* script;
        int remove;
        const char* after;
        int indicators;
    };
    const std::vector<Row> rows = {
        {"the only open meld", "p", 1, "R0e W0e I0d F0e H0e K0d", 0},
        {"the only open meld, ハイテイ on", "p4", 1, "R0e W0d I0d F0d H1e K0d", 0},
        {"a closed kan and a pon from the kan", "ap", 1, "R0e W0e I0d F0e H0e K0d", 0},
        {"only closed kans", "0Da", 1, "R1e W0d I0e F0d H0e K0d", 6},
        {"only closed kans, ハイテイ on", "04Da", 1, "R1e W0d I0e F0d H1e K0d", 6},
        {"a pon after a closed kan", "ap", 2, "R0e W0e I0d F0e H0e K0d", 0},
        {"a pon after a closed kan, ハイテイ on", "ap4", 2, "R0e W0d I0d F0d H1e K0d", 0},
        {"a closed kan after a pon", "pa", 2, "R0d W0d I0d F0d H0e K0d", 0},
        {"a pon after a chi", "cp", 2, "R0d W0d I0d F0d H0e K0d", 0},
        {"closed kans only, リーチ and 一発", "02Daa", 2, "R1e W0d I1e F0d H0e K0d", 6},
        {"closed kans only, ダブリー", "1Daa", 2, "R0d W1e I0e F0d H0d K0d", 6},
        {"closed kans only, 一巡目", "3aa", 2, "R0d W0d I0d F1e H0d K0d", 0},
        {"a pon after two closed kans", "aap", 3, "R0e W0e I0d F0e H0e K0d", 0},
        {"melds 2 to 4 after a closed kan", "appp", 2, "R0e W0e I0d F0e H0e K0d", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        play(c, r.script);
        EXPECT_EQ(c.t.NAKI_Click(r.remove), Entry::Accepted);
        EXPECT_EQ(c.t.meldCount(), r.remove - 1);
        EXPECT_EQ(boxesText(c.t.C_OPTION), r.after);
        EXPECT_EQ(c.t.List2.count(), r.indicators);
        expectEntryInvariants(c.t);
    }
}

// Ura-dora indicators entered under a riichi must go when an open call ends
// the riichi; left in place they would be counted as dora.
TEST(MeldEntry, AnOpenCallTrimsTheIndicatorsToFour)
{
    struct Row {
        const char* what;
        const char* script;
    };
    const std::vector<Row> rows = {
        {"リーチ, pon", "0Dp"},
        {"リーチ and 一発, chi", "02Dc"},
        {"ダブリー, open kan", "1Dk"},
        {"ダブリー and 一発, pon", "12Dp"},
        {"リーチ, closed kan, pon", "0Dap"},
        {"リーチ, eight indicators, pon", "0DDp"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Calculator c;
        play(c, r.script);
        EXPECT_EQ(codes(c.t.List2), "11 12 13 14");
        for (std::size_t i = 4; i < 8; ++i) EXPECT_FALSE(c.t.DORA[i].visible);
        EXPECT_FALSE(c.t.riichiTypeBoxOn());
        EXPECT_EQ(c.t.Frame6_DragDrop(src("7s")), Entry::Ignored);
    }
}

}  // namespace
}  // namespace tenho::testing
