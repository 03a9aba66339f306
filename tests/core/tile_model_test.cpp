// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "core/test_support.h"
#include "evaluation/winning_tile.h"

namespace tenho::testing {
namespace {

TEST(TileCode, TextOrderEqualsNumericOrder)
{
    TileList list(true);
    for (const char* text : {"91", "01", "19", "11"}) list.add(Code::fromText(text));
    EXPECT_EQ(codes(list), "01 11 19 91");
    EXPECT_EQ(Code::fromText("09").value(), 9);
    EXPECT_EQ(Code().value(), 0);
}

TEST(TileCode, NoSequenceAcrossSuitsOrHonours)
{
    // "09" then "11": the value jumps by two, so no sequence can form.
    EXPECT_NE(Code::fromText("11").value(), Code::fromText("09").value() + 1);
    EXPECT_NE(Code::fromText("41").value(), Code::fromText("31").value() + 1);
    for (Code c : kHaiCodes) EXPECT_NE(c.value() % 10, 0) << c.str();
}

TEST(TileCode, ClassTests)
{
    struct Row {
        const char* code;
        bool honour;
        bool number;
        bool terminalOrHonour;
    };
    const Row rows[] = {{"01", false, true, true}, {"05", false, true, false},
                        {"19", false, true, true}, {"28", false, true, false},
                        {"31", true, false, true}, {"91", true, false, true},
                        {"", false, false, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("code \"") + r.code + "\"");
        const Code c = Code::fromText(r.code);
        EXPECT_EQ(isHonour(c), r.honour);
        EXPECT_EQ(isNumberTile(c), r.number);
        EXPECT_EQ(isTerminalOrHonour(c), r.terminalOrHonour);
    }
}

TEST(TileCode, PaletteIndexFollowsCodeOrder)
{
    EXPECT_EQ(paletteIndex(Code::fromText("01")), 0);
    EXPECT_EQ(paletteIndex(Code::fromText("11")), 9);
    EXPECT_EQ(paletteIndex(Code::fromText("29")), 26);
    EXPECT_EQ(paletteIndex(Code::fromText("31")), 27);
    EXPECT_EQ(paletteIndex(Code::fromText("91")), 33);
    EXPECT_EQ(paletteIndex(Code::fromText("00")), -1);
    EXPECT_EQ(paletteIndex(Code::fromText("10")), -1);
    EXPECT_EQ(paletteIndex(Code()), -1);
    // Every pair of bytes: the place of its code among the 34, or -1.
    for (unsigned b = 0; b < 0x10000; ++b) {
        const Code c(static_cast<char>(b & 0xFF), static_cast<char>(b >> 8));
        const auto* found = std::find(kHaiCodes.begin(), kHaiCodes.end(), c);
        const int want =
            found == kHaiCodes.end() ? -1 : static_cast<int>(found - kHaiCodes.begin());
        ASSERT_EQ(paletteIndex(c), want) << "bytes " << (b & 0xFF) << ", " << (b >> 8);
    }
}

TEST(TileList, ReadsEmptyPastTheEnd)
{
    TileList pair;
    pair.add(Code::fromText("05"));
    pair.add(Code::fromText("05"));
    EXPECT_EQ(pair.item(2), Code());
    EXPECT_EQ(pair.item(-1), Code());
    EXPECT_TRUE(pair.item(2).str().empty());
}

TEST(TileList, UnsortedKeepsInsertionOrder)
{
    TileList list(false);
    for (const char* text : {"91", "05", "23"}) list.add(Code::fromText(text));
    EXPECT_EQ(codes(list), "91 05 23");
}

TEST(TileList, RemovingTheSelectedItemLeavesNoSelection)
{
    TileList list(false);
    for (const char* text : {"01", "02", "03", "04"}) list.add(Code::fromText(text));
    list.index = 3;
    list.removeAt(1);
    EXPECT_EQ(list.index, 2);  // the selected item moved up
    list.removeAt(2);
    EXPECT_EQ(list.index, -1);
    EXPECT_EQ(codes(list), "01 03");
    list.removeAt(5);  // nothing there
    EXPECT_EQ(list.count(), 2);
}

TEST(TileList, CopyAndAddLeavesWhatCopyingAndAddingLeave)
{
    // Hands in order and not, odd codes, a full list; the winning tile
    // below, among, equal to and above the items, and empty.
    const std::vector<std::vector<const char*>> hands = {
        {},
        {"05"},
        {"01", "01", "09", "11", "19", "21", "29", "31", "41", "51", "61", "71", "81"},
        {"02", "03", "04", "05", "05", "05", "06", "13", "14", "15", "91", "91", "91"},
        {"91", "05", "23", "05", "x",
         "\xff"
         "1",
         "11"},
        {"01", "02", "03", "04", "05", "06", "07", "08", "09", "11", "12", "13", "14", "15", "16"},
        {"01", "02", "03", "04", "05", "06", "07", "08", "09", "11", "12", "13", "14", "15", "16",
         "17"},
    };
    for (bool sorted : {true, false})
        for (const auto& hand : hands)
            for (const char* win : {"", "01", "05", "06", "15", "29", "91", "x",
                                    "\xff"
                                    "9"}) {
                TileList from(false);
                for (const char* text : hand) from.add(Code::fromText(text));
                TileList want(sorted), got(sorted);
                want.index = got.index = 2;
                want.copyFrom(from);
                want.add(Code::fromText(win));
                copyAndAdd(got, from, Code::fromText(win));
                EXPECT_EQ(codes(got), codes(want)) << codes(from) << " + " << win;
                EXPECT_EQ(got.count(), want.count());
                EXPECT_EQ(got.index, want.index);
                for (int i = 0; i < TileList::kCapacity; ++i) EXPECT_EQ(got.item(i), want.item(i));
            }
}

TEST(HaiGazou, CopiesThePaletteFaceAndShows)
{
    Calculator c;
    Picture target;
    c.t.PAI_CODE = Code::fromText("81");
    c.t.PAI_CTL = &target;
    c.t.HAI_GAZOU();
    EXPECT_EQ(target, (Picture{paletteIndex(Code::fromText("81")), true}));
}

TEST(HaiGazou, LeavesThePictureAloneForCodesOutsideThePalette)
{
    Calculator c;
    for (const char* text : {"", "00"}) {
        Picture target{image::kPlaceholder, false};
        c.t.PAI_CODE = Code::fromText(text);
        c.t.PAI_CTL = &target;
        c.t.HAI_GAZOU();
        EXPECT_EQ(target, (Picture{image::kPlaceholder, false})) << "'" << text << "'";
    }
}

TEST(TextValue, ReadsLeadingAsciiDigitsOnly)
{
    EXPECT_EQ(textValue("12"), 12);
    EXPECT_EQ(textValue("3翻"), 3);
    EXPECT_EQ(textValue(""), 0);
    EXPECT_EQ(textValue("１３翻"), 0);
    EXPECT_EQ(fullWidthNumber(13), "１３");
}

}  // namespace
}  // namespace tenho::testing
