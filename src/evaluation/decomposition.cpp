// SPDX-License-Identifier: GPL-3.0-or-later
// The split search: one pair and four groups out of the fourteen tiles.
//
// The search is a fixed procedure, not a best-split search: pair positions
// from the first pair onward, and for each the sixteen patterns in a fixed
// order, both extractors always starting from the lowest remaining tile. The
// first split that holds every called meld is the one every later yaku and
// the fu are judged on, so the order below decides results.
#include <algorithm>
#include <array>

#include "model/tenho.h"

namespace tenho {

namespace {

// T = triplet, S = sequence, for groups 0..3.
constexpr std::array<std::array<char, 4>, 16> kPatterns = {{
    {'T', 'T', 'T', 'T'},
    {'T', 'T', 'T', 'S'},
    {'S', 'S', 'T', 'S'},
    {'S', 'S', 'T', 'T'},
    {'S', 'T', 'S', 'S'},
    {'S', 'T', 'S', 'T'},
    {'S', 'T', 'T', 'S'},
    {'S', 'T', 'T', 'T'},
    {'T', 'S', 'S', 'S'},
    {'T', 'S', 'S', 'T'},
    {'T', 'S', 'T', 'S'},
    {'T', 'S', 'T', 'T'},
    {'T', 'T', 'S', 'S'},
    {'T', 'T', 'S', 'T'},
    {'S', 'S', 'S', 'T'},
    {'S', 'S', 'S', 'S'},
}};

void appendKey(std::string& to, const TileList& list)
{
    to += ':';
    for (int i = 0; i < 3; ++i) to += list.item(i).view();
    to += ':';
}

}  // namespace

void TENHO::NAKI_COPY()
{
    const TileList& meld = List[static_cast<std::size_t>(NAKI_NO)];
    // A kan's fourth tile stays out: a kan counts as three tiles, like a triplet.
    for (int i = 0; i < 3; ++i) ListTEMP.add(meld.item(i));
}

void TENHO::TEHAI_SET()
{
    const int m = meldCount();
    for (int k = 1; k <= m; ++k) {
        NAKI_NO = static_cast<Integer>(k);
        NAKI_COPY();
    }
    for (int i = 0; i <= 12 - 3 * m; ++i) ListTEMP.add(List[0].item(i));
}

void TENHO::TENPAI()
{
    HANTEI = 0;
    ListTEMP.add(Text1);
    TEHAI_SET();

    int first = -1;
    for (int i = 0; i <= 13; ++i) {
        if (ListTEMP.item(i) == ListTEMP.item(i + 1)) {
            first = i;
            break;
        }
    }
    if (first < 0) {
        HANTEI = 1;
        return;
    }
    // Every position from the first pair onward is tried, pair or not: a
    // position that holds no pair fails at once. The last one (13) never
    // holds a pair, which leaves ListTEMP full and ListEND empty for the
    // seven-pairs path.
    const TileList hand = ListTEMP;
    const auto search = [&] {
        for (int p = first; p <= 13; ++p) {
            // A pair of the same tile as the pair just tried leaves the same
            // twelve tiles, and so fails the same way.
            if (p > first && p < 13 && hand.item(p) == hand.item(p - 1) &&
                hand.item(p) == hand.item(p + 1))
                continue;
            JANTOU_POS = static_cast<Integer>(p);
            JANTOU_TRY();
            if (BUNKAI_NG != '1') {
                NAKI_KENSA();
                if (BUNKAI_NG != '1') return true;
            }
        }
        return false;
    };
    if (search()) return;

    // The first split found at a pair position is checked against the called
    // melds as a whole, and a miss moves on to the next pair position. That
    // loses complete hands whose melds fit only a later pattern (a called chi
    // beside two more of the same sequence reads as three triplets first).
    // Such a hand is searched once more with the melds checked pattern by
    // pattern; every hand the first search splits keeps its split.
    if (meldCount() >= 1) {
        meldCheckEachPattern_ = true;
        const bool found = search();
        meldCheckEachPattern_ = false;
        if (found) return;
        // Leave the lists as the failed search does.
        JANTOU_POS = 13;
        JANTOU_TRY();
    }
    HANTEI = 1;
}

void TENHO::JANTOU_TRY()
{
    BUNKAI_NG = '0';
    for (auto& list : ListEND) list.clear();
    ListTEMP.clear();
    ListTemp2.clear();

    ListTEMP.add(Text1);
    TEHAI_SET();

    const int p = JANTOU_POS;
    if (ListTEMP.item(p) != ListTEMP.item(p + 1)) {
        BUNKAI_NG = '1';
        return;
    }
    ListEND[4].add(ListTEMP.item(p));
    ListEND[4].add(ListTEMP.item(p + 1));
    ListTEMP.removeAt(p + 1);
    ListTEMP.removeAt(p);

    ListTemp2.copyFrom(ListTEMP);
    COPY_NO = static_cast<Integer>(ListTEMP.count());

    // The extractors are deterministic, so a pattern that starts like one
    // that already failed, up to the slot where that one failed, fails there
    // too; it is not run again. (Only the split that holds is ever read.)
    std::array<int, kPatterns.size()> failedAt{};
    bool reset = true;
    for (std::size_t n = 0; n < kPatterns.size(); ++n) {
        bool known = false;
        for (std::size_t m = 0; m < n && !known; ++m) {
            const int f = failedAt[m];
            known = std::equal(kPatterns[m].begin(), kPatterns[m].begin() + f + 1,
                               kPatterns[n].begin());
            if (known) failedAt[n] = f;
        }
        if (known) continue;
        if (!reset) BUNKAI_RESET();
        reset = false;
        for (MENTSU_NO = 0; MENTSU_NO < 4; ++MENTSU_NO) {
            if (BUNKAI_NG != '0') break;
            MENTSU_SLOT = MENTSU_NO;
            if (kPatterns[n][static_cast<std::size_t>(MENTSU_NO)] == 'T')
                KOUTSU_GET();
            else
                SHUNTSU_GET();
        }
        if (BUNKAI_NG == '0') {
            if (!meldCheckEachPattern_) return;
            NAKI_KENSA();
            if (BUNKAI_NG == '0') return;
        }
        failedAt[n] = MENTSU_NO - 1;  // a meld miss (3) matches no other pattern
    }
}

void TENHO::SHUNTSU_GET()
{
    TileList& group = ListEND[static_cast<std::size_t>(MENTSU_SLOT)];
    const Code a = ListTEMP.item(0);
    const auto at = [this](int want) {
        int j = 0;
        for (Code c : ListTEMP) {
            if (c.value() == want) return j;
            ++j;
        }
        return -1;
    };
    const int second = at(a.value() + 1);
    if (second < 0) {
        BUNKAI_NG = '1';
        return;
    }
    group.add(a);
    group.add(ListTEMP.item(second));
    ListTEMP.removeAt(second);
    ListTEMP.removeAt(0);
    LOOP_J = static_cast<Integer>(at(group.item(0).value() + 2));
    if (LOOP_J < 0) {
        BUNKAI_NG = '1';
        return;
    }
    group.add(ListTEMP.item(LOOP_J));
    ListTEMP.removeAt(LOOP_J);
}

void TENHO::KOUTSU_GET()
{
    TileList& group = ListEND[static_cast<std::size_t>(MENTSU_SLOT)];
    const Code a = ListTEMP.item(0);
    if (ListTEMP.item(1) == a && ListTEMP.item(2) == a) {
        for (int i = 0; i < 3; ++i) group.add(a);
        for (int i = 0; i < 3; ++i) ListTEMP.removeAt(0);
    } else {
        BUNKAI_NG = '1';
    }
}

void TENHO::BUNKAI_RESET()
{
    BUNKAI_NG = '0';
    for (int k = 0; k < 4; ++k) ListEND[static_cast<std::size_t>(k)].clear();
    ListTEMP.copyFrom(ListTemp2);
    COPY_NO = static_cast<Integer>(ListTemp2.count());
}

void TENHO::NAKI_KENSA()
{
    BUNKAI_NG = '0';
    MENTSU_KEY.clear();
    MENTSU_KEYS.clear();
    if (meldCount() >= 1) NAKI_SHOUGOU();
}

void TENHO::NAKI_SHOUGOU()
{
    for (const TileList& group : ListEND) appendKey(MENTSU_KEYS, group);
    const int m = meldCount();
    for (int k = 1; k <= m; ++k) {
        MENTSU_KEY.clear();
        appendKey(MENTSU_KEY, List[static_cast<std::size_t>(k)]);
        const auto at = MENTSU_KEYS.find(MENTSU_KEY);
        if (at == std::string::npos) {
            BUNKAI_NG = '1';
            return;
        }
        // Two equal melds need two equal groups.
        MENTSU_KEYS.erase(at, MENTSU_KEY.size());
    }
    BUNKAI_NG = '0';
}

}  // namespace tenho
