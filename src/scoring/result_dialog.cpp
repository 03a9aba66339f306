// SPDX-License-Identifier: GPL-3.0-or-later
// The result dialog's buttons and the reset of the whole calculator.
#include "model/tenho.h"

namespace tenho {

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
