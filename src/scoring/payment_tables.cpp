// SPDX-License-Identifier: GPL-3.0-or-later
// Han total, fu total and the payment texts. No point arithmetic happens at
// run time: every payment is one cell of a fixed table, and a combination
// without a cell writes nothing.
#include <array>
#include <cstdint>
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

Payment single(int amount)
{
    Payment text;
    text += Decimal(amount);
    text += "点";
    return text;
}
Payment allPay(int amount)
{
    Payment text;
    text += Decimal(amount);
    text += "オール";
    return text;
}
Payment split(int dealerShare, int otherShare)
{
    Payment text;
    text += Decimal(dealerShare);
    text += "点（親）・";
    text += Decimal(otherShare);
    text += "点（子）";
    return text;
}

// Who wins how: the four ways a payment is written.
enum Way : std::size_t { kNonDealerDiscard, kNonDealerSelfDraw, kDealerDiscard, kDealerSelfDraw };
constexpr std::size_t kWays = 4;
constexpr std::size_t wayOf(bool dealer, bool tsumo)
{
    return (dealer ? kDealerDiscard : kNonDealerDiscard) + (tsumo ? 1 : 0);
}

// Every payment text the tables can write, written once at start-up: a
// payment is then one copy of a whole text, with no digits to work out. A
// cell without an amount is the empty text.
struct PaymentTexts {
    std::array<std::array<std::array<Payment, 4>, kFuRows>, kWays> cells;
    std::array<std::array<Payment, kBands.size()>, kWays> bands;
    std::array<Payment, kFuRows> fu;  // "20符" .. "120符"
};

Payment cellText(std::size_t way, int amount, int otherShare)
{
    if (amount == 0) return {};
    switch (way) {
    case kNonDealerSelfDraw:
        return split(amount, otherShare);
    case kDealerSelfDraw:
        return allPay(amount);
    default:
        return single(amount);
    }
}

const PaymentTexts kTexts = [] {
    PaymentTexts t;
    for (std::size_t row = 0; row < kFuRows; ++row) {
        for (std::size_t col = 0; col < 4; ++col) {
            const int selfDraw = kSelfDrawDealerPays[row][col];
            const int other = kNonDealerTsumoOtherShare[row][col];
            t.cells[kNonDealerDiscard][row][col] =
                cellText(kNonDealerDiscard, kNonDealerRon[row][col], 0);
            t.cells[kNonDealerSelfDraw][row][col] = cellText(kNonDealerSelfDraw, selfDraw, other);
            t.cells[kDealerDiscard][row][col] = cellText(kDealerDiscard, kDealerRon[row][col], 0);
            t.cells[kDealerSelfDraw][row][col] = cellText(kDealerSelfDraw, selfDraw, 0);
        }
        t.fu[row] = Decimal(static_cast<long>(row) * 10 + 20);
        t.fu[row] += "符";
    }
    for (std::size_t b = 0; b < kBands.size(); ++b) {
        const Band& band = kBands[b];
        t.bands[kNonDealerDiscard][b] = single(band.ron);
        t.bands[kNonDealerSelfDraw][b] = split(band.tsumoDealerShare, band.tsumoOtherShare);
        t.bands[kDealerDiscard][b] = single(band.dealerRon);
        t.bands[kDealerSelfDraw][b] = allPay(band.dealerTsumo);
    }
    return t;
}();

// The band of a han total from 5 up to the last band's top; kBands.size()
// for any other.
constexpr std::size_t bandOf(int han)
{
    if (han < 5 || han > kBands.back().maxHan) return kBands.size();
    if (han >= 13) return kBands.size() - 1;
    constexpr std::array<std::uint8_t, 13> kBandOf = {0, 0, 0, 0, 0, 0, 1, 1, 2, 2, 2, 3, 3};
    return kBandOf[static_cast<std::size_t>(han)];
}
static_assert(bandOf(5) == 0 && bandOf(7) == 1 && bandOf(8) == 2 && bandOf(10) == 2 &&
              bandOf(11) == 3 && bandOf(12) == 3 && bandOf(13) == 4 && bandOf(32767) == 4 &&
              bandOf(4) == kBands.size() && bandOf(32768) == kBands.size());

// FU_TENSUU for a han total already read off Label3.
void payByFu(TENHO& t, HAN_number& h, int han)
{
    if (han < 1 || han > 4) return;
    const std::size_t way = wayOf(t.I_list == 0, t.TUMO_END);
    const int fu = t.FU_SUU;
    // Mangan from 70 fu with 3 han and from 40 fu with 4 han, whatever the fu.
    if ((han == 3 && fu >= 70) || (han == 4 && fu >= 40)) {
        h.Label4 = kTexts.bands[way][0];
        return;
    }
    if (fu < 20 || fu > 120 || fu % 10 != 0) return;
    const Payment& text =
        kTexts.cells[way][static_cast<std::size_t>(fu / 10 - 2)][static_cast<std::size_t>(han - 1)];
    if (!text.empty()) h.Label4 = text;
}

// HAN_KEISAN for a han total already read off Label3.
void payByHanAndFu(TENHO& t, HAN_number& h, int han)
{
    Integer fu = 0;
    if (h.Label1.find("平和") != std::string_view::npos) {
        fu = t.TUMO_END ? 20 : 30;
        t.FU_SUU = fu;
    } else {
        t.FU_SUU = (t.NAKI_FLAG == 0 && t.RON_END) ? 30 : 20;
        t.FU_KEISAN();
        fu = t.FU_SUU;
    }
    if (fu >= 21 && fu <= 120) fu = static_cast<Integer>((fu + 9) / 10 * 10);
    // An open hand without fu is priced at 30 fu: no table has a cell for
    // 20 fu won by discard, or for 20 fu with 1 han.
    if (t.NAKI_FLAG == 1 && fu == 20) fu = 30;
    t.FU_SUU = fu;
    if (fu >= 20 && fu <= 120 && fu % 10 == 0) {
        h.Label5 = kTexts.fu[static_cast<std::size_t>(fu / 10 - 2)];
    } else {
        h.Label5 = Decimal(fu);
        h.Label5 += "符";
    }
    h.Label5Visible = true;
    payByFu(t, h, han);
}

}  // namespace

void TENHO::TENSUU()
{
    HAN_number& h = HAN();
    h.Label5Visible = false;
    const int han = textValue(h.Label3);
    const std::size_t way = wayOf(I_list == 0, TUMO_END);
    if (const std::size_t band = bandOf(han); band < kBands.size())
        h.Label4 = kTexts.bands[way][band];
    else
        payByHanAndFu(*this, h, han);
    h.Label4FontSize = way == kNonDealerSelfDraw ? kSplitPointSize : kSinglePointSize;
}

void TENHO::HAN_KEISAN()
{
    HAN_number& h = HAN();
    payByHanAndFu(*this, h, textValue(h.Label3));
}

void TENHO::FU_TENSUU()
{
    HAN_number& h = HAN();
    payByFu(*this, h, textValue(h.Label3));
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
    const std::size_t way = wayOf(I_list == 0, TUMO_END);
    h.Label4 = kTexts.cells[way][1][static_cast<std::size_t>(han - 1)];  // 30 fu
    h.Label4FontSize = way == kNonDealerSelfDraw ? kSplitPointSize : kSinglePointSize;
}

}  // namespace tenho
