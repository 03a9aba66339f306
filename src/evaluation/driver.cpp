// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation driver: validation, the fixed order of detectors, the
// reporting conventions and the finishing of the result dialog.
#include <array>
#include <string_view>

#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

namespace {

template <std::size_t N> bool contains(const FixedText<N>& label, std::string_view text)
{
    return label.find(text) != std::string_view::npos;
}

// How many of the four groups are triplets and sequences (as the detectors
// tell them apart), and whether any group may start with an honour: any
// first code that is not a number tile. A detector that needs three
// triplets, two or three sequences or an honour group reports nothing on a
// split without them, and is not called.
struct GroupShape {
    int triplets = 0;
    int sequences = 0;
    bool honours = false;

    explicit GroupShape(const std::array<TileList, 5>& groups)
    {
        for (std::size_t g = 0; g < 4; ++g) {
            const TileList& group = groups[g];
            triplets += isTriplet(group) ? 1 : 0;
            const Code first = group.item(0);
            // Both tests made, as numbers: which holds comes at random.
            honours |=
                (static_cast<unsigned>(static_cast<unsigned char>(first.suit() - '0') > 2) |
                 static_cast<unsigned>(static_cast<unsigned char>(first.rank() - '1') > 8)) != 0;
        }
        sequences = 4 - triplets;  // a group that is not a triplet is a sequence
    }
};

// Whether the top line of a label starts with `text`. A report puts its line
// on top, so right after the one routine that reports a yaku this is the same
// as searching the whole label for it, without reading the other lines.
template <std::size_t N> bool onTop(const FixedText<N>& label, std::string_view text)
{
    return label.starts_with(text);
}

}  // namespace

namespace {

// The han total of a report past two digits, out of line.
[[gnu::noinline, gnu::cold]] void writeTotal(FixedText<64>& label, int total)
{
    label = Decimal(total);
}

}  // namespace

void TENHO::reportYaku(std::string_view name, std::string_view hanText, int han)
{
    HAN_number& h = HAN();
    h.Label1.prependLine(name);
    h.Label2.prependLine(hanText);
    const int total = textValue(h.Label3) + han;
    if (total >= 0 && total < 100) {
        h.Label3.assignSmall(static_cast<unsigned>(total));
    } else {
        writeTotal(h.Label3, total);
    }
}

void TENHO::reportGradedYaku(std::string_view name, int closedHan)
{
    static constexpr std::array<std::string_view, 7> kHanText = {"",     "１翻", "２翻", "３翻",
                                                                 "４翻", "５翻", "６翻"};
    const int han = NAKI_FLAG == 0 ? closedHan : closedHan - 1;
    reportYaku(name, kHanText[static_cast<std::size_t>(han)], han);
}

void TENHO::reportYakuman(std::string_view name)
{
    HAN_number& h = HAN();
    h.Label1 = name;
    h.Label2 = "１３翻";
    h.Label3 = "１３翻";
    HANTEI = 1;
    YAKUMAN_TENSUU();
    showHAN_number();
}

void TENHO::showHAN_number()
{
    HAN();
    switch (host().showHanNumber(*hanNumber)) {
    case HanNumberButton::Command1:
        Command1_Click();
        break;
    case HanNumberButton::Command2:
        Command2_Click();
        break;
    case HanNumberButton::Closed:
        hanNumber.reset();
        break;
    }
}

void TENHO::NAKI_HANTEI()
{
    NAKI_FLAG = 0;
    const auto kan = [this](int k) { return meldIsClosedKan(k); };
    const auto used = [this](int k) { return meldPresent(k, 1); };
    if (kan(1) && !used(2)) return;
    if (kan(1) && kan(2) && !used(3)) return;
    if (kan(1) && kan(2) && kan(3) && !used(4)) return;
    if (kan(1) && kan(2) && kan(3) && kan(4)) return;
    NAKI_FLAG = static_cast<Integer>(used(1));  // set without a branch: open hands come at random
}

void TENHO::cmdKEISAN_Click()
{
    if (I_list == -1) {
        host().messageBox("自風が選択されていません");
        return;
    }
    if (B_list == -1) {
        host().messageBox("場風が選択されていません");
        return;
    }
    HAN().Label3 = "0";
    for (auto& list : ListEND) list.clear();
    ListTEMP.clear();

    if (Text1.empty()) {
        host().messageBox("和了牌がありません");
        return;
    }
    // A kan's fourth tile is not a tile of the fourteen: count each called
    // meld as three, so that a hand short of a tile never reaches the split.
    if (List[0].count() + 3 * meldCount() < 13) {
        host().messageBox("牌の数がたりません");
        return;
    }

    const auto stopped = [this] { return HANTEI == 1; };
    // Only TITOITU writes 七対子: on a dialog that starts without yaku lines
    // the standard split's branch never has it.
    const bool linesBefore = !HAN().Label1.empty();
    bool sevenPairs = true;
    bool terminalPair = false;  // the split's pair, once the split is known
    bool noTriplet = true;      // PINHU reports nothing on a split with a triplet

    KOKUSI();
    if (stopped()) return;
    SU_KAN();
    if (stopped()) return;
    TENPAI();
    if (HANTEI == 1) {
        // No standard split: seven pairs, or not a complete hand at all.
        TITOITU();
        if (HANTEI == 1) {
            HAN().Label1 = "聴牌していません";
            HAN().Label3 = "";
            showHAN_number();
            return;
        }
        bool allHonours = true;
        for (int i = 0; i < ListTEMP.count(); ++i)
            if (!isHonour(ListTEMP.item(i))) allHonours = false;
        if (allHonours) {
            HAN_number& h = HAN();
            h.Label1 = "字一色";
            h.Label2 = "１３翻";
            h.Label3 = "１３翻";
            HANTEI = 1;
            YAKUMAN_TENSUU();
            showHAN_number();
            return;
        }
        NAKI_HANTEI();
        terminalPair = pairOfTerminals(ListEND[4]);
    } else {
        TENHO_TIIHO();
        if (stopped()) return;
        RYU_IISOU();  // no stop of its own: the next stop ends the driver
        // RYANPEI's List3 is the one KOKUSI made: nothing since has touched
        // it, List(0) or the winning tile, unless 緑一色's dialog was shown
        // (its OK resets the calculator).
        if (!meldPresent(1)) {
            if (stopped())
                RYANPEI();
            else
                twoIdenticalSequencesOnList3();
        }
        TU_I_SO();
        if (stopped()) return;
        // Nothing below changes the groups; a yakuman's dialog, which may,
        // ends the driver.
        const GroupShape shape(ListEND);
        terminalPair = pairOfTerminals(ListEND[4]);
        noTriplet = shape.triplets == 0;
        if (shape.honours) {
            DAISU_SI();
            if (stopped()) return;
            SYOSU_SI();
            if (stopped()) return;
        }
        NAKI_HANTEI();
        if (shape.triplets == 4) {
            SU_ANKO();
            if (stopped()) return;
        } else {
            HANTEI = 0;  // as SU_ANKO leaves it
        }
        if (shape.honours) {
            DAISANGEN();
            if (stopped()) return;
        }
        DORADORA();
        if (shape.honours) {
            SYOSANGEN();
            SANGEN();
            HU_PON();
        }
        if (shape.sequences >= 2 && NAKI_FLAG == 0 && !contains(HAN().Label1, "二盃口")) IIPEI();
        SAN_KAN();
        if (shape.triplets >= 3) SAN_KOKU();
        if (shape.sequences >= 3) SAN_JUN();
        if (shape.triplets == 4) TOITOI();
        if (shape.triplets >= 3 && !contains(HAN().Label1, "三暗刻")) SANAN();
        if (shape.sequences >= 3) ITUU();
        // The terminal yaku need a pair of terminals; without one they
        // report nothing, and TINROU only clears the stop flag.
        if (terminalPair) {
            TINROU();
            if (stopped()) return;
            HONROU();
        } else {
            HANTEI = 0;
        }
        sevenPairs = linesBefore && contains(HAN().Label1, "七対子");
    }

    // Seven-pairs additions. From here on Label1 only gains lines (or a
    // yakuman stops the driver), so the answer stands for the payment too.
    if (sevenPairs) {
        DORADORA2();
        bool allTerminals = true;
        for (int i = 0; i < ListTEMP.count(); ++i)
            if (!isTerminalOrHonour(ListTEMP.item(i))) allTerminals = false;
        if (allTerminals) reportYaku("混老頭", "２翻", 2);
    }

    // Only JUN_CHAN reports 純チャン, only TINITU 清一色; 混老頭 is the last
    // report of either branch above, and JUN_CHAN reports nothing unless it
    // reports 純チャン.
    if (terminalPair) {
        JUN_CHAN();
        if (!onTop(HAN().Label1, "純チャン") && !onTop(HAN().Label1, "混老頭")) TIYANTA();
    }
    // The table stays as it is up to TANYAO (TYUREN's dialog, which may
    // reset it, ends the driver): its tiles are counted once for both.
    const TileCensus tiles = census();
    tinitu(tiles.suits);
    if (onTop(HAN().Label1, "清一色")) {
        TYUREN();
        if (stopped()) return;
    }
    if (noTriplet) PINHU();
    tanyao(tiles.simples);
    HAITEI();
    TUMO();
    ITUPATU();
    RITI();
    DABUL_RITI();
    if (sevenPairs && textValue(HAN().Label3) < 5)
        TENSUU2();
    else
        TENSUU();

    // Finishing.
    HAN_number& h = HAN();
    if (textValue(h.Label3) != DORA_COUNT) {
        h.Label3 += "翻";
        // No hand gets here: every han added also wrote a line in Label1. The
        // check is the calculator's own and stays.
        if (h.Label1.empty()) {
            h.Label1 = "役がありません";
            h.Label3.clear();
            h.Label4.clear();
            h.Label5.clear();
        }
    } else {
        // Dora alone never make a hand.
        h.Label1 = "役がありません";
        h.Label2.clear();
        h.Label3.clear();
        h.Label4.clear();
        h.Label5.clear();
    }
    // The open all-simples correction to 30 fu never applies: HAN_KEISAN
    // already prices every open hand of 20 fu at 30. It stays, with
    // FU30_TENSUU, as the calculator has always had it.
    if (RULE_KUITAN == 1 && NAKI_FLAG == 1 && contains(h.Label1, "断公九") && h.Label5 == "20符") {
        h.Label5 = "30符";
        FU30_TENSUU();
    }
    showHAN_number();
}

}  // namespace tenho
