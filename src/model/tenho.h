// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TENHO as a model: every container, control and window-level
// variable the calculator works on, and every routine and event handler of the
// window. There is no model apart from the window: hidden sorted lists hold the
// tiles, and which pictures are shown tells which melds exist and which of them
// are closed kans. The Qt window draws this state and forwards its events here.
//
// Routines take no arguments and return nothing; they pass arguments and
// verdicts through the variables below, as the calculator always has. Event
// handlers of the entry controls return what became of the entry, so that
// tenho-score can tell a refused or ignored tile from an accepted one.
#pragma once

#include <array>
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

inline constexpr std::string_view kTitle = "天和 麻雀点数計算";

class TENHO {
    template <std::size_t N, typename T> static constexpr std::array<T, N> filled(const T& value)
    {
        std::array<T, N> a;
        a.fill(value);
        return a;
    }

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
    std::array<Picture, 12> JUMP = filled<12>(Picture{image::kPlaceholder, false});
    // Meld frames 1..4 (index 0 unused, so NAKI[1][2] is NAKI1(2)). Picture 0
    // is the rightmost; KAN_KAN[k][0] lies over NAKI[k][3], [1] over NAKI[k][0].
    std::array<std::array<Picture, 4>, 5> NAKI;
    std::array<std::array<Picture, 2>, 5> KAN_KAN =
        filled<5>(filled<2>(Picture{image::kFaceDown, false}));
    std::array<Picture, 8> DORA;
    Picture ENDPAI;

    // List(0) concealed tiles, List(1)..List(4) melds 1..4; all sorted.
    std::array<TileList, 5> List = filled<5>(TileList(true));
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

    // Result dialog: created by the first write to a label, destroyed by
    // either of its buttons.
    std::optional<HAN_number> hanNumber;
    HAN_number& HAN()
    {
        if (!hanNumber) hanNumber.emplace();
        return *hanNumber;
    }

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
    const TileList* PAI_CTL_LIST = nullptr;  // the list handed to IRO_COPY/SUUJI_COPY
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

    // The application's own folder (for the help file).
    std::string appPath;
    // The project's page, where it is not the address built in (the copy in
    // the build tree, for a program run from there).
    std::string homePage;

    // ----------------------------------------------------------- tile pictures
    void HAI_GAZOU()
    {
        const int n = paletteIndex(PAI_CODE);
        if (n < 0 || PAI_CTL == nullptr) return;
        PAI_CTL->image = HAI[static_cast<std::size_t>(n)].image;
        PAI_CTL->visible = true;
    }
    // Number of meld frames in use (highest k whose NAKIk(2) is shown).
    int meldCount() const;
    bool meldPresent(int k) const { return NAKI[static_cast<std::size_t>(k)][2].visible; }
    bool meldIsClosedKan(int k) const { return KAN_KAN[static_cast<std::size_t>(k)][0].visible; }

    // ---------------------------------------- calculation driver and reporting
    void cmdKEISAN_Click();
    void NAKI_HANTEI();
    // Reporting conventions.
    void reportYaku(std::string_view name, std::string_view hanText, int han);
    void reportYakuman(std::string_view name);
    void showHAN_number();

    // ------------------------------------------------------------ split search
    void TENPAI();
    // TENPAI's search step by step on the lists (JANTOU_TRY, the extractors,
    // NAKI_KENSA). TENPAI runs it for states its search on tile counts does
    // not take; it is public so that the two can be compared.
    void splitByLists();
    void JANTOU_TRY();
    void TEHAI_SET();
    void NAKI_COPY();
    void SHUNTSU_GET();
    void KOUTSU_GET();
    void BUNKAI_RESET();
    void NAKI_KENSA();
    void NAKI_SHOUGOU();

    // ------------------------------- seven pairs, thirteen orphans, nine gates
    void KOKUSI();
    void TITOITU();
    void TYUREN();

    // ------------------------------------------------------- triplets and kans
    void SU_KAN();
    void SU_ANKO();
    void TOITOI();
    void SAN_KAN();
    void SANAN();
    void SANAN_KAKUTEI();

    // --------------------------------------------------------------- sequences
    void SAN_JUN();
    void ITUU();
    void IIPEI();
    void RYANPEI();

    // --------------------------------------------------- terminals and honours
    void TINROU();
    void HONROU();
    void JUN_CHAN();
    void TIYANTA();
    void TANYAO();

    // ------------------------------------------------------------------- suits
    void TINITU();
    void HONITU();
    void TU_I_SO();
    void RYU_IISOU();
    void IRO_COPY();
    void SUUJI_COPY();

    // ------------------------------------------------------- winds and dragons
    void HU_PON();
    void SANGEN();
    void SYOSANGEN();
    void DAISANGEN();
    void DAISU_SI();
    void SYOSU_SI();
    void SYOSU_SI_KAKUTEI();

    // --------------------------------------------------- three colour triplets
    void SAN_KOKU();

    // ---------------------------------------------------------- situation yaku
    void TUMO();
    void RITI();
    void DABUL_RITI();
    void ITUPATU();
    void HAITEI();
    void TENHO_TIIHO();

    // ------------------------------------------------------------------- pinfu
    void PINHU();
    void PINHU_KAKUTEI();

    // -------------------------------------------------------------------- dora
    void DORA_NUMBER();
    void DORADORA();
    void DORADORA2();

    // ---------------------------------------------------------------------- fu
    void FU_KEISAN();

    // -------------------------------------------------- han total and payments
    void TENSUU();
    void HAN_KEISAN();
    void FU_TENSUU();
    void TENSUU2();
    void YAKUMAN_TENSUU();
    void FU30_TENSUU();

    // ------------------------------------------------- result dialog and reset
    void Command1_Click();  // "やり直す"
    void Command2_Click();  // "OK"
    void ALL_RESET();

    // ------------------------------------------------------------- main window
    void Form_Load();  // rule defaults and caption (the splash is the window's)
    void cmdRESET_Click();
    void selectTUMO_END();
    void selectRON_END();

    // ---------------------------------------------- palette and concealed hand
    // `source` is the palette index of the dragged picture.
    Entry HAI_DragDrop(int index, int source);
    Entry Frame1_DragDrop(int source);
    // Frame1_DragDrop for each of `tiles` in turn, up to the first one that
    // is not accepted: what that one returns (Accepted when all are), with
    // how many were accepted. The state is the one those drops leave, made
    // in one pass: tenho-score enters a whole hand at once.
    Entry dropOnHand(std::span<const Code> tiles, std::size_t& accepted);
    Entry Frame8_DragDrop(int source);
    Entry T_HAI_DragDrop(int index, int source);
    Entry T_HAI_Click(int index);
    Entry TEHAI_TSUIKA();
    void HAI_KESU();
    void HAI_OVER();
    void HAI_OVER2();
    void HAI_OVER3();
    void HAI_OVER4();
    void HAI_SHUUKEI();
    void YONMAI_KENSA();

    // ------------------------------------------------------------------- melds
    // FrameN_DragDrop for meld k = N - 1.
    Entry Frame2_DragDrop(int source) { return formMeld(1, source); }
    Entry Frame3_DragDrop(int source) { return formMeld(2, source); }
    Entry Frame4_DragDrop(int source) { return formMeld(3, source); }
    Entry Frame5_DragDrop(int source) { return formMeld(4, source); }
    Entry formMeld(int k, int source);
    // A click on any picture of meld k (NAKIk or KAN_KANk).
    Entry NAKI_Click(int k);
    void NAKI_TORIKESHI(int k);  // NAKI1_TORIKESHI .. NAKI4_TORIKESHI
    void cmd_NAKI_Click(int index);
    void cmd_KAN_Click(int index);

    // ---------------------------------------- dora indicators and winning tile
    Entry Frame6_DragDrop(int source);
    // Frame6_DragDrop for each of `tiles` in turn, as dropOnHand does.
    Entry dropOnDora(std::span<const Code> tiles, std::size_t& accepted);
    Entry DORA_DragDrop(int index, int source);
    Entry DORA_Click(int index);
    Entry Frame7_DragDrop(int source);
    Entry ENDPAI_Click();
    void URADORA_KESU();
    bool riichiTypeBoxOn() const;

    // --------------------------------------------------------- situation boxes
    // A click on C_OPTION(i): toggles an enabled box and applies the
    // interlocks; a disabled box ignores the click.
    Entry clickC_OPTION(int index);
    void C_OPTION_Click(int index);
    void RIICHI_KINSHI();
    void applyAvailabilityRule();

    // ------------------------------------------------------------- house rules
    void SYSTEM_Click();
    void form_OPTION_Load(form_OPTION& dialog) const;
    void CMD_Click(const form_OPTION& dialog);

    // ------------------------------------------------ help, home page, version
    static OPNING makeOPNING();
    void HELP_Click();
    void HP_URL_Click();
    void VER_Click();
    std::string helpFilePath() const;
    VER_info makeVER_info() const;
    void VER_info_Label4_Click(int index);

private:
    // Member by member, so that nothing is left out; only the copy above,
    // which takes the pointers out, may use it.
    TENHO(const TENHO&) = default;

    bool splitByCounts();
    // Three concealed triplets: a triplet group counts unless it is an open
    // pon or open kan (concealedOnly, for the open-hand branch).
    bool isOpenCalledTriplet(int group) const;
    bool concealedTriplet(int group) const;
    void sananKakutei(bool concealedOnly);
    struct SuitDigits {
        int below = 0;  // characters below "0" (the empty text's among them)
        std::array<int, 3> suit{};
        int above = 0;  // above "2": honours
    };
    SuitDigits collectSuits();
    void classifySuits(const SuitDigits& d, char other);
    void honitu(const SuitDigits& d);
    bool hasGroupOf(Code c) const;
    // The pair flags of List3 in WORK_CODES: true when List3 holds seven
    // pairs of seven different tiles.
    bool sevenDifferentPairs();

    Entry addToHand(Code c);
    Entry addIndicator(Code c);
    // How often each kind is on the table (hand, melds, winning tile,
    // indicators): what HAI_SHUUKEI counts, for every kind at once.
    std::array<std::uint8_t, kTileKinds> kindsOnTable() const;
    void redrawHand();
    void redrawDora();
    void removeHandItem(int b);

    Host* host_;
    bool meldCheckEachPattern_ = false;  // the split search's second pass
};

}  // namespace tenho
