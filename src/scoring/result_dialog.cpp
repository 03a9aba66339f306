// SPDX-License-Identifier: GPL-3.0-or-later
// The result dialog's buttons, its text for the clipboard and the reset of the
// whole calculator.
#include "model/tenho.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tenho {

namespace {

// The lines of a label, without their CR LF ends.
std::vector<std::string_view> labelLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::string resultText(const HAN_number& dialog)
{
    constexpr std::string_view kSpace = "　";  // between the columns, as Japanese text has it
    std::string out;
    const auto names = labelLines(dialog.Label1);
    const auto han = labelLines(dialog.Label2);
    for (std::size_t i = 0; i < std::max(names.size(), han.size()); ++i) {
        std::string line(i < names.size() ? names[i] : std::string_view());
        if (i < han.size() && !han[i].empty()) {
            if (!line.empty()) line += kSpace;
            line += han[i];
        }
        if (!line.empty()) out += line + '\n';
    }
    std::string total(dialog.Label3.view());
    if (dialog.Label5Visible && !dialog.Label5.empty()) {
        if (!total.empty()) total += kSpace;
        total += dialog.Label5.view();
    }
    if (!total.empty()) out += total + '\n';
    if (!dialog.Label4.empty()) {
        out += dialog.Label4.view();
        out += '\n';
    }
    return out;
}

void TENHO::Command1_Click() { hanNumber.reset(); }

void TENHO::Command2_Click()
{
    ALL_RESET();
    hanNumber.reset();
}

void TENHO::ALL_RESET()
{
    B_list = -1;
    I_list = -1;
    for (LOOP_J = 0; LOOP_J <= 4; ++LOOP_J) {
        CheckBox& box = C_OPTION[static_cast<std::size_t>(LOOP_J)];
        box.value = 0;
        box.enabled = LOOP_J != 2;
    }
    TUMO_END = false;
    RON_END = true;

    for (auto& list : ListEND) list.clear();
    ListTEMP.clear();
    ListTemp2.clear();
    for (auto& list : List) list.clear();
    List2.clear();
    List3.clear();
    Text1 = Code();

    for (auto& p : T_HAI) p.clear();
    for (std::size_t k = 1; k <= 4; ++k)
        for (auto& p : NAKI[k]) p.clear();
    for (auto& p : DORA) p.clear();
    ENDPAI.clear();
    for (std::size_t k = 1; k <= 4; ++k)
        for (auto& p : KAN_KAN[k]) p.visible = false;
    for (auto& p : JUMP) p.visible = false;
}

}  // namespace tenho
