// SPDX-License-Identifier: GPL-3.0-or-later
// Suit composition: 清一色, 混一色, 字一色, 緑一色.
#include <array>
#include <string_view>

#include "model/tenho.h"

namespace tenho {

void TENHO::IRO_COPY()
{
    if (PAI_CTL_LIST == nullptr) return;
    for (int i = 0; i < PAI_CTL_LIST->count(); ++i)
        List3.add(Code::digit(PAI_CTL_LIST->item(i).suit()));
}

void TENHO::SUUJI_COPY()
{
    if (PAI_CTL_LIST == nullptr) return;
    for (int i = 0; i < PAI_CTL_LIST->count(); ++i)
        List3.add(Code::digit(PAI_CTL_LIST->item(i).rank()));
}

namespace {

bool isSuitDigit(char ch) { return ch == '0' || ch == '1' || ch == '2'; }

}  // namespace

// One suit digit per tile of the hand, melds and winning tile included.
void TENHO::collectSuits()
{
    List3.clear();
    for (std::size_t k : {1u, 2u, 3u, 4u, 0u}) {
        PAI_CTL_LIST = &List[k];
        IRO_COPY();
    }
    List3.add(Code::digit(Text1.suit()));
}

void TENHO::TINITU()
{
    collectSuits();
    WORK_CODE.clear();
    WORK_CODES.clear();
    for (int i = 0; i < List3.count(); ++i) {
        const char d = List3.item(i).suit();
        WORK_CODE = isSuitDigit(d) ? std::string(1, d) : std::string("A");
        WORK_CODES += WORK_CODE;
    }
    const auto only = [this](char d) {
        return WORK_CODES.find_first_not_of(d) == std::string::npos;
    };
    if (only('0') || only('1') || only('2')) {
        if (NAKI_FLAG == 0)
            reportYaku("清一色", "６翻", 6);
        else
            reportYaku("清一色", "５翻", 5);
    } else {
        HONITU();
    }
    List3.clear();
}

void TENHO::HONITU()
{
    collectSuits();
    for (char s : {'0', '1', '2'}) {
        WORK_CODES.clear();
        for (int i = 0; i < List3.count(); ++i) {
            const char d = List3.item(i).suit();
            WORK_CODE = std::string(1, isSuitDigit(d) ? d : s);
            WORK_CODES += WORK_CODE;
        }
        if (WORK_CODES.find_first_not_of(s) == std::string::npos) {
            if (NAKI_FLAG == 0)
                reportYaku("混一色", "３翻", 3);
            else
                reportYaku("混一色", "２翻", 2);
            break;
        }
    }
    List3.clear();
}

void TENHO::TU_I_SO()
{
    // Three codes of each group and two of the pair; an empty list reads ""
    // there, which is no honour.
    for (std::size_t k = 0; k < 5; ++k)
        for (int i = 0; i < (k < 4 ? 3 : 2); ++i)
            if (ListEND[k].item(i).suitValue() < 3) return;
    reportYakuman("字一色");
}

void TENHO::RYU_IISOU()
{
    // 發 is not required: the five green number tiles alone make it too.
    constexpr std::array<std::string_view, 6> kGreen = {"12", "13", "14", "16", "18", "81"};
    const auto green = [&](Code c) {
        for (std::string_view g : kGreen)
            if (c.view() == g) return true;
        return false;
    };
    for (std::size_t k = 0; k < 4; ++k)
        for (int i = 0; i < 3; ++i)
            if (!green(ListEND[k].item(i))) return;
    for (int i = 0; i < 2; ++i)
        if (!green(ListEND[4].item(i))) return;
    reportYakuman("緑一色");
}

}  // namespace tenho
