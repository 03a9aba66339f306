// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand_generator.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tenho::bench {

namespace {

// Tile kinds 0..33: 0-8 m, 9-17 s, 18-26 p, 27-33 z.
std::string tileText(const std::vector<int>& kinds)
{
    std::string out;
    const char letters[] = {'m', 's', 'p', 'z'};
    for (int suit = 0; suit < 4; ++suit) {
        std::string digits;
        for (int k : kinds)
            if (k / 9 == suit) digits += static_cast<char>('1' + k % 9);
        if (!digits.empty()) out += digits + letters[suit];
    }
    return out;
}

}  // namespace

std::string HandGenerator::next()
{
    std::array<int, 34> used{};
    const auto take = [&](int kind, int n) {
        if (used[static_cast<std::size_t>(kind)] + n > 4) return false;
        used[static_cast<std::size_t>(kind)] += n;
        return true;
    };

    std::string line;
    std::vector<int> concealed;
    const int shape = roll(100);
    bool closed = true;

    if (shape < 4) {
        // Seven pairs.
        std::vector<int> kinds;
        while (kinds.size() < 7) {
            const int k = roll(34);
            if (std::find(kinds.begin(), kinds.end(), k) == kinds.end()) kinds.push_back(k);
        }
        for (int k : kinds) {
            take(k, 2);
            concealed.push_back(k);
            concealed.push_back(k);
        }
    } else if (shape < 5) {
        // Thirteen orphans.
        const std::array<int, 13> orphans = {0, 8, 9, 17, 18, 26, 27, 28, 29, 30, 31, 32, 33};
        for (int k : orphans) {
            take(k, 1);
            concealed.push_back(k);
        }
        const int extra = orphans[static_cast<std::size_t>(roll(13))];
        take(extra, 1);
        concealed.push_back(extra);
    } else {
        const int melds =
            std::array<int, 20>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 3, 4}
                [static_cast<std::size_t>(roll(20))];
        int groupsMade = 0;
        int guard = 0;
        while (groupsMade < 4 && ++guard < 200) {
            const bool sequence = roll(100) < 55;
            const bool isMeld = groupsMade < melds;
            if (sequence) {
                const int suit = roll(3);
                const int start = suit * 9 + roll(7);
                if (used[static_cast<std::size_t>(start)] >= 4 ||
                    used[static_cast<std::size_t>(start + 1)] >= 4 ||
                    used[static_cast<std::size_t>(start + 2)] >= 4)
                    continue;
                for (int d = 0; d < 3; ++d) take(start + d, 1);
                if (isMeld) {
                    line += " --chi " + tileText({start, start + 1, start + 2});
                    closed = false;
                } else {
                    for (int d = 0; d < 3; ++d) concealed.push_back(start + d);
                }
            } else {
                const int k = roll(34);
                const bool kan = isMeld && roll(100) < 30;
                if (!take(k, kan ? 4 : 3)) continue;
                if (isMeld) {
                    if (kan) {
                        const bool ankan = roll(2) == 0;
                        line += (ankan ? " --ankan " : " --kan ") + tileText({k, k, k, k});
                        if (!ankan) closed = false;
                    } else {
                        line += " --pon " + tileText({k, k, k});
                        closed = false;
                    }
                } else {
                    concealed.insert(concealed.end(), {k, k, k});
                }
            }
            ++groupsMade;
        }
        for (int guardPair = 0; guardPair < 100; ++guardPair) {
            const int k = roll(34);
            if (take(k, 2)) {
                concealed.insert(concealed.end(), {k, k});
                break;
            }
        }
    }

    // One hand in ten is spoilt: a tile swapped for another.
    if (!concealed.empty() && roll(10) == 0) {
        const auto at = static_cast<std::size_t>(roll(static_cast<int>(concealed.size())));
        const int k = roll(34);
        if (used[static_cast<std::size_t>(k)] < 4) {
            --used[static_cast<std::size_t>(concealed[at])];
            ++used[static_cast<std::size_t>(k)];
            concealed[at] = k;
        }
    }

    if (!concealed.empty()) {
        const auto at = static_cast<std::size_t>(roll(static_cast<int>(concealed.size())));
        const int win = concealed[at];
        concealed.erase(concealed.begin() + static_cast<std::ptrdiff_t>(at));
        std::sort(concealed.begin(), concealed.end());
        line += " --hand " + tileText(concealed) + " --win " + tileText({win});
    }

    bool riichi = false;
    const int situation = roll(100);
    if (closed && situation < 35) {
        line += " --riichi";
        riichi = true;
        if (roll(4) == 0) line += " --ippatsu";
        if (roll(8) == 0) line += " --haitei";
    } else if (closed && situation < 40) {
        line += " --double-riichi";
        riichi = true;
    } else if (situation < 43) {
        line += closed ? " --first-turn" : "";
    } else if (situation < 50) {
        line += " --haitei";
    }

    std::vector<int> dora;
    const int indicators = 1 + roll(riichi ? 8 : 4);
    for (int i = 0; i < indicators; ++i) {
        const int k = roll(34);
        if (take(k, 1)) dora.push_back(k);
    }
    if (!dora.empty()) {
        line += " --dora ";
        const char letters[] = {'m', 's', 'p', 'z'};
        for (int k : dora) line += std::string(1, static_cast<char>('1' + k % 9)) + letters[k / 9];
    }

    if (roll(2) == 0) line += " --tsumo";
    const char* winds[] = {"E", "S", "W", "N"};
    line += std::string(" --round ") + winds[roll(4)];
    line += std::string(" --seat ") + winds[roll(4)];
    if (roll(3) == 0) line += " --kuitan";
    if (roll(5) == 0) line += " --renhou";
    return line.substr(1);
}

std::vector<std::string> optionWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const auto end = line.find(' ', start);
        if (end != start) words.push_back(line.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return words;
}

}  // namespace tenho::bench
