// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded random walk over every entry handler of the window: palette
// drops and clicks on every target, both call dialogs with every answer
// (closing them included), removals, the boxes, winds and win kind, リセット,
// the house rules and 計算 with either button. After every action the table
// must be sound, and a calculation must behave the same on a calculator that
// never calculated before.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/test_support.h"
#include "hand_generator.h"

namespace tenho::testing {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kActions = 30000;
#else
constexpr int kActions = 100000;
#endif

// Everything a player can see or set on the window, and the rules.
struct Table {
    std::array<TileList, 5> lists;
    TileList dora;
    Code win;
    std::array<Picture, 13> hand;
    std::array<Picture, 12> jump;
    std::array<std::array<Picture, 4>, 5> naki;
    std::array<std::array<Picture, 2>, 5> kan;
    std::array<Picture, 8> doraPictures;
    Picture winPicture;
    std::array<CheckBox, 6> boxes;
    Integer round = -1;
    Integer seat = -1;
    bool tsumo = false;
    bool ron = true;
    std::string_view caption;  // one of the fixed captions
    std::array<Integer, 3> rules{};
};

bool sameList(const TileList& a, const TileList& b)
{
    if (a.count() != b.count()) return false;
    for (int i = 0; i < a.count(); ++i)
        if (a.item(i) != b.item(i)) return false;
    return true;
}

bool samePicture(const Picture& a, const Picture& b)
{
    return a.visible == b.visible && a.image == b.image;
}

template <std::size_t N>
bool samePictures(const std::array<Picture, N>& a, const std::array<Picture, N>& b)
{
    for (std::size_t i = 0; i < N; ++i)
        if (!samePicture(a[i], b[i])) return false;
    return true;
}

Table tableOf(const TENHO& t)
{
    Table s;
    for (std::size_t k = 0; k < 5; ++k) s.lists[k] = t.List[k];
    s.dora = t.List2;
    s.win = t.Text1;
    s.hand = t.T_HAI;
    s.jump = t.JUMP;
    s.naki = t.NAKI;
    s.kan = t.KAN_KAN;
    s.doraPictures = t.DORA;
    s.winPicture = t.ENDPAI;
    s.boxes = t.C_OPTION;
    s.round = t.B_list;
    s.seat = t.I_list;
    s.tsumo = t.TUMO_END;
    s.ron = t.RON_END;
    s.caption = t.caption;
    s.rules = {t.RULE_KUITAN, t.RULE_ATODUKE, t.RULE_RENHOU};
    return s;
}

// Where two tables differ, or "" when they are the same.
std::string difference(const Table& a, const Table& b)
{
    for (std::size_t k = 0; k < 5; ++k)
        if (!sameList(a.lists[k], b.lists[k])) return "List(" + std::to_string(k) + ")";
    if (!sameList(a.dora, b.dora)) return "List2";
    if (a.win != b.win) return "Text1";
    if (!samePictures(a.hand, b.hand)) return "T_HAI";
    if (!samePictures(a.jump, b.jump)) return "JUMP";
    for (std::size_t k = 1; k < 5; ++k) {
        if (!samePictures(a.naki[k], b.naki[k])) return "NAKI" + std::to_string(k);
        if (!samePictures(a.kan[k], b.kan[k])) return "KAN_KAN" + std::to_string(k);
    }
    if (!samePictures(a.doraPictures, b.doraPictures)) return "DORA";
    if (!samePicture(a.winPicture, b.winPicture)) return "ENDPAI";
    for (std::size_t i = 0; i < 6; ++i)
        if (a.boxes[i].value != b.boxes[i].value || a.boxes[i].enabled != b.boxes[i].enabled)
            return "C_OPTION(" + std::to_string(i) + ")";
    if (a.round != b.round || a.seat != b.seat) return "winds";
    if (a.tsumo != b.tsumo || a.ron != b.ron) return "win kind";
    if (a.caption != b.caption) return "caption";
    if (a.rules != b.rules) return "rules";
    return {};
}

// Puts a table on a calculator that has never calculated, control by control.
void setTable(TENHO& t, const Table& s)
{
    for (std::size_t k = 0; k < 5; ++k) t.List[k] = s.lists[k];
    t.List2 = s.dora;
    t.Text1 = s.win;
    t.T_HAI = s.hand;
    t.JUMP = s.jump;
    t.NAKI = s.naki;
    t.KAN_KAN = s.kan;
    t.DORA = s.doraPictures;
    t.ENDPAI = s.winPicture;
    t.C_OPTION = s.boxes;
    t.B_list = s.round;
    t.I_list = s.seat;
    t.TUMO_END = s.tsumo;
    t.RON_END = s.ron;
    t.caption = s.caption;
    t.RULE_KUITAN = s.rules[0];
    t.RULE_ATODUKE = s.rules[1];
    t.RULE_RENHOU = s.rules[2];
}

// The kind that is on the table more than four times, or -1.
int fifthOfAKind(const TENHO& t)
{
    std::array<int, kTileKinds> n{};
    const auto count = [&](Code c) {
        if (paletteIndex(c) >= 0) ++n[static_cast<std::size_t>(paletteIndex(c))];
    };
    for (const TileList& list : t.List)
        for (Code c : list) count(c);
    count(t.Text1);
    for (Code c : t.List2) count(c);
    for (int kind = 0; kind < kTileKinds; ++kind)
        if (n[static_cast<std::size_t>(kind)] > 4) return kind;
    return -1;
}

// What one calculation showed.
struct Shown {
    std::vector<std::string> messages;
    std::vector<HAN_number> dialogs;
    bool operator==(const Shown&) const = default;
};

class Walk {
public:
    explicit Walk(std::uint64_t seed) : rng_(seed) { c_.t.Form_Load(); }

    // One random action; returns its description.
    std::string step()
    {
        TENHO& t = c_.t;
        const int s = roll(kTileKinds);
        std::ostringstream what;
        switch (roll(20)) {
        case 0:
        case 1: {
            // A press and release on one palette tile, or a drag onto another.
            const int target = roll(3) == 0 ? roll(kTileKinds) : s;
            t.HAI_DragDrop(target, s);
            what << "HAI_DragDrop(" << target << ", " << s << ")";
            break;
        }
        case 2:
        case 3:
            t.Frame1_DragDrop(s);
            what << "Frame1_DragDrop(" << s << ")";
            break;
        case 4:
            t.Frame8_DragDrop(s);
            what << "Frame8_DragDrop(" << s << ")";
            break;
        case 5: {
            const int i = roll(13);
            t.T_HAI_DragDrop(i, s);
            what << "T_HAI_DragDrop(" << i << ", " << s << ")";
            break;
        }
        case 6: {
            const int i = roll(14) - 1;
            t.T_HAI_Click(i);
            what << "T_HAI_Click(" << i << ")";
            break;
        }
        case 7: {
            // Every answer of both dialogs, closing them through the frame too.
            const int k = 1 + roll(4);
            const int naki = roll(5) - 1;  // Closed (-1) .. Cancel (3)
            const int kan = roll(4) - 1;   // Closed (-1) .. Cancel (2)
            c_.host.nakiAnswers = {static_cast<NakiCheckButton>(naki)};
            c_.host.kanAnswers = {static_cast<KanCheckButton>(kan)};
            t.formMeld(k, s);
            c_.host.nakiAnswers.clear();
            c_.host.kanAnswers.clear();
            what << "formMeld(" << k << ", " << s << ") answered " << naki << "/" << kan;
            break;
        }
        case 8: {
            const int k = 1 + roll(4);
            t.NAKI_Click(k);
            what << "NAKI_Click(" << k << ")";
            break;
        }
        case 9:
            t.Frame6_DragDrop(s);
            what << "Frame6_DragDrop(" << s << ")";
            break;
        case 10: {
            const int i = roll(8);
            t.DORA_DragDrop(i, s);
            what << "DORA_DragDrop(" << i << ", " << s << ")";
            break;
        }
        case 11: {
            const int i = roll(9) - 1;
            t.DORA_Click(i);
            what << "DORA_Click(" << i << ")";
            break;
        }
        case 12:
            t.Frame7_DragDrop(s);
            what << "Frame7_DragDrop(" << s << ")";
            break;
        case 13:
            t.ENDPAI_Click();
            what << "ENDPAI_Click";
            break;
        case 14:
        case 15: {
            const int i = roll(6);
            t.clickC_OPTION(i);
            what << "clickC_OPTION(" << i << ")";
            break;
        }
        case 16: {
            t.B_list = static_cast<Integer>(roll(5) - 1);
            t.I_list = static_cast<Integer>(roll(5) - 1);
            if (roll(2) == 0)
                t.selectTUMO_END();
            else
                t.selectRON_END();
            what << "winds " << t.B_list << "/" << t.I_list << (t.TUMO_END ? " ツモ" : " ロン");
            break;
        }
        case 17:
            if (roll(2) == 0) {
                what << enterGeneratedHand();
            } else if (roll(8) == 0) {
                t.cmdRESET_Click();
                what << "cmdRESET_Click";
            } else {
                c_.host.formOptionAnswer = form_OPTION{roll(2), 0, roll(2)};
                c_.host.formOptionConfirm = roll(4) != 0;
                t.SYSTEM_Click();
                what << "SYSTEM_Click";
            }
            break;
        default:
            what << calculate();
            break;
        }
        return what.str();
    }

    // The table is sound: "" or what is wrong.
    std::string check() const
    {
        const TENHO& t = c_.t;
        if (const int kind = fifthOfAKind(t); kind >= 0)
            return "a fifth " + kHaiCodes[static_cast<std::size_t>(kind)].str() + " on the table";
        for (int i = 0; i < 13; ++i) {
            const Picture& p = t.T_HAI[static_cast<std::size_t>(i)];
            if (p.visible != (i < t.List[0].count()) ||
                (p.visible && p.image != paletteIndex(t.List[0].item(i))))
                return "T_HAI(" + std::to_string(i) + ") does not show List(0)";
        }
        for (int i = 0; i < 8; ++i) {
            const Picture& p = t.DORA[static_cast<std::size_t>(i)];
            if (p.visible != (i < t.List2.count()) ||
                (p.visible && p.image != paletteIndex(t.List2.item(i))))
                return "DORA(" + std::to_string(i) + ") does not show List2";
        }
        if (t.ENDPAI.visible != !t.Text1.empty() ||
            (t.ENDPAI.visible && t.ENDPAI.image != paletteIndex(t.Text1)))
            return "ENDPAI does not show Text1";
        for (std::size_t k = 1; k <= 4; ++k) {
            const TileList& meld = t.List[k];
            for (std::size_t i = 0; i < 4; ++i) {
                const Picture& p = t.NAKI[k][i];
                if (p.visible != (static_cast<int>(i) < meld.count()) ||
                    (p.visible && p.image != paletteIndex(meld.item(static_cast<int>(i)))))
                    return "NAKI" + std::to_string(k) + " does not show List(" + std::to_string(k) +
                           ")";
            }
            if (k > 1 && !meld.isEmpty() && t.List[k - 1].isEmpty())
                return "meld " + std::to_string(k) + " without meld " + std::to_string(k - 1);
            if (t.KAN_KAN[k][0].visible != t.KAN_KAN[k][1].visible ||
                (t.KAN_KAN[k][0].visible && meld.count() != 4))
                return "face-down pictures of meld " + std::to_string(k);
            for (std::size_t j = 3 * (k - 1); j < 3 * k; ++j)
                if (t.JUMP[j].visible != !meld.isEmpty()) return "JUMP(" + std::to_string(j) + ")";
        }
        if (t.List[0].count() > 13 - 3 * t.meldCount()) return "too many concealed tiles";
        if (t.C_OPTION[5].value != 0 || t.C_OPTION[5].enabled) return "カン直後 came on";
        const bool riichiType = t.C_OPTION[0].value || t.C_OPTION[1].value || t.C_OPTION[2].value;
        if (t.List2.count() > (riichiType ? 8 : 4)) return "too many dora indicators";
        for (int i = 0; i < kTileKinds; ++i)
            if (!samePicture(t.HAI[static_cast<std::size_t>(i)], Picture{i, true}))
                return "the palette changed";
        return {};
    }

private:
    int roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    // A whole generated hand, dropped tile by tile as a player would, so that
    // the walk also calculates complete hands with melds, dora and boxes.
    std::string enterGeneratedHand()
    {
        TENHO& t = c_.t;
        const std::string line = generator_.next();
        std::vector<std::string> storage;
        std::istringstream in(line);
        for (std::string w; in >> w;) storage.push_back(w);
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        const cli::HandOptions o = cli::parseOptions(words).options;
        if (roll(2) == 0) t.cmdRESET_Click();
        for (std::size_t k = 0; k < o.melds.size(); ++k) {
            const auto kind = o.melds[k].kind;
            c_.host.nakiAnswers = {kind == cli::MeldKind::Chi   ? NakiCheckButton::Chi
                                   : kind == cli::MeldKind::Pon ? NakiCheckButton::Pon
                                                                : NakiCheckButton::Kan};
            c_.host.kanAnswers = {kind == cli::MeldKind::Ankan ? KanCheckButton::Ankan
                                                               : KanCheckButton::Minkan};
            t.formMeld(static_cast<int>(k) + 1, paletteIndex(o.melds[k].tiles[0]));
        }
        c_.host.nakiAnswers.clear();
        c_.host.kanAnswers.clear();
        for (Code c : o.hand) t.Frame1_DragDrop(paletteIndex(c));
        if (o.win) t.Frame7_DragDrop(paletteIndex(*o.win));
        for (int b = 0; b < 5; ++b)
            if (o.boxes[b]) t.clickC_OPTION(b);
        for (Code c : o.dora) t.Frame6_DragDrop(paletteIndex(c));
        if (o.tsumo) t.selectTUMO_END();
        t.B_list = static_cast<Integer>(o.round);
        t.I_list = static_cast<Integer>(o.seat);
        if (roll(2) == 0) return "entered " + line + ", then " + calculate();
        return "entered " + line;
    }

    std::string calculate()
    {
        TENHO& t = c_.t;
        const Table before = tableOf(t);
        const HanNumberButton button = roll(3) == 0   ? HanNumberButton::Command2
                                       : roll(5) == 0 ? HanNumberButton::Closed
                                                      : HanNumberButton::Command1;
        const char* name = button == HanNumberButton::Command2   ? "OK"
                           : button == HanNumberButton::Command1 ? "やり直す"
                                                                 : "closed";
        const Shown shown = run(c_, button);
        if (shown.dialogs.empty() && shown.messages.empty()) return fault("計算 showed nothing");

        // The same table on a calculator that never calculated shows the same.
        Calculator fresh;
        setTable(fresh.t, before);
        if (run(fresh, button) != shown) return fault("計算 depends on earlier calculations");

        // "OK" is リセット; "やり直す", closing the dialog or a message change nothing.
        std::string diff;
        if (button == HanNumberButton::Command2 && !shown.dialogs.empty()) {
            Calculator reset;
            setTable(reset.t, before);
            reset.t.cmdRESET_Click();
            diff = difference(tableOf(t), tableOf(reset.t));
        } else {
            diff = difference(tableOf(t), before);
        }
        if (!diff.empty()) return fault(std::string("計算 and ") + name + " changed " + diff);
        if (t.hanNumber && !shown.dialogs.empty()) return fault("the result dialog stays");
        return std::string("cmdKEISAN_Click, ") + name;
    }

    static Shown run(Calculator& c, HanNumberButton button)
    {
        c.host.messages.clear();
        c.host.shownDialogs.clear();
        c.host.hanButtons.assign(4, button);
        c.t.cmdKEISAN_Click();
        c.host.hanButtons.clear();
        return {c.host.messages, c.host.shownDialogs};
    }

    std::string fault(std::string text)
    {
        fault_ = text;
        return text;
    }

public:
    const std::string& fault() const { return fault_; }

private:
    std::mt19937_64 rng_;
    bench::HandGenerator generator_{rng_()};
    Calculator c_;
    std::string fault_;
};

TEST(EntryWalk, EveryActionKeepsTheTableSound)
{
    for (std::uint64_t seed : {1u, 2u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Walk walk(seed);
        std::vector<std::string> recent;
        for (int n = 0; n < kActions / 2; ++n) {
            recent.push_back(walk.step());
            if (recent.size() > 12) recent.erase(recent.begin());
            std::string wrong = walk.fault();
            if (wrong.empty()) wrong = walk.check();
            if (!wrong.empty()) {
                std::string log;
                for (const auto& a : recent) log += "\n  " + a;
                FAIL() << "action " << n << ": " << wrong << "; the last actions:" << log;
            }
        }
    }
}

}  // namespace
}  // namespace tenho::testing
