// SPDX-License-Identifier: GPL-3.0-or-later
// The house-rule dialog: its start selections and its confirmation.
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
    std::string k;
    if (dialog.Option1 == 1) {
        RULE_KUITAN = 0;
        k = "　食いタン（×）";
    } else {
        RULE_KUITAN = 1;
        k = "　食いタン（○）";
    }
    std::string a;
    if (dialog.Option2 == 1) {
        RULE_ATODUKE = 0;
        a = " 　  [　あとづけ（×）";
    } else {
        RULE_ATODUKE = 1;
        a = "　   [　あとづけ（○）";
    }
    std::string r;
    if (dialog.Option3 == 1) {
        RULE_RENHOU = 0;
        r = "　連和（×） ]";
    } else {
        RULE_RENHOU = 1;
        r = "　連和（○） ]";
    }
    caption = " ";
    caption += kTitle;
    caption += a;
    caption += k;
    caption += r;
}

}  // namespace tenho
