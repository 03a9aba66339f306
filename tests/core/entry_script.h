// SPDX-License-Identifier: GPL-3.0-or-later
// Short entry scripts for the meld and situation-box tests, and the six
// situation boxes written as text so that a test row reads like the window:
// "R1e W0d I0e F0d H0e K0d" is リーチ checked and enabled, ダブリー unchecked
// and disabled, and so on for 一発, 一巡目, ハイテイ, カン直後.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "core/test_support.h"
#include "model/tenho.h"

namespace tenho::testing {

using Boxes = std::array<CheckBox, 6>;

inline Boxes boxes(std::string_view text)
{
    Boxes out{};
    std::size_t box = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (box >= out.size() || i + 3 > text.size()) break;
        out[box].value = text[i + 1] == '1' ? 1 : 0;
        out[box].enabled = text[i + 2] == 'e';
        ++box;
        i += 3;
    }
    if (box != out.size() || i < text.size()) ADD_FAILURE() << "bad box text: " << text;
    return out;
}

inline std::string boxesText(const Boxes& b)
{
    static constexpr char kLetters[] = {'R', 'W', 'I', 'F', 'H', 'K'};
    std::string out;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (i) out += ' ';
        out += kLetters[i];
        out += b[i].value == 1 ? '1' : '0';
        out += b[i].enabled ? 'e' : 'd';
    }
    return out;
}

// The boxes as a freshly started window shows them.
inline constexpr std::string_view kStartBoxes = "R0e W0e I0d F0e H0e K0d";

// Drops `tile` on meld frame k; the call dialog answers `naki` and, when the
// kan dialog is shown, it answers `kan`.
inline Entry dropOnMeldFrame(Calculator& c, int k, std::string_view tile, NakiCheckButton naki,
                             KanCheckButton kan = KanCheckButton::Closed)
{
    c.host.nakiAnswers = {naki};
    c.host.kanAnswers = {kan};
    const Entry e = c.t.formMeld(k, src(tile));
    c.host.nakiAnswers.clear();
    c.host.kanAnswers.clear();
    return e;
}

// Plays a script on the calculator, one entry per character (blanks are
// skipped), and checks the invariants after each:
//   c p k a   chi, pon, open kan, closed kan on the next meld frame
//   0 .. 5    a click on that situation box
//   D         six dora indicators, as many as the frame takes
//   -k        a click on meld k (k = 1..4)
// Every meld frame uses tiles of its own, so the melds never run into the
// four-of-a-kind limit.
inline void play(Calculator& c, std::string_view script)
{
    static constexpr std::string_view kChi[] = {"1m", "4m", "1p", "4p"};
    static constexpr std::string_view kPon[] = {"1z", "2z", "3z", "4z"};
    static constexpr std::string_view kKan[] = {"5z", "6z", "7z", "9m"};
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char step = script[i];
        SCOPED_TRACE(std::string("script ") + std::string(script) + " at " + std::to_string(i));
        const int k = c.t.meldCount() + 1;
        const std::size_t slot = static_cast<std::size_t>(k - 1) % 4;
        switch (step) {
        case ' ':
            continue;
        case 'c':
            EXPECT_EQ(dropOnMeldFrame(c, k, kChi[slot], NakiCheckButton::Chi), Entry::Accepted);
            break;
        case 'p':
            EXPECT_EQ(dropOnMeldFrame(c, k, kPon[slot], NakiCheckButton::Pon), Entry::Accepted);
            break;
        case 'k':
            EXPECT_EQ(
                dropOnMeldFrame(c, k, kKan[slot], NakiCheckButton::Kan, KanCheckButton::Minkan),
                Entry::Accepted);
            break;
        case 'a':
            EXPECT_EQ(
                dropOnMeldFrame(c, k, kKan[slot], NakiCheckButton::Kan, KanCheckButton::Ankan),
                Entry::Accepted);
            break;
        case 'D':
            c.dora("123456s");
            break;
        case '-':
            ++i;
            ASSERT_LT(i, script.size());
            EXPECT_EQ(c.t.NAKI_Click(script[i] - '0'), Entry::Accepted);
            break;
        default:
            ASSERT_TRUE(step >= '0' && step <= '5') << "bad script step " << step;
            c.t.clickC_OPTION(step - '0');
        }
        expectEntryInvariants(c.t);
    }
}

}  // namespace tenho::testing
