// SPDX-License-Identifier: GPL-3.0-or-later
// The situation check boxes and the interlocks that keep impossible
// combinations of them out.
#include <array>

#include "model/tenho.h"

namespace tenho {

namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Boxes by index.
constexpr int kRiichi = 0;
constexpr int kDouble = 1;
constexpr int kIppatsu = 2;
constexpr int kFirstTurn = 3;
constexpr int kHaitei = 4;
constexpr int kKanChokugo = 5;

// What a row does to one box: its value (unchanged or off) and its
// availability (unchanged, enabled or disabled).
enum class Change : unsigned char { Keep, Off, OffEn, OffDis, En, Dis };

enum class When : unsigned char {
    Always,
    HaiteiOn,
    HaiteiOnOrRiichiOn,
    RiichiOn,
    DoubleOn,
    RiichiOnOrIppatsuOn,
    NoMeld,
    EveryMeldAClosedKan,
};

struct Interlock {
    int box;
    int now;  // the clicked box's value after the click; -1 either
    When when;
    std::array<Change, 6> change;
    bool uradoraKesu;  // trim the indicators to four afterwards
};

using enum Change;

// Read top to bottom; the first row that matches the click applies. Three
// rows match no click the window can make, and stay so that the table is the
// calculator's whole: 一発 is on only beside リーチ or ダブリー (turning
// either off turns it off), so unchecking it always meets the リーチ or the
// ダブリー row first; and カン直後 is never enabled, so it is never clicked.
constexpr std::array<Interlock, 19> kInterlocks = {{
    {kRiichi, 1, When::Always, {Keep, OffDis, OffEn, OffDis, Keep, Keep}, false},
    {kRiichi, 0, When::HaiteiOn, {Keep, Keep, OffDis, Keep, Keep, Keep}, true},
    {kRiichi, 0, When::Always, {Keep, OffEn, OffDis, OffEn, Keep, Keep}, true},
    {kDouble, 1, When::Always, {OffDis, Keep, OffEn, OffDis, OffDis, Off}, false},
    {kDouble, 0, When::Always, {OffEn, Keep, OffDis, OffEn, OffEn, Keep}, true},
    {kIppatsu, 1, When::HaiteiOnOrRiichiOn, {Keep, Keep, Keep, Keep, Keep, Keep}, false},
    {kIppatsu, 1, When::Always, {OffDis, Keep, Keep, OffDis, Keep, Keep}, false},
    {kIppatsu, 0, When::RiichiOn, {Keep, Keep, Keep, Keep, Keep, Keep}, false},
    {kIppatsu, 0, When::HaiteiOn, {OffEn, Keep, Keep, Keep, Keep, Keep}, true},
    {kIppatsu, 0, When::DoubleOn, {Keep, Keep, Keep, Keep, Keep, Keep}, false},
    {kIppatsu, 0, When::Always, {OffEn, OffEn, OffDis, OffEn, Keep, Keep}, true},
    {kFirstTurn, 1, When::Always, {OffDis, OffDis, OffDis, Keep, OffDis, Off}, false},
    {kFirstTurn, 0, When::Always, {OffEn, OffEn, OffDis, Keep, OffEn, Off}, false},
    {kHaitei, 1, When::Always, {Keep, OffDis, Keep, OffDis, Keep, Keep}, false},
    {kHaitei, 0, When::RiichiOnOrIppatsuOn, {Keep, OffDis, Keep, Keep, Keep, Keep}, false},
    {kHaitei, 0, When::NoMeld, {OffEn, OffEn, OffDis, OffEn, Keep, Keep}, false},
    {kHaitei, 0, When::EveryMeldAClosedKan, {Keep, OffEn, Keep, OffEn, Keep, Keep}, false},
    {kHaitei, 0, When::Always, {OffDis, OffDis, Keep, OffDis, Keep, Keep}, false},
    {kKanChokugo, -1, When::Always, {Keep, Keep, Keep, Keep, Keep, Keep}, false},
}};

// Each row's changes as masks: a box's value and availability kept where
// the mask is all ones, and the availability then turned on where `enable`
// says so.
struct RowMasks {
    std::array<int, 6> keepValue;
    std::array<bool, 6> keepEnabled;
    std::array<bool, 6> enable;
};
constexpr std::array<RowMasks, kInterlocks.size()> kRowMasks = [] {
    std::array<RowMasks, kInterlocks.size()> t{};
    for (std::size_t r = 0; r < t.size(); ++r)
        for (std::size_t i = 0; i < 6; ++i) {
            const Change c = kInterlocks[r].change[i];
            t[r].keepValue[i] = c == Off || c == OffEn || c == OffDis ? 0 : -1;
            t[r].keepEnabled[i] = c == Keep || c == Off;
            t[r].enable[i] = c == OffEn || c == En;
        }
    return t;
}();

// The rows of box i are kRowsOf[i] .. kRowsOf[i + 1] - 1: the table holds
// them box by box.
constexpr std::array<std::size_t, 7> kRowsOf = [] {
    std::array<std::size_t, 7> t{};
    for (int box = 0; box <= 6; ++box) {
        std::size_t r = 0;
        while (r < kInterlocks.size() && kInterlocks[r].box < box) ++r;
        t[static_cast<std::size_t>(box)] = r;
    }
    return t;
}();
static_assert([] {
    for (std::size_t r = 1; r < kInterlocks.size(); ++r)
        if (kInterlocks[r].box < kInterlocks[r - 1].box) return false;
    return kRowsOf[6] == kInterlocks.size();
}());

}  // namespace

Entry TENHO::clickC_OPTION(int index)
{
    if (index < 0 || index >= static_cast<int>(C_OPTION.size())) return Entry::Ignored;
    CheckBox& box = C_OPTION[at(index)];
    if (!box.enabled) return Entry::Ignored;
    box.value = box.value == 1 ? 0 : 1;
    C_OPTION_Click(index);
    return Entry::Accepted;
}

void TENHO::C_OPTION_Click(int index)
{
    const auto on = [this](int i) { return C_OPTION[at(i)].value == 1; };
    const auto holds = [&](When when) {
        switch (when) {
        case When::Always:
            return true;
        case When::HaiteiOn:
            return on(kHaitei);
        case When::HaiteiOnOrRiichiOn:
            return on(kHaitei) || on(kRiichi);
        case When::RiichiOn:
            return on(kRiichi);
        case When::DoubleOn:
            return on(kDouble);
        case When::RiichiOnOrIppatsuOn:
            return on(kRiichi) || on(kIppatsu);
        case When::NoMeld:
            return meldCount() == 0;
        case When::EveryMeldAClosedKan:
            break;
        }
        for (int k = 1; k <= 4; ++k)
            if (meldPresent(k) && !meldIsClosedKan(k)) return false;
        return true;
    };

    if (index < 0 || index >= static_cast<int>(C_OPTION.size())) return;
    const int now = C_OPTION[at(index)].value;
    for (std::size_t r = kRowsOf[at(index)]; r < kRowsOf[at(index) + 1]; ++r) {
        const Interlock& row = kInterlocks[r];
        if (row.now != -1 && row.now != now) continue;
        if (!holds(row.when)) continue;
        const RowMasks& m = kRowMasks[r];
        for (std::size_t i = 0; i < C_OPTION.size(); ++i) {
            CheckBox& box = C_OPTION[i];
            box.value &= m.keepValue[i];
            box.enabled = (box.enabled && m.keepEnabled[i]) || m.enable[i];
        }
        if (row.uradoraKesu) URADORA_KESU();
        return;
    }
}

void TENHO::RIICHI_KINSHI()
{
    for (int i : {kRiichi, kDouble, kIppatsu, kFirstTurn}) C_OPTION[at(i)] = CheckBox{0, false};
    // Ura-dora indicators belong to a riichi; with every riichi-type box off
    // they must not stay and count.
    URADORA_KESU();
}

void TENHO::applyAvailabilityRule()
{
    CheckBox& riichi = C_OPTION[at(kRiichi)];
    CheckBox& dbl = C_OPTION[at(kDouble)];
    CheckBox& ippatsu = C_OPTION[at(kIppatsu)];
    CheckBox& firstTurn = C_OPTION[at(kFirstTurn)];
    const CheckBox& haitei = C_OPTION[at(kHaitei)];
    const auto offDis = [](CheckBox& b) { b = CheckBox{0, false}; };

    riichi.enabled = true;
    dbl.enabled = true;
    firstTurn.enabled = true;
    ippatsu.enabled = false;

    if (haitei.value == 1) {
        offDis(dbl);
        offDis(firstTurn);
    }
    if (dbl.value == 1 && ippatsu.value == 1) {
        ippatsu.enabled = true;
        riichi.enabled = false;
        firstTurn.enabled = false;
        return;
    }
    // The remaining steps each work on what the previous one left. (With
    // 一発 on beside ダブリー rather than リーチ, the step above has stopped.)
    if (ippatsu.value == 1) {
        ippatsu.enabled = true;
        if (riichi.value == 1) dbl.enabled = false;
    }
    if (dbl.value == 1) {
        offDis(riichi);
        ippatsu.enabled = true;
        offDis(firstTurn);
    }
    if (firstTurn.value == 1) {
        riichi.enabled = false;
        dbl.enabled = false;
    }
    if (riichi.value == 1) {
        firstTurn.enabled = false;
        offDis(dbl);
        ippatsu.enabled = true;
    }
}

}  // namespace tenho
