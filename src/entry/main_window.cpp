// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up state, the reset button and the win-kind option buttons.
#include "model/tenho.h"

namespace tenho {

void TENHO::Form_Load()
{
    RULE_KUITAN = 0;
    RULE_ATODUKE = 1;
    RULE_RENHOU = 0;
    caption = " ";
    caption += kTitle;
    caption += "　　 [  あとづけ";
    caption += "（○）";
    caption += "　食いタン";
    caption += "（×）";
    caption += "　連和";
    caption += "（×） ]";
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
