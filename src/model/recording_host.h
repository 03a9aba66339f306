// SPDX-License-Identifier: GPL-3.0-or-later
// A host that shows nothing and remembers what the calculator would have
// shown: the first message box and the first result dialog. A trial of the
// calculator runs on it (the yakuman detectors show the result dialog
// themselves, so a trial must not reach a real window), and tenho-score
// records its answers through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/dialogs.h"
#include "model/host.h"

namespace tenho {

class RecordingHost : public Host {
public:
    // Forgets everything recorded.
    void clear();

    void messageBox(std::string_view text) override;
    HanNumberButton showHanNumber(const HAN_number& dialog) override;
    // Nobody is there to choose: the call dialogs are cancelled and the rule
    // dialog is closed through its frame, which changes nothing.
    NakiCheckButton showNakiCheck(bool) override { return NakiCheckButton::Cancel; }
    KanCheckButton showKanCheck() override { return KanCheckButton::Cancel; }
    bool showFormOption(form_OPTION&) override { return false; }
    void showVerInfo(const VER_info&) override {}
    void beep() override { ++beeps; }
    void shellOpen(std::string_view, std::string_view, bool) override {}

    // How the result dialog is closed: "やり直す", which keeps the hand.
    HanNumberButton hanNumberAnswer = HanNumberButton::Command1;
    int beeps = 0;
    int messagesShown = 0;
    int dialogsShown = 0;
    std::optional<std::string> message;  // the first message box
    std::optional<HAN_number> shown;     // the first result dialog
};

}  // namespace tenho
