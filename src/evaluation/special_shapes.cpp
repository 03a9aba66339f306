// SPDX-License-Identifier: GPL-3.0-or-later
// Hands recognised by their shape: thirteen orphans, seven pairs, nine gates.
// They look at the concealed tiles and the winning tile only, so a hand with
// a called meld never matches.
#include <array>
#include <string>
#include <string_view>

#include "model/tenho.h"

namespace tenho {

namespace {

// The thirteen orphan codes, highest first, as the descending concatenation
// of a sorted hand lists them.
constexpr std::array<std::string_view, 13> kOrphans = {"91", "81", "71", "61", "51", "41", "31",
                                                       "29", "21", "19", "11", "09", "01"};

bool isKokusiTemplate(std::string_view codes)
{
    // One of the thirteen written twice in its place.
    static const std::array<std::string, 13> templates = [] {
        std::array<std::string, 13> t;
        for (std::size_t doubled = 0; doubled < kOrphans.size(); ++doubled)
            for (std::size_t i = 0; i < kOrphans.size(); ++i) {
                t[doubled] += kOrphans[i];
                if (i == doubled) t[doubled] += kOrphans[i];
            }
        return t;
    }();
    for (const std::string& t : templates)
        if (t == codes) return true;
    return false;
}

constexpr std::array<std::string_view, 9> kTyurenTemplates = {
    "99987654321111", "99987654322111", "99987654332111", "99987654432111", "99987655432111",
    "99987665432111", "99987765432111", "99988765432111", "99998765432111"};

// Items from first to last, each put in front of the text built so far.
std::string descending(const TileList& list)
{
    std::string out;
    for (int i = 0; i < list.count(); ++i) out.insert(0, list.item(i).view());
    return out;
}

}  // namespace

void TENHO::KOKUSI()
{
    List3.clear();
    HANTEI = 0;
    for (int i = 0; i < List[0].count(); ++i) List3.add(List[0].item(i));
    List3.add(Text1);
    if (isKokusiTemplate(descending(List3))) reportYakuman("国士無双");
}

bool TENHO::sevenDifferentPairs()
{
    WORK_CODE.clear();
    WORK_CODES.clear();
    const int last = List3.count() - 1;
    for (int j = 0; j <= last; j += 2) {
        WORK_CODE = List3.item(j) == List3.item(j + 1) ? "1" : "0";
        WORK_CODES += WORK_CODE;
    }
    // Four equal tiles are not two pairs; past the end reads "", so the
    // last pair always passes. An odd count fails at its last position.
    for (int j = 0; j <= last; j += 2) {
        WORK_CODE = List3.item(j) != List3.item(j + 2) ? "1" : "0";
        WORK_CODES += WORK_CODE;
    }
    return WORK_CODES.find('0') == std::string::npos;
}

void TENHO::TITOITU()
{
    HANTEI = 1;
    List3.clear();
    for (int i = 0; i < List[0].count(); ++i) List3.add(List[0].item(i));
    List3.add(Text1);
    // Seven pairs are fourteen concealed tiles. Beside called melds the pair
    // flags could all hold (two melds leave eight tiles, four pairs), but that
    // is never a complete hand.
    if (List3.count() == 14 && sevenDifferentPairs()) {
        HAN_number& h = HAN();
        h.Label1 = "七対子";
        h.Label2 = "２翻";
        h.Label3 = std::to_string(textValue(h.Label3) + 2);
        HANTEI = 0;
    }
    List3.clear();
}

void TENHO::TYUREN()
{
    // Rank digits only; the caller has already seen one suit (清一色).
    List3.clear();
    HANTEI = 0;
    for (int i = 0; i < List[0].count(); ++i) List3.add(Code::digit(List[0].item(i).rank()));
    List3.add(Code::digit(Text1.rank()));
    const std::string ranks = descending(List3);
    for (std::string_view t : kTyurenTemplates) {
        if (ranks == t) {
            reportYakuman("九連宝燈");
            return;
        }
    }
}

}  // namespace tenho
