// SPDX-License-Identifier: GPL-3.0-or-later
// The data of the dialogs the calculator writes to or reads from.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "model/fixed_text.h"

namespace tenho {

// Result dialog "役数". The labels' capacities are far above what a
// calculation writes: every yaku that can stand together with its han, the
// winds and dragons counted four times, come to about 520 bytes in Label1
// and 250 in Label2; the longest payment text has 38 bytes.
struct HAN_number {
    static constexpr double kDefaultPaymentPointSize = 12.75;

    // User-provided, so that creating the dialog does not clear its labels'
    // whole capacity first.
    HAN_number() noexcept {}  // NOLINT(modernize-use-equals-default)

    FixedText<1024> Label1;  // yaku names, newest on top, each line ending in CR LF
    FixedText<512> Label2;   // han per yaku, aligned with Label1
    FixedText<64> Label3;    // running han total; "翻" appended at the end
    FixedText<64> Label4;    // payment
    FixedText<64> Label5;    // fu, such as "30符"
    double Label4FontSize = kDefaultPaymentPointSize;
    bool Label5Visible = true;

    bool operator==(const HAN_number&) const = default;
};

// The result as plain text, for pasting into a chat or a score sheet: one
// line per yaku with its han, then the total with the fu, then the payment;
// lines end in LF.
std::string resultText(const HAN_number& dialog);

// Rule options dialog "オプション設定": the selected button of each group,
// 0 = "あり", 1 = "なし".
struct form_OPTION {
    int Option1 = 1;  // 食いタン
    int Option2 = 0;  // あとづけ (the user cannot change it)
    int Option3 = 1;  // 連和
    static constexpr bool kFrame2Enabled = false;
};

// Splash window OPNING: shown at start-up while the main window stays hidden;
// the first tick of Timer1 closes it and shows the main window.
struct OPNING {
    static constexpr int kTimer1Interval = 3000;  // milliseconds
    std::string title;                            // Label1
    std::string credits;                          // Label2: the author and the illustrator
};

// One credits row of the version dialog.
struct CreditRow {
    std::string name;      // Label2(i): name followed by the role, "（制作）" / "（画）"
    std::string mail;      // Label3(i)
    std::string homePage;  // Label4(i), shown in blue and clickable
};

// Version dialog "バージョン情報".
struct VER_info {
    std::string caption;
    std::string title;        // Label1
    std::string version;      // Label6
    std::string date;         // Label7
    std::string description;  // lblDescription
    std::string author;       // Label5
    std::array<CreditRow, 2> credits;
    // Label4_Click(i): the dialog hands a click on a home-page label back to
    // the calculator, which opens the address. Empty when nobody listens.
    std::function<void(int)> Label4_Click;
};

}  // namespace tenho
