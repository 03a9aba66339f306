// SPDX-License-Identifier: GPL-3.0-or-later
// Everything modal or outside the window goes through the host: the real
// dialogs in the window program, a headless answerer in tenho-score, a
// scripted one in the tests.
#pragma once

#include <string>
#include <string_view>

namespace tenho {

struct HAN_number;
struct form_OPTION;
struct VER_info;

// How the result dialog was closed.
enum class HanNumberButton {
    Command1,  // "やり直す": keep the hand
    Command2,  // "OK": reset the calculator
    Closed,    // closed through the window frame: like "やり直す", nothing is reset
};

// How NAKI_check "鳴きの種類" was closed: the button of cmd_NAKI pressed
// (its index in the control array), or the window frame.
enum class NakiCheckButton {
    Chi = 0,      // "チー", shown only where a sequence can start at the tile
    Pon = 1,      // "ポン"
    Kan = 2,      // "カン": KAN_check follows
    Cancel = 3,   // "Cancel"
    Closed = -1,  // closed through the window frame: a cancel
};

// How KAN_check "カンの種類" was closed: the button of cmd_KAN pressed, or
// the window frame.
enum class KanCheckButton {
    Ankan = 0,    // "アンカン": a closed kan
    Minkan = 1,   // "ミンカン": an open kan
    Cancel = 2,   // "Cancel"
    Closed = -1,  // closed through the window frame: a cancel
};

class Host {
public:
    virtual ~Host() = default;

    // Message box with an OK button and an empty title.
    virtual void messageBox(std::string_view text) = 0;

    // Shows the result dialog modally; returns the button that closed it.
    virtual HanNumberButton showHanNumber(const HAN_number& dialog) = 0;

    // NAKI_check "鳴きの種類", modal; "チー" is offered only when chiVisible.
    virtual NakiCheckButton showNakiCheck(bool chiVisible) = 0;

    // KAN_check "カンの種類", modal.
    virtual KanCheckButton showKanCheck() = 0;

    // form_OPTION "オプション設定", modal. The host lets the user change the
    // selections in `dialog`; returns true when "ＯＫ" was pressed, false when
    // the dialog was closed through its frame.
    virtual bool showFormOption(form_OPTION& dialog) = 0;

    // VER_info "バージョン情報", modal.
    virtual void showVerInfo(const VER_info& dialog) = 0;

    // The system alert sound: the only signal of a refused entry.
    virtual void beep() = 0;

    // The desktop's "open" action on a file or an address; the result is not
    // examined. ownerIsDesktop: web addresses are opened with the desktop as
    // owner, the help file with the main window.
    virtual void shellOpen(std::string_view target, std::string_view workingFolder,
                           bool ownerIsDesktop) = 0;
};

}  // namespace tenho
