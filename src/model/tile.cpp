// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tile.h"

namespace tenho {

std::string tileName(Code c)
{
    static constexpr std::string_view kNumbers[] = {"一", "二", "三", "四", "五",
                                                    "六", "七", "八", "九"};
    static constexpr std::string_view kHonours[] = {"東", "南", "西", "北", "白", "發", "中"};
    if (isNumberTile(c) && c.rank() >= '1' && c.rank() <= '9') {
        std::string name(kNumbers[c.rank() - '1']);
        name += c.suit() == '0' ? "萬" : c.suit() == '1' ? "索" : "筒";
        return name;
    }
    if (isHonour(c) && c.rank() == '1') return std::string(kHonours[c.suit() - '3']);
    return c.str();
}

FixedText<40> fullWidthNumber(int n)
{
    static constexpr std::string_view kDigits[] = {"０", "１", "２", "３", "４",
                                                   "５", "６", "７", "８", "９"};
    const Decimal ascii(n);
    FixedText<40> out;
    for (char ch : std::string_view(ascii)) {
        if (ch >= '0' && ch <= '9')
            out += kDigits[ch - '0'];
        else
            out += ch;
    }
    return out;
}

int textValueSlow(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1000000)
        value = value * 10 + (text[i++] - '0');
    return static_cast<int>(negative ? -value : value);
}

}  // namespace tenho
