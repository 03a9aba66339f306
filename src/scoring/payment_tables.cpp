// SPDX-License-Identifier: GPL-3.0-or-later
// Han total, fu total and the payment texts. No point arithmetic happens at
// run time: every payment is one cell of a fixed table, and a combination
// without a cell writes nothing.
#include <array>
#include <string_view>

#include "model/tenho.h"

namespace tenho {

namespace {

constexpr double kSplitPointSize = 13;
constexpr double kSinglePointSize = 18;

// Han bands from 5 han up: dealer discard, dealer self-draw (each pays),
// non-dealer discard, non-dealer self-draw (dealer's share, other's share).
struct Band {
    int minHan;
    int maxHan;
    int dealerRon;
    int dealerTsumo;
    int ron;
    int tsumoDealerShare;
    int tsumoOtherShare;
};
constexpr std::array<Band, 5> kBands = {{
    {5, 5, 12000, 4000, 8000, 4000, 2000},
    {6, 7, 18000, 6000, 12000, 6000, 3000},
    {8, 10, 24000, 8000, 16000, 8000, 4000},
    {11, 12, 36000, 12000, 24000, 12000, 6000},
    {13, 32767, 48000, 16000, 32000, 16000, 8000},
}};

// Fu rows 20, 30, .., 120; columns 1..4 han; 0 = no cell.
constexpr int kFuRows = 11;
using FuTable = std::array<std::array<int, 4>, kFuRows>;

constexpr FuTable kNonDealerRon = {{
    {0, 0, 0, 0},
    {1000, 2000, 3900, 7700},
    {1300, 2600, 5200, 8000},
    {1600, 3200, 6400, 8000},
    {2000, 3900, 7700, 8000},
    {2300, 4500, 8000, 8000},
    {2600, 5200, 8000, 8000},
    {2900, 5800, 8000, 8000},
    {3200, 6400, 8000, 8000},
    {3600, 7100, 8000, 8000},
    {3900, 7700, 8000, 8000},
}};

constexpr FuTable kDealerRon = {{
    {0, 0, 0, 0},
    {1500, 2900, 5800, 11600},
    {2000, 3900, 7700, 12000},
    {2400, 4800, 9600, 12000},
    {2900, 5800, 11600, 12000},
    {3400, 6800, 12000, 12000},
    {3900, 7700, 12000, 12000},
    {4400, 8700, 12000, 12000},
    {4800, 9600, 12000, 12000},
    {5300, 10600, 12000, 12000},
    {5800, 11600, 12000, 12000},
}};

// What the dealer pays on a self-draw: each player's payment to a winning
// dealer, and the dealer's share of a non-dealer's self-draw.
constexpr FuTable kSelfDrawDealerPays = {{
    {0, 700, 1300, 2600},
    {500, 1000, 2000, 3900},
    {700, 1300, 2600, 4000},
    {800, 1600, 3200, 4000},
    {1000, 2000, 3900, 4000},
    {1200, 2300, 4000, 4000},
    {1300, 2600, 4000, 4000},
    {1500, 2900, 4000, 4000},
    {1600, 3200, 4000, 4000},
    {1800, 3600, 4000, 4000},
    {2000, 3900, 4000, 4000},
}};

// What each other player pays on a non-dealer's self-draw.
constexpr FuTable kNonDealerTsumoOtherShare = {{
    {0, 400, 700, 1300},
    {300, 500, 1000, 2000},
    {400, 700, 1300, 2000},
    {400, 800, 1600, 2000},
    {500, 1000, 2000, 2000},
    {600, 1200, 2000, 2000},
    {700, 1300, 2000, 2000},
    {800, 1500, 2000, 2000},
    {800, 1600, 2000, 2000},
    {900, 1800, 2000, 2000},
    {1000, 2000, 2000, 2000},
}};

using Payment = FixedText<64>;

// The decimal digits of an amount, as Decimal writes them. Every amount of
// the tables is whole hundreds below 100,000: at most three digits, then
// "00", without dividing digit by digit.
void appendAmount(Payment& text, int amount)
{
    if (amount < 100 || amount >= 100000 || amount % 100 != 0) {
        text += Decimal(amount);
        return;
    }
    const int hundreds = amount / 100;
    char digits[5];
    std::size_t n = 0;
    if (hundreds >= 100) digits[n++] = static_cast<char>('0' + hundreds / 100);
    if (hundreds >= 10) digits[n++] = static_cast<char>('0' + hundreds / 10 % 10);
    digits[n++] = static_cast<char>('0' + hundreds % 10);
    digits[n++] = '0';
    digits[n++] = '0';
    text += std::string_view(digits, n);
}

Payment single(int amount)
{
    Payment text;
    appendAmount(text, amount);
    text += "点";
    return text;
}
Payment allPay(int amount)
{
    Payment text;
    appendAmount(text, amount);
    text += "オール";
    return text;
}
Payment split(int dealerShare, int otherShare)
{
    Payment text;
    appendAmount(text, dealerShare);
    text += "点（親）・";
    appendAmount(text, otherShare);
    text += "点（子）";
    return text;
}

}  // namespace

void TENHO::TENSUU()
{
    HAN_number& h = HAN();
    h.Label5Visible = false;
    const int han = textValue(h.Label3);
    const bool dealer = I_list == 0;
    const Band* band = nullptr;
    for (const Band& b : kBands)
        if (han >= b.minHan && han <= b.maxHan) band = &b;
    if (band == nullptr) {
        HAN_KEISAN();
    } else if (dealer) {
        h.Label4 = TUMO_END ? allPay(band->dealerTsumo) : single(band->dealerRon);
    } else {
        h.Label4 =
            TUMO_END ? split(band->tsumoDealerShare, band->tsumoOtherShare) : single(band->ron);
    }
    h.Label4FontSize = (!dealer && TUMO_END) ? kSplitPointSize : kSinglePointSize;
}

void TENHO::HAN_KEISAN()
{
    HAN_number& h = HAN();
    FU_SUU = 0;
    if (h.Label1.find("平和") != std::string_view::npos) {
        FU_SUU = TUMO_END ? 20 : 30;
    } else {
        FU_SUU = (NAKI_FLAG == 0 && RON_END) ? 30 : 20;
        FU_KEISAN();
    }
    if (FU_SUU >= 21 && FU_SUU <= 120) FU_SUU = static_cast<Integer>((FU_SUU + 9) / 10 * 10);
    // An open hand without fu is priced at 30 fu: no table has a cell for
    // 20 fu won by discard, or for 20 fu with 1 han.
    if (NAKI_FLAG == 1 && FU_SUU == 20) FU_SUU = 30;
    h.Label5 = Decimal(FU_SUU);
    h.Label5 += "符";
    h.Label5Visible = true;
    FU_TENSUU();
}

void TENHO::FU_TENSUU()
{
    HAN_number& h = HAN();
    const int han = textValue(h.Label3);
    if (han < 1 || han > 4) return;
    const bool dealer = I_list == 0;
    const auto col = static_cast<std::size_t>(han - 1);

    // Mangan from 70 fu with 3 han and from 40 fu with 4 han, whatever the fu.
    if ((han == 3 && FU_SUU >= 70) || (han == 4 && FU_SUU >= 40)) {
        if (dealer)
            h.Label4 = TUMO_END ? allPay(4000) : single(12000);
        else
            h.Label4 = TUMO_END ? split(4000, 2000) : single(8000);
        return;
    }
    if (FU_SUU < 20 || FU_SUU > 120 || FU_SUU % 10 != 0) return;
    const auto row = static_cast<std::size_t>(FU_SUU / 10 - 2);

    int amount = 0;
    if (dealer)
        amount = TUMO_END ? kSelfDrawDealerPays[row][col] : kDealerRon[row][col];
    else
        amount = TUMO_END ? kSelfDrawDealerPays[row][col] : kNonDealerRon[row][col];
    if (amount == 0) return;
    if (dealer)
        h.Label4 = TUMO_END ? allPay(amount) : single(amount);
    else
        h.Label4 = TUMO_END ? split(amount, kNonDealerTsumoOtherShare[row][col]) : single(amount);
}

void TENHO::TENSUU2()
{
    // Seven pairs below 5 han, always 25 fu. These texts are shown exactly
    // as they have always been, "ALL" and the doubled "点" included.
    struct Row {
        const char* nonDealerRon;
        const char* dealerRon;
        const char* nonDealerTsumo;
        const char* dealerTsumo;
    };
    static constexpr Row kRows[] = {
        {"1600点", "2400点", nullptr, nullptr},
        {"3200点", "4800点", "1600点（親）・800点（子）", "1600ALL"},
        {"6400点", "9600点", "3200点（親）・1600点（子）点", "3200ALL"},
    };
    HAN_number& h = HAN();
    const int han = textValue(h.Label3);
    const bool dealer = I_list == 0;
    if (han >= 2 && han <= 4) {
        const Row& r = kRows[han - 2];
        const char* text = dealer ? (TUMO_END ? r.dealerTsumo : r.dealerRon)
                                  : (TUMO_END ? r.nonDealerTsumo : r.nonDealerRon);
        if (text != nullptr) h.Label4 = text;
    }
    h.Label4FontSize = (!dealer && TUMO_END) ? kSplitPointSize : kSinglePointSize;
    h.Label5 = "25符";
    h.Label5Visible = true;
}

void TENHO::YAKUMAN_TENSUU()
{
    HAN_number& h = HAN();
    const bool dealer = I_list == 0;
    if (dealer) {
        h.Label4 = TUMO_END ? "16000オール" : "48000点";
        h.Label4FontSize = kSinglePointSize;
    } else {
        h.Label4 = TUMO_END ? "16000点（親）・8000点（子）" : "32000点";
        h.Label4FontSize = TUMO_END ? kSplitPointSize : kSinglePointSize;
    }
}

void TENHO::FU30_TENSUU()
{
    HAN_number& h = HAN();
    const int han = textValue(h.Label3);  // "3翻" reads as 3
    if (han < 1 || han > 4) return;
    const bool dealer = I_list == 0;
    const std::size_t row = 1;  // 30 fu
    const auto col = static_cast<std::size_t>(han - 1);
    if (dealer) {
        h.Label4 = TUMO_END ? allPay(kSelfDrawDealerPays[row][col]) : single(kDealerRon[row][col]);
        h.Label4FontSize = kSinglePointSize;
    } else if (TUMO_END) {
        h.Label4 = split(kSelfDrawDealerPays[row][col], kNonDealerTsumoOtherShare[row][col]);
        h.Label4FontSize = kSplitPointSize;
    } else {
        h.Label4 = single(kNonDealerRon[row][col]);
        h.Label4FontSize = kSinglePointSize;
    }
}

}  // namespace tenho
