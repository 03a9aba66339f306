// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the split search and of a whole calculation.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/score_cli.h"
#include "hand_generator.h"
#include "model/notation.h"
#include "model/tenho.h"

namespace {

class SilentHost final : public tenho::Host {
public:
    void messageBox(std::string_view) override {}
    tenho::HanNumberButton showHanNumber(const tenho::HAN_number&) override
    {
        return tenho::HanNumberButton::Command1;
    }
    int showNakiCheck(bool) override { return 3; }
    int showKanCheck() override { return 2; }
    bool showFormOption(tenho::form_OPTION&) override { return true; }
    void showVerInfo(const tenho::VER_info&) override {}
    void beep() override {}
    void shellOpen(std::string_view, std::string_view, bool) override {}
};

void fill(tenho::TENHO& t, std::string_view hand, std::string_view win)
{
    std::vector<tenho::Code> codes;
    std::string reason;
    tenho::parseTiles(hand, codes, reason);
    for (tenho::Code c : codes) t.List[0].add(c);
    codes.clear();
    tenho::parseTiles(win, codes, reason);
    t.Text1 = codes.at(0);
}

void runTenpai(benchmark::State& state, std::string_view hand, std::string_view win)
{
    SilentHost host;
    tenho::TENHO t(host);
    fill(t, hand, win);
    for (auto _ : state) {
        for (auto& l : t.ListEND) l.clear();
        t.ListTEMP.clear();
        t.TENPAI();
        benchmark::DoNotOptimize(t.HANTEI);
    }
}

// No split, pairs everywhere: every pair position runs the patterns.
void BM_TenpaiNoSplit(benchmark::State& state) { runTenpai(state, "1199m1199p1199s1z", "1z"); }
BENCHMARK(BM_TenpaiNoSplit);

// The slowest hand a random search over many thousands of hands found: no
// split, and the patterns run deep before they fail.
void BM_TenpaiWorstFound(benchmark::State& state) { runTenpai(state, "4444555666888m4s", "4s"); }
BENCHMARK(BM_TenpaiWorstFound);

void BM_TenpaiTypical(benchmark::State& state) { runTenpai(state, "234567m234p5678s", "5s"); }
BENCHMARK(BM_TenpaiTypical);

void runScore(benchmark::State& state, const std::vector<std::string>& args)
{
    const std::vector<std::string_view> words(args.begin(), args.end());
    const auto parsed = tenho::cli::parseOptions(words);
    for (auto _ : state) {
        auto outcome = tenho::cli::score(parsed.options);
        benchmark::DoNotOptimize(outcome);
    }
}

// Entry replay, 計算 and the result, as tenho-score does it for one hand.
void BM_CalculationTypical(benchmark::State& state)
{
    runScore(state, {"--hand", "234567m234p5678s", "--win", "5s", "--round", "E", "--seat", "S",
                     "--tsumo", "--riichi", "--dora", "3m"});
}
BENCHMARK(BM_CalculationTypical);

void BM_CalculationWithMelds(benchmark::State& state)
{
    runScore(state, {"--chi", "345p", "--pon", "777z", "--hand", "234m678s5p", "--win", "5p",
                     "--round", "S", "--seat", "E", "--dora", "4p"});
}
BENCHMARK(BM_CalculationWithMelds);

void BM_CalculationGenerated(benchmark::State& state)
{
    tenho::bench::HandGenerator gen(7);
    std::vector<tenho::cli::HandOptions> hands;
    for (int i = 0; i < 1000; ++i) {
        const std::string line = gen.next();
        std::vector<std::string> storage;
        std::size_t start = 0;
        while (start < line.size()) {
            const auto end = line.find(' ', start);
            storage.push_back(line.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        hands.push_back(tenho::cli::parseOptions(words).options);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = tenho::cli::score(hands[i++ % hands.size()]);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculationGenerated);

}  // namespace

BENCHMARK_MAIN();
