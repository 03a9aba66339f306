// SPDX-License-Identifier: GPL-3.0-or-later
// The house-rule dialog: its start selections and its confirmation.
#include <array>
#include <string>

#include "model/tenho.h"

namespace tenho {

void TENHO::SYSTEM_Click()
{
    form_OPTION dialog;
    form_OPTION_Load(dialog);
    if (host().showFormOption(dialog)) CMD_Click(dialog);
    // Closed through the frame: flags and caption stay as they were.
}

void TENHO::form_OPTION_Load(form_OPTION& dialog) const
{
    dialog.Option1 = RULE_KUITAN != 0 ? 0 : 1;
    dialog.Option2 = RULE_ATODUKE != 0 ? 0 : 1;
    dialog.Option3 = RULE_RENHOU != 0 ? 0 : 1;
}

void TENHO::CMD_Click(const form_OPTION& dialog)
{
    RULE_KUITAN = dialog.Option1 == 1 ? 0 : 1;
    RULE_ATODUKE = dialog.Option2 == 1 ? 0 : 1;
    RULE_RENHOU = dialog.Option3 == 1 ? 0 : 1;
    // The eight captions, by the three flags.
    static const auto kCaptions = [] {
        std::array<std::string, 8> captions;
        for (int n = 0; n < 8; ++n) {
            const bool kuitan = (n & 1) != 0, atoduke = (n & 2) != 0, renhou = (n & 4) != 0;
            std::string& c = captions[static_cast<std::size_t>(n)];
            c = " ";
            c += kTitle;
            c += atoduke ? "　   [　あとづけ（○）" : " 　  [　あとづけ（×）";
            c += kuitan ? "　食いタン（○）" : "　食いタン（×）";
            c += renhou ? "　連和（○） ]" : "　連和（×） ]";
        }
        return captions;
    }();
    caption = kCaptions[static_cast<std::size_t>(RULE_KUITAN + 2 * RULE_ATODUKE + 4 * RULE_RENHOU)];
}

}  // namespace tenho
