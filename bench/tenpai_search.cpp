// SPDX-License-Identifier: GPL-3.0-or-later
// Looks for the hands on which the split search TENPAI takes longest, for the
// benchmark of the worst case: random fourteen tiles crowded into one or two
// suits (so that many pairs and patterns hold), a share of them with called
// melds (so that the melds are checked, and checked again pattern by
// pattern). Every hand is timed over many runs; the slowest are timed again
// at length and printed slowest first, as the benchmark's hand, melds and
// winning tile.
//
//     tenho_tenpai_search [HANDS] [SEED]
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "model/notation.h"
#include "model/tenho.h"

namespace {

using namespace tenho;

class SilentHost final : public Host {
public:
    void messageBox(std::string_view) override {}
    HanNumberButton showHanNumber(const HAN_number&) override { return HanNumberButton::Command1; }
    NakiCheckButton showNakiCheck(bool) override { return NakiCheckButton::Cancel; }
    KanCheckButton showKanCheck() override { return KanCheckButton::Cancel; }
    bool showFormOption(form_OPTION&) override { return true; }
    void showVerInfo(const VER_info&) override {}
    void beep() override {}
    void shellOpen(std::string_view, std::string_view, bool) override {}
};

struct Hand {
    std::vector<std::vector<int>> melds;  // palette indices, three or four each
    std::vector<int> concealed;           // thirteen less three a meld
    int win = 0;
};

std::string text(std::vector<int> kinds)
{
    std::sort(kinds.begin(), kinds.end());
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

Hand randomHand(std::mt19937_64& rng)
{
    std::array<int, kTileKinds> used{};
    const auto roll = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto take = [&](int k) {
        if (used[static_cast<std::size_t>(k)] >= 4) return false;
        ++used[static_cast<std::size_t>(k)];
        return true;
    };
    Hand h;
    const int melds = std::array<int, 8>{0, 0, 0, 0, 1, 1, 2, 3}[static_cast<std::size_t>(roll(8))];
    const int suitA = roll(3), suitB = roll(3);
    const auto kind = [&] {
        const int r = roll(10);
        if (r < 6) return suitA * 9 + roll(9);
        if (r < 9) return suitB * 9 + roll(9);
        return 27 + roll(7);
    };
    for (int m = 0; m < melds; ++m) {
        for (int guard = 0; guard < 50; ++guard) {
            const int k = kind();
            std::vector<int> meld;
            if (k < 27 && k % 9 <= 6 && roll(2) == 0)
                meld = {k, k + 1, k + 2};
            else
                meld = {k, k, k};
            std::array<int, kTileKinds> before = used;
            bool ok = true;
            for (int t : meld) ok = ok && take(t);
            if (!ok) {
                used = before;
                continue;
            }
            h.melds.push_back(meld);
            break;
        }
    }
    const int concealed = 13 - 3 * static_cast<int>(h.melds.size());
    while (static_cast<int>(h.concealed.size()) < concealed) {
        const int k = kind();
        if (take(k)) h.concealed.push_back(k);
    }
    do h.win = kind();
    while (!take(h.win));
    return h;
}

void enter(TENHO& t, const Hand& h)
{
    t.restart();
    int k = 1;
    for (const auto& meld : h.melds) {
        auto& list = t.List[static_cast<std::size_t>(k)];
        for (int tile : meld) list.add(kHaiCodes[static_cast<std::size_t>(tile)]);
        for (int i = 0; i < list.count(); ++i)
            t.NAKI[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] =
                Picture{paletteIndex(list.item(i)), true};
        ++k;
    }
    for (int tile : h.concealed) t.List[0].add(kHaiCodes[static_cast<std::size_t>(tile)]);
    t.Text1 = kHaiCodes[static_cast<std::size_t>(h.win)];
}

// Nanoseconds a TENPAI, the least of `rounds` rounds of `runs` runs.
double timeTenpai(TENHO& t, int rounds, int runs)
{
    double best = 1e30;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < runs; ++i) {
            for (auto& l : t.ListEND) l.clear();
            t.ListTEMP.clear();
            t.TENPAI();
        }
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / runs);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    const long hands = argc > 1 ? std::atol(argv[1]) : 20000;
    std::mt19937_64 rng(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    SilentHost host;
    TENHO t(host);
    std::vector<std::pair<double, Hand>> slowest;
    for (long n = 0; n < hands; ++n) {
        Hand h = randomHand(rng);
        enter(t, h);
        const double ns = timeTenpai(t, 2, 20);
        slowest.emplace_back(ns, std::move(h));
        if (slowest.size() > 400) {
            std::sort(slowest.begin(), slowest.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
            slowest.resize(50);
        }
    }
    for (auto& [ns, h] : slowest) {
        enter(t, h);
        ns = timeTenpai(t, 5, 2000);
    }
    std::sort(slowest.begin(), slowest.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < std::min<std::size_t>(10, slowest.size()); ++i) {
        const auto& [ns, h] = slowest[i];
        std::string melds;
        for (const auto& m : h.melds) melds += " meld " + text(m);
        std::printf("%7.1f ns  hand %s win %s%s  (%s)\n", ns, text(h.concealed).c_str(),
                    text({h.win}).c_str(), melds.c_str(), [&] {
                        enter(t, h);
                        t.TENPAI();
                        return t.HANTEI == 0 ? "split" : "no split";
                    }());
    }
}
