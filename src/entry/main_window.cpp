// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up state, the reset button and the win-kind option buttons.
#include <string>

#include "model/tenho.h"

namespace tenho {

void TENHO::Form_Load()
{
    RULE_KUITAN = 0;
    RULE_ATODUKE = 1;
    RULE_RENHOU = 0;
    static const std::string kCaption = [] {
        std::string c = " ";
        c += kTitle;
        c += "　　 [  あとづけ";
        c += "（○）";
        c += "　食いタン";
        c += "（×）";
        c += "　連和";
        c += "（×） ]";
        return c;
    }();
    caption = kCaption;
}

void TENHO::cmdRESET_Click() { ALL_RESET(); }

void TENHO::selectTUMO_END()
{
    TUMO_END = true;
    RON_END = false;
}

void TENHO::selectRON_END()
{
    RON_END = true;
    TUMO_END = false;
}

}  // namespace tenho
