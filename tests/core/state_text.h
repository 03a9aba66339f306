// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of a calculator as text, one line a control or variable,
// so that a test can tell that something left it exactly as it was and a
// failure shows which line changed. Pointers are shown as addresses: the
// same calculator before and after must hold the same ones.
#pragma once

#include <sstream>
#include <string>

#include "model/tenho.h"

namespace tenho::testing {

inline std::string stateText(TENHO& t)
{
    std::ostringstream o;
    const auto picture = [&](const char* name, std::size_t i, const Picture& p) {
        o << name << '(' << i << ") " << p.image << (p.visible ? " shown" : " hidden") << '\n';
    };
    const auto list = [&](const char* name, std::size_t i, const TileList& l) {
        o << name << '(' << i << ") [";
        for (int j = 0; j < l.count(); ++j) o << (j ? " " : "") << l.item(j).view();
        o << "] index " << l.index << (l.sorted() ? " sorted" : "") << '\n';
    };
    o << "host " << static_cast<const void*>(&t.host()) << '\n';
    o << "caption " << t.caption << '\n';
    for (std::size_t i = 0; i < t.HAI.size(); ++i) picture("HAI", i, t.HAI[i]);
    for (std::size_t i = 0; i < t.T_HAI.size(); ++i) picture("T_HAI", i, t.T_HAI[i]);
    for (std::size_t i = 0; i < t.JUMP.size(); ++i) picture("JUMP", i, t.JUMP[i]);
    for (std::size_t k = 0; k < t.NAKI.size(); ++k)
        for (std::size_t i = 0; i < t.NAKI[k].size(); ++i)
            picture(("NAKI" + std::to_string(k)).c_str(), i, t.NAKI[k][i]);
    for (std::size_t k = 0; k < t.KAN_KAN.size(); ++k)
        for (std::size_t i = 0; i < t.KAN_KAN[k].size(); ++i)
            picture(("KAN_KAN" + std::to_string(k)).c_str(), i, t.KAN_KAN[k][i]);
    for (std::size_t i = 0; i < t.DORA.size(); ++i) picture("DORA", i, t.DORA[i]);
    picture("ENDPAI", 0, t.ENDPAI);
    for (std::size_t i = 0; i < t.List.size(); ++i) list("List", i, t.List[i]);
    list("List2", 0, t.List2);
    list("ListTEMP", 0, t.ListTEMP);
    list("ListTemp2", 0, t.ListTemp2);
    list("List3", 0, t.List3);
    for (std::size_t i = 0; i < t.ListEND.size(); ++i) list("ListEND", i, t.ListEND[i]);
    o << "Text1 " << t.Text1.view() << '\n';
    o << "TUMO_END " << t.TUMO_END << " RON_END " << t.RON_END << '\n';
    o << "B_list " << t.B_list << " I_list " << t.I_list << '\n';
    for (std::size_t i = 0; i < t.C_OPTION.size(); ++i)
        o << "C_OPTION(" << i << ") " << t.C_OPTION[i].value << " enabled " << t.C_OPTION[i].enabled
          << '\n';
    if (t.hanNumber) {
        const HAN_number& h = *t.hanNumber;
        o << "HAN_number [" << h.Label1 << "] [" << h.Label2 << "] [" << h.Label3 << "] ["
          << h.Label4 << "] [" << h.Label5 << "] " << h.Label4FontSize << ' ' << h.Label5Visible
          << '\n';
    } else {
        o << "HAN_number none\n";
    }
    o << "RULE " << t.RULE_KUITAN << ' ' << t.RULE_ATODUKE << ' ' << t.RULE_RENHOU << '\n';
    o << "MENTSU_NO " << t.MENTSU_NO << " COPY_NO " << t.COPY_NO << " MENTSU_SLOT " << t.MENTSU_SLOT
      << " JANTOU_POS " << t.JANTOU_POS << '\n';
    o << "PAI_CODE " << t.PAI_CODE.view() << '\n';
    o << "PAI_CTL " << static_cast<const void*>(t.PAI_CTL) << '\n';
    o << "PAI_CTL_LIST " << static_cast<const void*>(t.PAI_CTL_LIST) << '\n';
    o << "PAI_ARRAY " << static_cast<const void*>(t.PAI_ARRAY.data()) << ' ' << t.PAI_ARRAY.size()
      << '\n';
    o << "WORK_CODE " << t.WORK_CODE << " WORK_CODES " << t.WORK_CODES << '\n';
    o << "BUNKAI_NG " << static_cast<int>(t.BUNKAI_NG) << " HANTEI " << t.HANTEI << '\n';
    o << "DRAG_SUIT " << static_cast<int>(t.DRAG_SUIT) << " DRAG_RANK "
      << static_cast<int>(t.DRAG_RANK) << '\n';
    o << "NAKI_PAI " << t.NAKI_PAI.view() << " NAKI_NO " << t.NAKI_NO << '\n';
    o << "MENTSU_KEYS " << t.MENTSU_KEYS << " MENTSU_KEY " << t.MENTSU_KEY << '\n';
    o << "DRAG_KEY " << t.DRAG_KEY << " OVER_FLAG " << t.OVER_FLAG << '\n';
    o << "USED_KEYS " << t.USED_KEYS << '\n';
    o << "DORA_WORK " << t.DORA_WORK.view() << " DORA_COUNT " << t.DORA_COUNT << '\n';
    o << "NAKI_FLAG " << t.NAKI_FLAG << " HAI_INDEX " << t.HAI_INDEX << '\n';
    o << "LOOP_I " << t.LOOP_I << " LOOP_J " << t.LOOP_J << " FU_SUU " << t.FU_SUU << '\n';
    o << "NAKI_SENTAKU " << t.NAKI_SENTAKU << " ANKAN_FLAG " << t.ANKAN_FLAG << '\n';
    o << "appPath " << t.appPath << " homePage " << t.homePage << '\n';
    return o.str();
}

}  // namespace tenho::testing
