// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/refusals.h"

#include "app/cli/text.h"
#include "model/notation.h"

namespace tenho::cli {

namespace {

std::string tileLabel(Code c) { return tileNotation(c) + " (" + tileName(c) + ")"; }

std::string meldGiven(const MeldOption& m)
{
    return std::string(meldOptionName(m.kind)) + " " + quoted(m.text);
}

// Copies of c on the table: hand, melds, winning tile and indicators.
int copiesOnTable(const TENHO& t, Code c)
{
    int n = t.Text1 == c ? 1 : 0;
    for (const TileList& list : t.List)
        for (int i = 0; i < list.count(); ++i) n += list.item(i) == c ? 1 : 0;
    for (int i = 0; i < t.List2.count(); ++i) n += t.List2.item(i) == c ? 1 : 0;
    return n;
}

std::string fifthRefused(std::string_view option, std::string_view text, Code c)
{
    return std::string(option) + " " + quoted(text) + ": a fifth " + tileLabel(c) +
           " is refused (four are on the table already)";
}

}  // namespace

std::string meldRefused(const TENHO& t, const MeldOption& m)
{
    const int adds = m.kind == MeldKind::Chi ? 1 : m.kind == MeldKind::Pon ? 3 : 4;
    const char* call = m.kind == MeldKind::Chi   ? "the chi adds one"
                       : m.kind == MeldKind::Pon ? "the pon adds three"
                                                 : "the kan adds four";
    for (Code c : m.tiles) {
        const int n = copiesOnTable(t, c);
        if (n + adds > 4)
            return meldGiven(m) + ": refused with a beep: " + tileLabel(c) + " is on the table " +
                   std::to_string(n) + (n == 1 ? " time" : " times") + " already and " + call +
                   " (four at most)";
    }
    return meldGiven(m) + ": refused with a beep (four of a kind at most)";
}

std::string chiNotOffered(const MeldOption& m)
{
    return meldGiven(m) + ": チー is not offered for this tile";
}

std::string meldNotFormed(const MeldOption& m)
{
    return meldGiven(m) + ": the meld was not formed";
}

std::string handTileRefused(const HandOptions& hand, Code tile)
{
    return fifthRefused("--hand", hand.handText, tile);
}

std::string tooManyHandTiles(const HandOptions& hand)
{
    const std::size_t melds = hand.melds.size();
    return "--hand " + quoted(hand.handText) + ": too many concealed tiles (" +
           std::to_string(13 - 3 * static_cast<int>(melds)) + " at most with " +
           std::to_string(melds) + (melds == 1 ? " meld)" : " melds)");
}

std::string winRefused(Code tile)
{
    return "--win " + tileLabel(tile) + ": refused (four are on the table already)";
}

std::string boxDisabled(const TENHO& t, const HandOptions& hand, int box)
{
    const auto why = [&]() -> std::string {
        if (box <= 3) {
            for (int k = 1; k <= t.meldCount(); ++k) {
                if (t.meldIsClosedKan(k)) continue;
                return "not available after an open meld (" +
                       meldGiven(hand.melds[static_cast<std::size_t>(k - 1)]) + ")";
            }
        }
        if (box == 2 && t.C_OPTION[0].value == 0 && t.C_OPTION[1].value == 0)
            return "only available with --riichi or --double-riichi";
        std::string with;
        for (int b = 0; b < box; ++b) {
            if (!hand.boxes[b] || t.C_OPTION[static_cast<std::size_t>(b)].value == 0) continue;
            if (!with.empty()) with += ", ";
            with += kBoxOptions[b];
        }
        if (!with.empty()) return "not available together with " + with;
        return "not available in this situation";
    };
    return std::string(kBoxOptions[box]) + ": the box " +
           std::string(TENHO::kC_OPTIONCaptions[static_cast<std::size_t>(box)]) +
           " is disabled: " + why();
}

std::string doraRefused(const HandOptions& hand, Code tile)
{
    return fifthRefused("--dora", hand.doraText, tile);
}

std::string tooManyIndicators(const HandOptions& hand)
{
    return "--dora " + quoted(hand.doraText) +
           ": too many indicators (four, or eight with リーチ, ダブリー or 一発)";
}

}  // namespace tenho::cli
