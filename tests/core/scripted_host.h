// SPDX-License-Identifier: GPL-3.0-or-later
// A host that answers the calculator's dialogs from a script and records
// everything the calculator showed.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/dialogs.h"
#include "model/host.h"

namespace tenho::testing {

class ScriptedHost : public Host {
public:
    void messageBox(std::string_view text) override { messages.emplace_back(text); }

    HanNumberButton showHanNumber(const HAN_number& dialog) override
    {
        shownDialogs.push_back(dialog);
        if (hanButtons.empty()) return HanNumberButton::Command1;
        const auto b = hanButtons.front();
        hanButtons.pop_front();
        return b;
    }

    NakiCheckButton showNakiCheck(bool chiVisible) override
    {
        nakiChiVisible.push_back(chiVisible);
        if (nakiAnswers.empty()) return NakiCheckButton::Closed;
        const NakiCheckButton a = nakiAnswers.front();
        nakiAnswers.pop_front();
        return a;
    }

    KanCheckButton showKanCheck() override
    {
        ++kanShown;
        if (kanAnswers.empty()) return KanCheckButton::Closed;
        const KanCheckButton a = kanAnswers.front();
        kanAnswers.pop_front();
        return a;
    }

    bool showFormOption(form_OPTION& dialog) override
    {
        formOptionSeen.push_back(dialog);
        if (formOptionAnswer) dialog = *formOptionAnswer;
        return formOptionConfirm;
    }

    // Clicks the home-page labels listed in verLabel4Clicks while the dialog is up.
    void showVerInfo(const VER_info& dialog) override
    {
        verShown.push_back(dialog);
        if (dialog.Label4_Click)
            for (int i : verLabel4Clicks) dialog.Label4_Click(i);
    }
    void beep() override { ++beeps; }
    void shellOpen(std::string_view target, std::string_view folder, bool desktop) override
    {
        opened.push_back({std::string(target), std::string(folder), desktop});
    }

    const HAN_number& lastDialog() const { return shownDialogs.back(); }

    struct Opened {
        std::string target;
        std::string folder;
        bool desktopOwner;
    };

    std::vector<std::string> messages;
    std::vector<HAN_number> shownDialogs;
    std::deque<HanNumberButton> hanButtons;
    std::deque<NakiCheckButton> nakiAnswers;
    std::deque<KanCheckButton> kanAnswers;
    std::vector<bool> nakiChiVisible;
    int kanShown = 0;
    std::optional<form_OPTION> formOptionAnswer;
    bool formOptionConfirm = true;
    std::vector<form_OPTION> formOptionSeen;
    std::vector<VER_info> verShown;
    std::vector<int> verLabel4Clicks;
    int beeps = 0;
    std::vector<Opened> opened;
};

}  // namespace tenho::testing
