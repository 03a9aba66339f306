// SPDX-License-Identifier: GPL-3.0-or-later
// Yaku of the situation: how and when the hand was won.
#include "model/tenho.h"

namespace tenho {

void TENHO::TUMO()
{
    if (NAKI_FLAG == 0 && TUMO_END) reportYaku("面前清自摸和", "１翻", 1);
}

void TENHO::RITI()
{
    if (C_OPTION[0].value == 1) reportYaku("立直", "１翻", 1);
}

void TENHO::DABUL_RITI()
{
    if (C_OPTION[1].value == 1) reportYaku("ダブルリーチ", "２翻", 2);
}

void TENHO::ITUPATU()
{
    if (C_OPTION[2].value == 1) reportYaku("一発", "１翻", 1);
}

void TENHO::HAITEI()
{
    if (C_OPTION[4].value == 1) reportYaku("海底", "１翻", 1);
}

void TENHO::TENHO_TIIHO()
{
    // First-turn wins price themselves with literal texts (no "点" after the
    // dealer's amount in the split forms).
    const bool dealer = I_list == 0;
    HAN_number& h = HAN();
    if (TUMO_END && C_OPTION[3].value == 1) {
        if (dealer) {
            h.Label1 = "天和";
            h.Label4 = "16000オール";
            h.Label4FontSize = 18;
        } else {
            h.Label1 = "地和";
            h.Label4 = "16000（親）・8000点（子）";
            h.Label4FontSize = 13;
        }
        h.Label2 = "１３翻";
        h.Label3 = "１３翻";
    } else if (RON_END && C_OPTION[3].value == 1 && RULE_RENHOU == 1) {
        h.Label1 = "連和";
        if (dealer) {
            h.Label4 = "4000オール";
            h.Label4FontSize = 18;
        } else {
            h.Label4 = "4000（親）・2000点（子）";
            h.Label4FontSize = 13;
        }
        h.Label2 = "５翻";
        h.Label3 = "５翻";
    } else {
        return;
    }
    HANTEI = 1;
    showHAN_number();
}

}  // namespace tenho
