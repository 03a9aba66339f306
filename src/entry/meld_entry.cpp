// SPDX-License-Identifier: GPL-3.0-or-later
// Called melds: forming one from a tile dropped on a meld frame, the two call
// dialogs, and removing a meld together with every later one.
#include <array>

#include "model/tenho.h"

namespace tenho {

namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Meld k gives up the hand slots T_HAI(15 - 3k) .. T_HAI(13 - 3k) and covers
// them with JUMP(3(k - 1)) .. JUMP(3(k - 1) + 2).
constexpr int highestSlotGivenUp(int k) { return 15 - 3 * k; }
constexpr int firstPlaceholder(int k) { return 3 * (k - 1); }

// Melds 1 .. last are all closed kans (true when last is 0).
bool closedKansOnly(const TENHO& t, int last)
{
    for (int j = 1; j <= last; ++j)
        if (!t.meldIsClosedKan(j)) return false;
    return true;
}

}  // namespace

void TENHO::cmd_NAKI_Click(NakiCheckButton button)
{
    ANKAN_FLAG = 0;
    switch (button) {
    case NakiCheckButton::Chi:
        NAKI_SENTAKU = "0";
        return;
    case NakiCheckButton::Pon:
        NAKI_SENTAKU = "1";
        return;
    case NakiCheckButton::Kan:
        // NAKI_check gives way to KAN_check; closing that one by its frame
        // cancels the whole call.
        cmd_KAN_Click(host().showKanCheck());
        return;
    case NakiCheckButton::Cancel:
    case NakiCheckButton::Closed:
        break;
    }
    NAKI_SENTAKU = "3";
}

void TENHO::cmd_KAN_Click(KanCheckButton button)
{
    switch (button) {
    case KanCheckButton::Ankan:
        NAKI_SENTAKU = "2";
        ANKAN_FLAG = 1;
        return;
    case KanCheckButton::Minkan:
        NAKI_SENTAKU = "2";
        return;
    case KanCheckButton::Cancel:
    case KanCheckButton::Closed:
        break;
    }
    NAKI_SENTAKU = "3";
}

Entry TENHO::formMeld(int k, int source)
{
    if (k < 1 || k > 4 || source < 0 || source >= kTileKinds) return Entry::Ignored;
    if (meldPresent(k)) return Entry::Ignored;
    if (k > 1 && !meldPresent(k - 1, 0)) return Entry::Ignored;

    const Code c = kHaiCodes[at(source)];
    const char s = c.suit();
    const char n = c.rank();
    // A sequence can start only at a suited tile numbered 1 to 7; the dropped
    // tile is always the lowest of the three.
    const bool chiOffered = !(s > '2' || n > '7');

    // Whatever the dialog answers, NAKI_SENTAKU must not keep the choice of
    // an earlier showing: closing the dialog by its frame is a cancel, and
    // so is an answer naming a button that was not there.
    using enum NakiCheckButton;
    const NakiCheckButton answer = host().showNakiCheck(chiOffered);
    if (answer == Pon || answer == Kan || answer == Cancel || (answer == Chi && chiOffered))
        cmd_NAKI_Click(answer);
    else
        NAKI_SENTAKU = "3";

    TileList& meld = List[at(k)];
    // The meld's tiles, its lowest first, and the palette index of each.
    // Added to the sorted list one by one, they go in in this order.
    std::array<Code, 4> tiles = {c, c, c, c};
    std::array<int, 4> faces = {source, source, source, source};
    int size = 3;
    DRAG_KEY = tileKey(c);
    if (NAKI_SENTAKU == "0") {
        HAI_OVER4();
        if (OVER_FLAG == 1) return refuseWithBeep();
        DRAG_SUIT = s;
        DRAG_RANK = n;
        for (int b = 0; b < 3; ++b) {
            tiles[at(b)] = Code(s, static_cast<char>(n + b));
            faces[at(b)] = source + b;  // the ranks of a suit are side by side
        }
        NAKI_PAI = tiles[2];
    } else if (NAKI_SENTAKU == "1") {
        HAI_OVER2();
        if (OVER_FLAG == 1) return refuseWithBeep();
    } else if (NAKI_SENTAKU == "2") {
        HAI_OVER3();
        if (OVER_FLAG == 1) return refuseWithBeep();
        size = 4;
        if (ANKAN_FLAG == 1) {
            KAN_KAN[at(k)][0].visible = true;
            KAN_KAN[at(k)][1].visible = true;
        }
    } else {
        return Entry::Ignored;
    }

    if (meld.isEmpty()) {
        // As every meld is formed: the list takes the tiles as they stand,
        // and HAI_GAZOU draws each one's face into NAKIk(i).
        meld.generate(size, [&tiles](int i) { return tiles[at(i)]; });
        for (std::size_t i = 0; i < at(size); ++i) NAKI[at(k)][i] = Picture{faces[i], true};
        PAI_CODE = tiles[at(size - 1)];
        PAI_CTL = &NAKI[at(k)][at(size - 1)];
    } else {
        for (int i = 0; i < size; ++i) meld.add(tiles[at(i)]);
        for (int i = 0; i < meld.count(); ++i) {
            PAI_CODE = meld.item(i);
            PAI_CTL = &NAKI[at(k)][at(i)];
            HAI_GAZOU();
        }
    }

    // The hand shrinks by three slots. List(0) is sorted, so the tiles that
    // go are the highest-coded ones; the user puts the hand right afterwards.
    const int t = highestSlotGivenUp(k);
    if (T_HAI[at(t)].visible) {
        removeHandItem(t);
        removeHandItem(t - 1);
        removeHandItem(t - 2);
    } else if (T_HAI[at(t - 1)].visible) {
        removeHandItem(t - 1);
        removeHandItem(t - 2);
    } else if (T_HAI[at(t - 2)].visible) {
        removeHandItem(t - 2);
    }

    for (int j = firstPlaceholder(k); j < firstPlaceholder(k) + 3; ++j) JUMP[at(j)].visible = true;

    // The first open call ends every riichi-type yaku; closed kans before it
    // did not.
    if (!meldIsClosedKan(k) && closedKansOnly(*this, k - 1)) RIICHI_KINSHI();
    return Entry::Accepted;
}

void TENHO::removeHandItem(int b)
{
    List[0].index = b;
    List[0].removeAt(List[0].index);
    T_HAI[at(b)].clear();
}

Entry TENHO::NAKI_Click(int k)
{
    if (k < 1 || k > 4 || !meldPresent(k)) return Entry::Ignored;
    NAKI_TORIKESHI(k);
    return Entry::Accepted;
}

void TENHO::NAKI_TORIKESHI(int k)
{
    if (k < 1 || k > 4) return;

    // What the removed melds were, read before their pictures go.
    bool anyOpenRemoved = false;
    for (int j = k; j <= 4; ++j)
        if (meldPresent(j) && !meldIsClosedKan(j)) anyOpenRemoved = true;

    for (std::size_t j = at(firstPlaceholder(k)); j < JUMP.size(); ++j) JUMP[j].visible = false;
    for (int j = k; j <= 4; ++j) List[at(j)].clear();
    for (int j = k; j <= 4; ++j)
        for (Picture& p : NAKI[at(j)]) p.clear();

    if (k == 1) {
        if (anyOpenRemoved) {
            if (C_OPTION[4].value == 1) {
                C_OPTION[0] = CheckBox{0, true};
            } else {
                for (int i = 0; i <= 3; ++i) C_OPTION[at(i)] = CheckBox{0, true};
                C_OPTION[2].enabled = false;
            }
        }
    } else if (closedKansOnly(*this, k - 1)) {
        for (int i = 0; i <= 3; ++i) C_OPTION[at(i)].enabled = true;
        C_OPTION[2].enabled = false;
        applyAvailabilityRule();
    }

    for (int j = k; j <= 4; ++j)
        for (Picture& p : KAN_KAN[at(j)]) p.visible = false;

    if (k == 1 && C_OPTION[4].value == 1) C_OPTION[0].enabled = true;
}

}  // namespace tenho
