// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TENHO as a model: every container, control and window-level
// variable the calculator works on, and every routine and event handler of the
// window. There is no model apart from the window: hidden sorted lists hold the
// tiles, and which pictures are shown tells which melds exist and which of them
// are closed kans. The Qt window draws this state and forwards its events here.
//
// The calculator's routines take no arguments and return nothing: they pass
// arguments and verdicts through the variables below, and each one says here
// which it reads and which it writes. The event handlers take what the window
// passes them (a control's index, the palette index of the dragged tile) and
// return what became of the entry, so that tenho-score can tell a refused or
// ignored tile from an accepted one. Helpers of our own (reportYaku, the meld
// tests, the private ones) take arguments as any function does.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/dialogs.h"
#include "model/fixed_text.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/tile.h"
#include "model/tile_list.h"
#include "model/tile_pictures.h"

namespace tenho {

using Integer = std::int16_t;  // the window-level integers are 16-bit

// What a drop or click on an entry control did.
enum class Entry {
    Accepted,  // the hand changed
    Refused,   // refused with a beep
    Ignored,   // nothing happened (capacity stop, cancel, nothing there)
};

// A meld as the replay forms it on its frame: the palette index of the tile
// dropped there (the lowest of a sequence) and what the call dialogs answer.
struct CalledMeld {
    int source = 0;
    NakiCheckButton call = NakiCheckButton::Chi;  // チー, ポン or カン
    bool closedKan = false;                       // カン answered アンカン
};

// A whole hand as the replay enters it, in this order.
struct WholeHand {
    std::span<const CalledMeld> melds;
    std::span<const Code> hand;   // dropped on the hand one after another
    Code win;                     // the winning tile; empty for none
    std::array<bool, 5> boxes{};  // C_OPTION(0..4) clicked, in box order
    std::span<const Code> dora;   // indicators, in order
};

inline constexpr std::string_view kTitle = "天和 麻雀点数計算";

namespace detail {
template <std::size_t N, typename T> constexpr std::array<T, N> filled(const T& value)
{
    std::array<T, N> a;
    a.fill(value);
    return a;
}
}  // namespace detail

// The window's controls and window-level variables: plain values only, so
// that a calculator is set back to its start by copying them as one block
// (TENHO::restart).
struct TENHOState {
    // ---------------------------------------------------------------- controls
    // Always one of the window's fixed captions (Form_Load, CMD_Click), held
    // where they are.
    std::string_view caption;

    // The palette: HAI(i) shows tile i, always.
    static constexpr std::array<Picture, kTileKinds> HAI = [] {
        std::array<Picture, kTileKinds> palette{};
        for (int i = 0; i < kTileKinds; ++i)
            palette[static_cast<std::size_t>(i)] = Picture{i, true};
        return palette;
    }();
    static_assert(HAI[0] == Picture{0, true} && HAI[33] == Picture{33, true});  // drawTiles
    std::array<Picture, 13> T_HAI;                                              // concealed hand
    // Placeholders; JUMP(j) lies over T_HAI(12 - j).
    std::array<Picture, 12> JUMP = detail::filled<12>(Picture{image::kPlaceholder, false});
    // Meld frames 1..4 (index 0 unused, so NAKI[1][2] is NAKI1(2)). Picture 0
    // is the rightmost; KAN_KAN[k][0] lies over NAKI[k][3], [1] over NAKI[k][0].
    std::array<std::array<Picture, 4>, 5> NAKI;
    std::array<std::array<Picture, 2>, 5> KAN_KAN =
        detail::filled<5>(detail::filled<2>(Picture{image::kFaceDown, false}));
    std::array<Picture, 8> DORA;
    Picture ENDPAI;

    // List(0) concealed tiles, List(1)..List(4) melds 1..4; all sorted.
    std::array<TileList, 5> List = detail::filled<5>(TileList(true));
    TileList List2{false};  // dora indicators in order of entry
    TileList ListTEMP{true};
    TileList ListTemp2{true};
    TileList List3{true};
    std::array<TileList, 5> ListEND;  // unsorted: four groups and the pair
    Code Text1;                       // the winning tile, or empty

    // Win kind: exactly one of the two option buttons is selected.
    bool TUMO_END = false;
    bool RON_END = true;
    // Selected index of the wind lists: 0 東, 1 南, 2 西, 3 北, -1 none.
    Integer B_list = -1;  // prevailing wind
    Integer I_list = -1;  // seat wind; 0 is the dealer
    std::array<CheckBox, 6> C_OPTION = {{{0, true},
                                         {0, true},
                                         {0, false},
                                         {0, true},
                                         {0, true},
                                         {0, false}}};  // 一発 and カン直後 start disabled

    static const std::array<std::string_view, 4> kB_listItems;
    static const std::array<std::string_view, 4> kI_listItems;
    static const std::array<std::string_view, 6> kC_OPTIONCaptions;
    static const std::array<std::string_view, 6> kC_OPTIONToolTips;

    // ------------------------------------------------------------ rule flags
    Integer RULE_KUITAN = 0;
    Integer RULE_ATODUKE = 1;
    Integer RULE_RENHOU = 0;

    // ------------------------------------------------- window-level variables
    Integer MENTSU_NO = 0;
    Integer COPY_NO = 0;
    Integer MENTSU_SLOT = 0;
    Integer JANTOU_POS = 0;
    Code PAI_CODE;
    Picture* PAI_CTL = nullptr;
    // The list handed to IRO_COPY/SUUJI_COPY; the suit and number tests leave
    // it on List(0), as their last copy would.
    const TileList* PAI_CTL_LIST = nullptr;
    std::span<Picture> PAI_ARRAY;
    FixedText<4> WORK_CODE;    // one code, or a "0"/"1" result
    FixedText<32> WORK_CODES;  // one character or flag per item of List3 (16 at most)
    char BUNKAI_NG = '\0';     // '0' the split holds, '1' it failed
    Integer HANTEI = 0;
    char DRAG_SUIT = '\0';
    char DRAG_RANK = '\0';
    Code NAKI_PAI;
    Integer NAKI_NO = 0;
    FixedText<40> MENTSU_KEYS;  // five group keys
    FixedText<8> MENTSU_KEY;    // ":" + three codes + ":"
    FixedText<8> DRAG_KEY;      // ":" + code + ":"
    Integer OVER_FLAG = 0;
    // The keys of the tiles on the table (hand, melds, winning tile, dora
    // indicators), as far as the checks read them: how often DRAG_KEY's
    // tile occurs among them. HAI_SHUUKEI counts it afresh for every check.
    Integer USED_KEYS = 0;
    Code DORA_WORK;
    Integer DORA_COUNT = 0;
    Integer NAKI_FLAG = 0;
    Integer HAI_INDEX = 0;
    Integer LOOP_I = 0;
    Integer LOOP_J = 0;
    Integer FU_SUU = 0;
    FixedText<4> NAKI_SENTAKU;  // the call chosen: "0" チー .. "3" none
    Integer ANKAN_FLAG = 0;
};

class TENHO : public TENHOState {
public:
    explicit TENHO(Host& host);
    // A copy of the whole state of `other` that shows through `host`, to try
    // what the calculator would do without touching `other`. It keeps no
    // pointer into `other`: PAI_CTL, PAI_CTL_LIST and PAI_ARRAY are cleared
    // (every routine sets them before it reads them).
    TENHO(const TENHO& other, Host& host) : TENHO(other)
    {
        host_ = &host;
        PAI_CTL = nullptr;
        PAI_CTL_LIST = nullptr;
        PAI_ARRAY = {};
    }
    TENHO& operator=(const TENHO&) = delete;

    Host& host() { return *host_; }
    // Puts `host` in the place of the current host and returns the one it
    // replaces: a typed hand answers the call dialogs itself while it is
    // entered (entry/typed_hand.h).
    Host& replaceHost(Host& host)
    {
        Host& before = *host_;
        host_ = &host;
        return before;
    }

    // Back to the state of a calculator just built on the same host, as if
    // made anew: every list, picture, box, variable and rule flag, the caption
    // empty and no result dialog. Only the application's folder and the
    // project's page stay. For
    // scoring one hand after another without building a window each time.
    void restart();
    // As restart, but back to `start`, a copy of this calculator's state
    // taken earlier (TENHOState is plain values, so `TENHOState start = t;`
    // takes it): the result dialog goes, the folder, the page and the host
    // stay. A copy taken after Form_Load and SYSTEM_Click holds the house
    // rules too, so one a pair of rule choices lets each hand start there.
    void restart(const TENHOState& start);

    // Result dialog: created by the first write to a label, destroyed by
    // either of its buttons.
    std::optional<HAN_number> hanNumber;
    HAN_number& HAN()
    {
        if (!hanNumber) hanNumber.emplace();
        return *hanNumber;
    }

    // The application's own folder (for the help file).
    std::string appPath;
    // The project's page, where it is not the address built in (the copy in
    // the build tree, for a program run from there).
    std::string homePage;

    // ================================================================ routines
    // Each routine below says what it reads and what it writes, as
    // "reads → writes". "Label1..5" are the result dialog's; "reports" means
    // reportYaku (Label1, Label2 and Label3 grow by one yaku) and "yakuman"
    // reportYakuman (below); "the table" is List(0..4), List2 and Text1, as
    // the tile-count checks see it. The loop counters LOOP_I and LOOP_J, and
    // the picture arguments PAI_CODE and PAI_CTL, are named where a routine
    // leaves them changed.
    //
    // HANTEI, the stop flag: KOKUSI, SU_KAN, TENPAI, SU_ANKO, TINROU and TYUREN
    // set it to 0 first and to 1 with their yakuman (TENPAI: 1 when there is
    // no split); TITOITU sets it to 1 and back to 0 on seven pairs. The other
    // yakuman detectors (TENHO_TIIHO, RYU_IISOU, TU_I_SO, DAISU_SI, SYOSU_SI,
    // DAISANGEN) leave it as it is unless they report, and then set it to 1,
    // as cmdKEISAN_Click does itself for seven pairs of honours (字一色).
    // Nothing else writes it.

    // ----------------------------------------------------------- tile pictures
    // PAI_CODE, PAI_CTL → *PAI_CTL shows the tile; nothing for a code that is
    // no tile or no picture.
    void HAI_GAZOU()
    {
        const int n = paletteIndex(PAI_CODE);
        if (n < 0 || PAI_CTL == nullptr) return;
        PAI_CTL->image = HAI[static_cast<std::size_t>(n)].image;
        PAI_CTL->visible = true;
    }

    // Meld k (1..4), read on its pictures. Pictures 0..2 of a meld are shown
    // together, so any of them tells that it is there; each routine reads the
    // one it always has: NAKIk(2) for the meld count and most checks, NAKIk(1)
    // for the hand's capacity (addToHand), NAKI_HANTEI and SANAN's "in use",
    // NAKIk(0) where formMeld looks at the meld before it and in one of
    // SANAN's configurations.
    bool meldPresent(int k, int picture = 2) const
    {
        return NAKI[static_cast<std::size_t>(k)][static_cast<std::size_t>(picture)].visible;
    }
    // A kan shows its fourth tile, NAKIk(3), open or closed.
    bool meldIsKan(int k) const { return NAKI[static_cast<std::size_t>(k)][3].visible; }
    // A closed kan shows its face-down pictures: KAN_KANk(0).
    bool meldIsClosedKan(int k) const { return KAN_KAN[static_cast<std::size_t>(k)][0].visible; }
    // NAKIk(2) → the highest k whose meld is present; 0 without meld 1.
    // Asked several times a calculation, so read off the four at once
    // rather than tested one by one.
    int meldCount() const
    {
        static constexpr auto kCount = [] {
            std::array<std::int8_t, 16> count{};
            for (unsigned present = 1; present < 16; present += 2)
                count[present] = static_cast<std::int8_t>(std::bit_width(present));
            return count;
        }();
        const unsigned present =
            static_cast<unsigned>(meldPresent(1)) | static_cast<unsigned>(meldPresent(2)) << 1 |
            static_cast<unsigned>(meldPresent(3)) << 2 | static_cast<unsigned>(meldPresent(4)) << 3;
        return kCount[present];
    }

    // ---------------------------------------- calculation driver and reporting
    // I_list, B_list, Text1, List(0), the meld pictures, RULE_KUITAN, and all
    // the detectors read → ListEND and ListTEMP cleared first, Label1..5,
    // the dialog shown or a message box; the detectors' variables.
    void cmdKEISAN_Click();
    // KAN_KANk(0), NAKIk(1) → NAKI_FLAG (1: a meld other than closed kans).
    void NAKI_HANTEI();
    // Label1..3 → the name and han text on top of Label1 and Label2, Label3
    // + han.
    void reportYaku(std::string_view name, std::string_view hanText, int han);
    // NAKI_FLAG → reportYaku with closedHan in a closed hand, one han less in
    // an open one.
    void reportGradedYaku(std::string_view name, int closedHan);
    // I_list, TUMO_END → Label1..4 (the name alone, "１３翻", the yakuman
    // payment), HANTEI = 1; shows the dialog (showHAN_number).
    void reportYakuman(std::string_view name);
    // The result dialog → shown through the host; "やり直す" or the frame
    // closes it, "OK" also runs ALL_RESET.
    void showHAN_number();

    // ------------------------------------------------------------ split search
    // Text1, List(0..4), NAKIk(2) → ListTEMP (the fourteen tiles), ListTemp2,
    // ListEND(0..4) (the first split that holds the melds, or empty), HANTEI
    // (1: none), BUNKAI_NG, JANTOU_POS, COPY_NO, MENTSU_NO, MENTSU_SLOT,
    // NAKI_NO, MENTSU_KEY(S); on the list search also LOOP_J.
    void TENPAI();
    // TENPAI's search step by step on the lists (JANTOU_TRY, the extractors,
    // NAKI_KENSA). TENPAI runs it for states its search on tile counts does
    // not take; it is public so that the two can be compared. Reads and
    // writes as TENPAI.
    void splitByLists();
    // JANTOU_POS, Text1, List(0..4), NAKIk(2) → ListTEMP, ListTemp2,
    // ListEND(0..4), BUNKAI_NG ('0': the pair there and a pattern split the
    // rest), COPY_NO, MENTSU_NO, MENTSU_SLOT, NAKI_NO, LOOP_J; MENTSU_KEY(S)
    // in the search's second pass.
    void JANTOU_TRY();
    // List(0..4), NAKIk(2) → ListTEMP (the melds' first three tiles and the
    // concealed tiles appended), NAKI_NO.
    void TEHAI_SET();
    // NAKI_NO, List(NAKI_NO) → ListTEMP (its first three tiles appended).
    void NAKI_COPY();
    // MENTSU_SLOT, ListTEMP → ListEND(MENTSU_SLOT), ListTEMP (the sequence
    // from its lowest tile moved), LOOP_J; BUNKAI_NG = '1' when there is none.
    void SHUNTSU_GET();
    // MENTSU_SLOT, ListTEMP → ListEND(MENTSU_SLOT), ListTEMP (a triplet of
    // its lowest tile moved); BUNKAI_NG = '1' when there is none.
    void KOUTSU_GET();
    // ListTemp2 → ListTEMP, ListEND(0..3) cleared, COPY_NO, BUNKAI_NG = '0'.
    void BUNKAI_RESET();
    // NAKIk(2) → MENTSU_KEY(S) cleared, BUNKAI_NG = '0'; NAKI_SHOUGOU when a
    // meld is called.
    void NAKI_KENSA();
    // ListEND(0..4), List(1..4), NAKIk(2) → MENTSU_KEYS, MENTSU_KEY,
    // BUNKAI_NG ('1': a called meld is not among the groups).
    void NAKI_SHOUGOU();
    // NAKI_SHOUGOU is the first that can: the keys compared as numbers
    // (false when the lists hold anything but tiles), then as texts.
    bool matchWholeKeys();
    void matchKeyTexts();
    // keys (eight bytes each, in text order) → MENTSU_KEYS: those of the
    // groups in `left` (bit g), then ListEND(4)'s; MENTSU_KEY = lastKey when
    // a meld is called.
    void writeWholeKeys(const std::array<std::uint64_t, 4>& keys, unsigned left,
                        std::uint64_t lastKey);

    // ------------------------------- seven pairs, thirteen orphans, nine gates
    // List(0), Text1 → List3 (the hand and the winning tile), HANTEI; yakuman.
    void KOKUSI();
    // List(0), Text1, Label3 → List3 (left empty), WORK_CODE(S) (on fourteen
    // tiles), HANTEI; Label1..3 for 七対子.
    void TITOITU();
    // List(0), Text1 → List3 (their rank digits), HANTEI; yakuman.
    void TYUREN();

    // ------------------------------------------------------- triplets and kans
    // NAKIk(3), List(0), Text1 → HANTEI; yakuman.
    void SU_KAN();
    // NAKI_FLAG, ListEND, TUMO_END, Text1 → HANTEI; yakuman, or 三暗刻 and
    // 対々和 on Label1..3.
    void SU_ANKO();
    // NAKI_FLAG, ListEND(0..3) → reports.
    void TOITOI();
    // NAKIk(3) → reports.
    void SAN_KAN();
    // NAKI_FLAG, ListEND, Text1, TUMO_END, RON_END, List(1..4), KAN_KANk(0),
    // NAKIk(1), NAKI3(0), NAKIk(2), Label1 → reports (SANAN_KAKUTEI).
    void SANAN();
    // ListEND(0..3) → reports.
    void SANAN_KAKUTEI();

    // --------------------------------------------------------------- sequences
    // ListEND(0..3), NAKI_FLAG → reports.
    void SAN_JUN();
    // ListEND(0..3), NAKI_FLAG → reports.
    void ITUU();
    // ListEND(0..3) → reports.
    void IIPEI();
    // List(0), Text1, Label3 → List3 (left empty), List(0)'s selection,
    // WORK_CODE(S); Label1..3 for 二盃口.
    void RYANPEI();

    // --------------------------------------------------- terminals and honours
    // ListEND → HANTEI; yakuman.
    void TINROU();
    // ListEND → reports.
    void HONROU();
    // ListEND, NAKI_FLAG → reports.
    void JUN_CHAN();
    // ListEND, NAKI_FLAG → reports.
    void TIYANTA();
    // List(0..4), Text1, NAKI_FLAG, RULE_KUITAN → List3 (left empty),
    // PAI_CTL_LIST; reports.
    void TANYAO();

    // ------------------------------------------------------------------- suits
    // List(0..4), Text1, NAKI_FLAG → List3 (left empty), PAI_CTL_LIST,
    // WORK_CODE(S); reports 清一色, or does HONITU's work on the suits read.
    void TINITU();
    // As TINITU → reports 混一色. TINITU does its work itself, so the driver
    // never calls it.
    void HONITU();
    // ListEND → HANTEI; yakuman.
    void TU_I_SO();
    // ListEND → HANTEI; yakuman.
    void RYU_IISOU();
    // PAI_CTL_LIST → List3 (the suit digit, or the rank digit, of each of its
    // items appended). The suit and number tests count what these would copy
    // (census) and call neither; they stay as the definition
    // those counts follow.
    void IRO_COPY();
    void SUUJI_COPY();

    // ------------------------------------------------------- winds and dragons
    // ListEND(0..3), B_list, I_list → reports.
    void HU_PON();
    // ListEND(0..3) → reports.
    void SANGEN();
    // ListEND → reports.
    void SYOSANGEN();
    // ListEND(0..3) → HANTEI; yakuman.
    void DAISANGEN();
    // ListEND(0..3) → HANTEI; yakuman.
    void DAISU_SI();
    // ListEND → HANTEI; yakuman (SYOSU_SI_KAKUTEI).
    void SYOSU_SI();
    void SYOSU_SI_KAKUTEI();

    // --------------------------------------------------- three colour triplets
    // ListEND(0..3) → reports.
    void SAN_KOKU();

    // ---------------------------------------------------------- situation yaku
    // NAKI_FLAG, TUMO_END → reports.
    void TUMO();
    // C_OPTION(0), C_OPTION(1), C_OPTION(2), C_OPTION(4) → reports.
    void RITI();
    void DABUL_RITI();
    void ITUPATU();
    void HAITEI();
    // TUMO_END, RON_END, C_OPTION(3), RULE_RENHOU, I_list → Label1..4 and
    // HANTEI = 1 for 天和, 地和 or 連和, the dialog shown.
    void TENHO_TIIHO();

    // ------------------------------------------------------------------- pinfu
    // NAKI1(2), ListEND, I_list, B_list, Text1 → reports (PINHU_KAKUTEI).
    void PINHU();
    void PINHU_KAKUTEI();

    // -------------------------------------------------------------------- dora
    // LOOP_I, List2 → DORA_WORK, the tile indicator LOOP_I makes dora
    // (unchanged when List2 has no item there).
    void DORA_NUMBER();
    // List2, ListEND, List(1..4) → DORA_COUNT, DORA_WORK, LOOP_I; reports.
    void DORADORA();
    // List2, ListTEMP, Label1..3 → DORA_COUNT, DORA_WORK, LOOP_I; the dora
    // line under the others in Label1 and Label2, Label3 + dora.
    void DORADORA2();

    // ---------------------------------------------------------------------- fu
    // ListEND, FU_SUU, B_list, I_list, Text1, List(1..4), KAN_KANk(0),
    // NAKIk(3) → FU_SUU (the fu of the pair, the wait and the triplets added).
    void FU_KEISAN();

    // -------------------------------------------------- han total and payments
    // Label3, I_list, TUMO_END → Label4 and its size, Label5Visible; below 5
    // han HAN_KEISAN.
    void TENSUU();
    // Label1, TUMO_END, RON_END, NAKI_FLAG → FU_SUU, Label5; FU_KEISAN and
    // FU_TENSUU.
    void HAN_KEISAN();
    // Label3, FU_SUU, I_list, TUMO_END → Label4.
    void FU_TENSUU();
    // Label3, I_list, TUMO_END → Label4 and its size, Label5 ("25符").
    void TENSUU2();
    // I_list, TUMO_END → Label4 and its size.
    void YAKUMAN_TENSUU();
    // Label3, I_list, TUMO_END → Label4 and its size at 30 fu.
    void FU30_TENSUU();

    // ------------------------------------------------- result dialog and reset
    void Command1_Click();  // "やり直す": the dialog goes
    void Command2_Click();  // "OK": ALL_RESET, and the dialog goes
    // → B_list, I_list, C_OPTION(0..4), the win kind, every list, Text1, every
    // picture but the palette's, LOOP_J.
    void ALL_RESET();

    // ------------------------------------------------------------- main window
    // → RULE_KUITAN, RULE_ATODUKE, RULE_RENHOU, caption (the splash is the
    // window's).
    void Form_Load();
    void cmdRESET_Click();  // ALL_RESET
    // → TUMO_END, RON_END.
    void selectTUMO_END();
    void selectRON_END();

    // ---------------------------------------------- palette and concealed hand
    // The handlers of the window's controls take what the window passes
    // them: the index of the control in its array, and `source`, the palette
    // index of the dragged picture.
    //
    // A tile added to the hand: T_HAI, NAKIk(1), the tiles on the table →
    // DRAG_KEY, USED_KEYS, OVER_FLAG, List(0) and its selection, T_HAI,
    // LOOP_I, PAI_CODE, PAI_CTL; HAI_DragDrop also HAI_INDEX.
    Entry HAI_DragDrop(int index, int source);
    Entry Frame1_DragDrop(int source);
    // Frame1_DragDrop for each of `tiles` in turn, up to the first one that
    // is not accepted: what that one returns (Accepted when all are), with
    // how many were accepted. The state is the one those drops leave, made
    // in one pass: tenho-score enters a whole hand at once.
    Entry dropOnHand(std::span<const Code> tiles, std::size_t& accepted);
    Entry Frame8_DragDrop(int source);
    Entry T_HAI_DragDrop(int index, int source);
    // T_HAI → List(0) and its selection, T_HAI, PAI_ARRAY, LOOP_I, PAI_CODE,
    // PAI_CTL.
    Entry T_HAI_Click(int index);
    // HAI_INDEX → as Frame1_DragDrop.
    Entry TEHAI_TSUIKA();
    // PAI_ARRAY, LOOP_I → picture LOOP_I of PAI_ARRAY emptied when it is the
    // last one shown.
    void HAI_KESU();
    // DRAG_KEY, List(0..4), List2, Text1 → USED_KEYS, OVER_FLAG: 1 refuses
    // the tile when the table holds four of it already (HAI_OVER), two
    // (HAI_OVER2: a pon adds three) or one (HAI_OVER3: a kan adds four).
    void HAI_OVER();
    void HAI_OVER2();
    void HAI_OVER3();
    // As HAI_OVER for each tile of the sequence from DRAG_KEY's → DRAG_KEY
    // (the last tile looked at), USED_KEYS, OVER_FLAG.
    void HAI_OVER4();
    // DRAG_KEY, List(0..4), List2, Text1 → USED_KEYS (how often DRAG_KEY's
    // tile is on the table), OVER_FLAG = 0.
    void HAI_SHUUKEI();
    // USED_KEYS → OVER_FLAG (1 from four on).
    void YONMAI_KENSA();

    // ------------------------------------------------------------------- melds
    // A meld formed: NAKIk(2), NAKI(k-1)(0), the tiles on the table, the
    // call dialogs' answers → NAKI_SENTAKU, ANKAN_FLAG, DRAG_KEY, USED_KEYS,
    // OVER_FLAG, DRAG_SUIT, DRAG_RANK, NAKI_PAI, List(k), NAKIk, KAN_KANk,
    // PAI_CODE, PAI_CTL, List(0), T_HAI, JUMP; C_OPTION, List2 and DORA
    // (RIICHI_KINSHI) on the first open call. FrameN_DragDrop is meld k = N - 1.
    Entry Frame2_DragDrop(int source) { return formMeld(1, source); }
    Entry Frame3_DragDrop(int source) { return formMeld(2, source); }
    Entry Frame4_DragDrop(int source) { return formMeld(3, source); }
    Entry Frame5_DragDrop(int source) { return formMeld(4, source); }
    Entry formMeld(int k, int source);
    // A click on any picture of meld k (NAKIk or KAN_KANk): NAKI_TORIKESHI.
    Entry NAKI_Click(int k);
    // NAKIj(2), KAN_KANj(0), C_OPTION → JUMP, List(k..4), NAKIk..4,
    // KAN_KANk..4, C_OPTION. NAKI1_TORIKESHI .. NAKI4_TORIKESHI.
    void NAKI_TORIKESHI(int k);
    // The button pressed → ANKAN_FLAG = 0, NAKI_SENTAKU; カン shows KAN_check.
    void cmd_NAKI_Click(NakiCheckButton button);
    // The button pressed → NAKI_SENTAKU, ANKAN_FLAG (1: アンカン).
    void cmd_KAN_Click(KanCheckButton button);

    // ---------------------------------------- dora indicators and winning tile
    // An indicator added: C_OPTION(0..2), DORA, the tiles on the table →
    // DRAG_KEY, USED_KEYS, OVER_FLAG, List2 and its selection, DORA, PAI_CODE,
    // PAI_CTL.
    Entry Frame6_DragDrop(int source);
    // Frame6_DragDrop for each of `tiles` in turn, as dropOnHand does.
    Entry dropOnDora(std::span<const Code> tiles, std::size_t& accepted);
    Entry DORA_DragDrop(int index, int source);
    // DORA → List2 and its selection, DORA, PAI_ARRAY, LOOP_I, PAI_CODE,
    // PAI_CTL.
    Entry DORA_Click(int index);
    // ENDPAI, the tiles on the table → DRAG_KEY, USED_KEYS, OVER_FLAG, Text1,
    // ENDPAI, PAI_CODE, PAI_CTL.
    Entry Frame7_DragDrop(int source);
    // ENDPAI → Text1, ENDPAI.
    Entry ENDPAI_Click();
    // List2 and its selection → List2, DORA: the indicators past the fourth go.
    void URADORA_KESU();
    // C_OPTION(0..2) → whether a riichi-type box is on.
    bool riichiTypeBoxOn() const;

    // ------------------------------------------------------------ whole hands
    // On a calculator as restart leaves it (no tile on the table): formMeld
    // for each meld with the dialogs answering its call, dropOnHand,
    // Frame7_DragDrop for a winning tile, clickC_OPTION for each box
    // clicked and dropOnDora, leaving what they leave, but written in one
    // pass and without asking the host. True when none of them refused or
    // ignored anything. False when one of them would: the calculator may
    // be left part-way, to be started again and the hand entered step by
    // step.
    bool enterWholeHand(const WholeHand& hand);

    // --------------------------------------------------------- situation boxes
    // A click on C_OPTION(i): toggles an enabled box and applies the
    // interlocks; a disabled box ignores the click.
    Entry clickC_OPTION(int index);
    // C_OPTION, NAKIk(2), KAN_KANk(0) → C_OPTION; URADORA_KESU where the
    // interlock says so.
    void C_OPTION_Click(int index);
    // → C_OPTION(0..3) off and disabled; URADORA_KESU.
    void RIICHI_KINSHI();
    // C_OPTION → the availability of C_OPTION(0..3), some values off.
    void applyAvailabilityRule();

    // ------------------------------------------------------------- house rules
    // RULE_* → the dialog shown → on "ＯＫ" CMD_Click.
    void SYSTEM_Click();
    // RULE_* → the dialog's selections.
    void form_OPTION_Load(form_OPTION& dialog) const;
    // The dialog's selections → RULE_*, caption.
    void CMD_Click(const form_OPTION& dialog);

    // ------------------------------------------------ help, home page, version
    static OPNING makeOPNING();
    // appPath → the help file opened.
    void HELP_Click();
    // homePage → the project's page opened.
    void HP_URL_Click();
    // homePage → the version dialog shown.
    void VER_Click();
    std::string helpFilePath() const;
    VER_info makeVER_info() const;
    // homePage → the address of credits row `index` opened.
    void VER_info_Label4_Click(int index);

private:
    // Member by member, so that nothing is left out; only the copy above,
    // which takes the pointers out, may use it.
    TENHO(const TENHO&) = default;

    bool splitByCounts();
    // Three concealed triplets: a triplet group counts unless it is an open
    // pon or open kan (concealedOnly, for the open-hand branch).
    bool isOpenCalledTriplet(std::size_t group) const;
    bool concealedTriplet(std::size_t group) const;
    void sananKakutei(bool concealedOnly);
    struct SuitDigits {
        int below = 0;  // characters below "0" (the empty text's among them)
        std::array<int, 3> suit{};
        int above = 0;  // above "2": honours
    };
    // What the suit and number tests read off the table, counted once: the
    // suit classes collecting the suits would put in List3 and whether a 1
    // or a 9 is among the first sixteen ranks.
    struct TileCensus {
        SuitDigits suits;
        bool simples = true;
    };
    TileCensus census() const;
    void tinitu(const SuitDigits& d);
    void tanyao(bool simples);
    void classifySuits(const SuitDigits& d, char other);
    void honitu(const SuitDigits& d);
    bool hasGroupOf(Code c) const;
    // RYANPEI once List3 holds the concealed tiles and the winning tile, as
    // KOKUSI leaves it.
    void twoIdenticalSequencesOnList3();
    // The pair flags of List3 in WORK_CODES: true when List3 holds seven
    // pairs of seven different tiles.
    bool sevenDifferentPairs();

    // The end of a tile-count check that refused the tile (OVER_FLAG = 1).
    Entry refuseWithBeep()
    {
        host().beep();
        return Entry::Refused;
    }
    Entry addToHand(Code c);
    Entry addIndicator(Code c);
    // How often each kind is on the table (hand, melds, winning tile,
    // indicators): what HAI_SHUUKEI counts, for every kind at once.
    std::array<std::uint8_t, kTileKinds> kindsOnTable() const;
    // List(0) made of `n` tiles, inHand[k] of kind k (the kinds set in
    // `kinds`, kTileKinds counts), and the hand redrawn (redrawHand).
    void writeHand(const std::uint8_t* inHand, std::uint64_t kinds, int n);
    void redrawHand();
    void redrawDora();
    void removeHandItem(int b);
    // T_HAI_Click and DORA_Click: the item of `list` under picture `index`
    // of `row` goes, `redraw` draws the row again and the picture of the
    // former last item is emptied.
    Entry removeClickedTile(std::span<Picture> row, TileList& list, int index,
                            void (TENHO::*redraw)());

    Host* host_;
    bool meldCheckEachPattern_ = false;  // the split search's second pass
};

}  // namespace tenho
