// SPDX-License-Identifier: GPL-3.0-or-later
// Shorthands for building hands in tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/score_cli.h"
#include "core/scripted_host.h"
#include "model/notation.h"
#include "model/tenho.h"

namespace tenho::testing {

// "123m11z" -> codes, in the order written.
inline std::vector<Code> tiles(std::string_view text)
{
    std::vector<Code> out;
    std::string reason;
    if (text.empty()) return out;
    if (!parseTiles(text, out, reason)) ADD_FAILURE() << "bad tiles " << text << ": " << reason;
    return out;
}

inline Code tile(std::string_view text)
{
    const auto t = tiles(text);
    return t.empty() ? Code() : t[0];
}

inline int src(std::string_view text) { return paletteIndex(tile(text)); }

// Codes of a list, joined by blanks: "01 02 03".
inline std::string codes(const TileList& list)
{
    std::string out;
    for (int i = 0; i < list.count(); ++i) {
        if (i) out += ' ';
        out += list.item(i).str();
    }
    return out;
}

// A freshly started calculator with a scripted host.
struct Calculator {
    ScriptedHost host;
    TENHO t{host};

    Calculator() { t.Form_Load(); }

    void hand(std::string_view text)
    {
        for (Code c : tiles(text)) t.Frame1_DragDrop(paletteIndex(c));
    }
    void win(std::string_view text) { t.Frame7_DragDrop(src(text)); }
    void dora(std::string_view text)
    {
        for (Code c : tiles(text)) t.Frame6_DragDrop(paletteIndex(c));
    }
    void winds(int round, int seat)
    {
        t.B_list = static_cast<Integer>(round);
        t.I_list = static_cast<Integer>(seat);
    }
};

// Checks the invariants every entry path keeps.
inline void expectEntryInvariants(const TENHO& t)
{
    for (int i = 0; i < 13; ++i) {
        const Picture& p = t.T_HAI[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.visible, i < t.List[0].count()) << "T_HAI(" << i << ")";
        if (p.visible) {
            EXPECT_EQ(p.image, paletteIndex(t.List[0].item(i))) << "T_HAI(" << i << ")";
        }
    }
    for (int i = 0; i < 8; ++i) {
        const Picture& p = t.DORA[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.visible, i < t.List2.count()) << "DORA(" << i << ")";
        if (p.visible) {
            EXPECT_EQ(p.image, paletteIndex(t.List2.item(i))) << "DORA(" << i << ")";
        }
    }
    EXPECT_EQ(t.ENDPAI.visible, !t.Text1.empty());
    for (std::size_t k = 1; k <= 4; ++k) {
        const bool present = t.NAKI[k][2].visible;
        EXPECT_EQ(t.NAKI[k][0].visible, present) << "meld " << k;
        EXPECT_EQ(t.NAKI[k][1].visible, present) << "meld " << k;
        EXPECT_EQ(present, !t.List[k].isEmpty()) << "meld " << k;
    }
    for (std::size_t k = 1; k <= 4; ++k) {
        const bool present = t.NAKI[k][2].visible;
        const TileList& meld = t.List[k];
        if (k > 1 && present) {
            EXPECT_TRUE(t.NAKI[k - 1][2].visible) << "meld " << k << " out of order";
        }
        for (std::size_t i = 0; i < 4; ++i) {
            const Picture& p = t.NAKI[k][i];
            EXPECT_EQ(p.visible, static_cast<int>(i) < meld.count())
                << "NAKI" << k << "(" << i << ")";
            if (p.visible) {
                EXPECT_EQ(p.image, paletteIndex(meld.item(static_cast<int>(i))))
                    << "NAKI" << k << "(" << i << ")";
            }
        }
        // Face-down pictures only on a kan, both or neither.
        EXPECT_EQ(t.KAN_KAN[k][0].visible, t.KAN_KAN[k][1].visible) << "meld " << k;
        if (t.KAN_KAN[k][0].visible) {
            EXPECT_EQ(meld.count(), 4) << "meld " << k;
        }
        for (std::size_t j = 3 * (k - 1); j < 3 * k; ++j)
            EXPECT_EQ(t.JUMP[j].visible, present) << "JUMP(" << j << ")";
    }
    EXPECT_LE(t.List[0].count(), 13 - 3 * t.meldCount());
    for (int i = 0; i < kTileKinds; ++i) {
        EXPECT_TRUE(t.HAI[static_cast<std::size_t>(i)].visible);
        EXPECT_EQ(t.HAI[static_cast<std::size_t>(i)].image, i);
    }
}

}  // namespace tenho::testing

namespace tenho::testing {

// Puts meld k on the table as the meld frame shows it: the codes in List(k),
// pictures 0..count-1 shown, the face-down pictures for a closed kan.
inline void putMeld(TENHO& t, int k, std::string_view text, bool closedKan = false)
{
    const auto kk = static_cast<std::size_t>(k);
    t.List[kk].clear();
    for (Code c : tiles(text)) t.List[kk].add(c);
    for (int i = 0; i < t.List[kk].count(); ++i)
        t.NAKI[kk][static_cast<std::size_t>(i)] = Picture{paletteIndex(t.List[kk].item(i)), true};
    t.KAN_KAN[kk][0].visible = t.KAN_KAN[kk][1].visible = closedKan;
}

// Groups and pair of the split in ListEND: "010101 020202 030303 040506 | 0707".
inline std::string split(const TENHO& t)
{
    std::string out;
    for (int k = 0; k < 4; ++k) {
        if (k) out += ' ';
        for (int i = 0; i < t.ListEND[static_cast<std::size_t>(k)].count(); ++i)
            out += t.ListEND[static_cast<std::size_t>(k)].item(i).str();
    }
    out += " | ";
    for (int i = 0; i < t.ListEND[4].count(); ++i) out += t.ListEND[4].item(i).str();
    return out;
}

}  // namespace tenho::testing
