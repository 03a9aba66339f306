// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace tenho::testing {
namespace {

struct FuCase {
    const char* name;
    std::vector<std::pair<const char*, bool>> melds;  // tiles, closed kan
    const char* hand;
    const char* win;
    int round;
    int seat;
    int fu;  // what FU_KEISAN adds
};

TEST(Fu, PairWaitAndTripletFu)
{
    const FuCase cases[] = {
        {"double-wind pair", {}, "234m567m345p67s11z", "8s", 0, 0, 4},
        {"prevailing-wind pair", {}, "234m567m345p67s11z", "8s", 0, 1, 2},
        {"seat-wind pair", {}, "234m567m345p67s22z", "8s", 0, 1, 2},
        {"guest-wind pair", {}, "234m567m345p67s33z", "8s", 0, 1, 0},
        {"dragon pair", {}, "234m567m345p67s77z", "8s", 2, 3, 2},
        {"single wait on a dragon", {}, "234m567m345p678s7z", "7z", 0, 1, 4},
        {"edge wait on 3", {}, "12m567m345p678s55p", "3m", 0, 1, 2},
        {"edge wait on 7", {}, "89m234m345p678s55p", "7m", 0, 1, 2},
        {"closed wait", {}, "13m567m345p678s55p", "2m", 0, 1, 2},
        {"two-sided wait", {}, "34m567m345p678s55p", "2m", 0, 1, 0},
        {"closed wait in the middle suit", {}, "46s234m567m345p55p", "5s", 0, 1, 2},
        {"single wait even where a sequence also fits", {}, "999s234m567m34p55p", "5p", 0, 1, 10},
        {"concealed terminal triplet", {}, "999s234m567m34p55p", "2p", 0, 1, 8},
        {"triplet completed by the discard stays concealed",
         {},
         "55m234p678p345s99s",
         "5m",
         0,
         1,
         4},
        {"concealed kan of an honour", {{"1111z", true}}, "234m567m345p5p", "5p", 2, 3, 34},
        {"open kan of a simple", {{"5555s", false}}, "234m567m345p1z", "1z", 2, 1, 10},
        {"open pon in the fourth frame",
         {{"123m", false}, {"456m", false}, {"789m", false}, {"222s", false}},
         "5p",
         "5p",
         2,
         1,
         4},
        {"open pon of a terminal", {{"999p", false}}, "234m567m34s55s", "2s", 2, 1, 4},
        {"concealed kan of a dragon", {{"7777z", true}}, "234m567m34p55z", "2p", 0, 1, 34},
        {"honour winning tile is never edge or closed", {}, "234m567m345p11z33s", "1z", 2, 1, 8},
    };
    for (const FuCase& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        int k = 1;
        for (const auto& [text, closed] : c.melds) putMeld(calc.t, k++, text, closed);
        for (Code code : tiles(c.hand)) calc.t.List[0].add(code);
        calc.t.Text1 = tile(c.win);
        calc.winds(c.round, c.seat);
        calc.t.TENPAI();
        ASSERT_EQ(calc.t.HANTEI, 0);
        calc.t.FU_SUU = 0;
        calc.t.FU_KEISAN();
        EXPECT_EQ(calc.t.FU_SUU, c.fu) << split(calc.t);
    }
}

}  // namespace
}  // namespace tenho::testing
