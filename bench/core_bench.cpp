// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the split search and of a whole calculation, and the heap
// allocations of a calculation (the counter "allocs": allocations per
// calculation, once warm).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "app/score_cli.h"
#include "hand_generator.h"
#include "model/notation.h"
#include "model/tenho.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Every allocation of the program is counted. (GCC takes the replacements'
// malloc and free for a mismatch with new and delete.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

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

std::vector<tenho::Code> codes(std::string_view text)
{
    std::vector<tenho::Code> out;
    std::string reason;
    tenho::parseTiles(text, out, reason);
    return out;
}

// The hand, the winning tile and called melds (shown in their frames).
void fill(tenho::TENHO& t, std::string_view hand, std::string_view win,
          const std::vector<std::string_view>& melds)
{
    int k = 1;
    for (std::string_view meld : melds) {
        tenho::TileList& list = t.List[static_cast<std::size_t>(k)];
        for (tenho::Code c : codes(meld)) list.add(c);
        for (int i = 0; i < list.count(); ++i)
            t.NAKI[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] =
                tenho::Picture{tenho::paletteIndex(list.item(i)), true};
        ++k;
    }
    for (tenho::Code c : codes(hand)) t.List[0].add(c);
    t.Text1 = codes(win).at(0);
}

void runTenpai(benchmark::State& state, std::string_view hand, std::string_view win,
               const std::vector<std::string_view>& melds = {})
{
    SilentHost host;
    tenho::TENHO t(host);
    fill(t, hand, win, melds);
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

// The slowest hand a random search (bench/tenpai_search.cpp, a million hands)
// found: no split, three called melds that every split found must hold, so
// that the splits are checked once more pattern by pattern.
void BM_TenpaiWorstFound(benchmark::State& state)
{
    runTenpai(state, "6899s", "8s", {"789s", "555s", "567s"});
}
BENCHMARK(BM_TenpaiWorstFound);

// The slowest concealed hand an earlier search found: no split, and the
// patterns run deep before they fail.
void BM_TenpaiWorstFoundConcealed(benchmark::State& state)
{
    runTenpai(state, "4444555666888m4s", "4s");
}
BENCHMARK(BM_TenpaiWorstFoundConcealed);

void BM_TenpaiTypical(benchmark::State& state) { runTenpai(state, "234567m234p5678s", "5s"); }
BENCHMARK(BM_TenpaiTypical);

// Scores the hands in turn as tenho-score does; counts the allocations of
// the timed calculations.
void runScore(benchmark::State& state, const std::vector<tenho::cli::HandOptions>& hands)
{
    for (const auto& h : hands) benchmark::DoNotOptimize(tenho::cli::score(h));  // warm
    std::size_t i = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        auto outcome = tenho::cli::score(hands[i]);
        benchmark::DoNotOptimize(outcome);
        if (++i == hands.size()) i = 0;
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations.load() - before),
                                                  benchmark::Counter::kAvgIterations);
}

tenho::cli::HandOptions options(const std::vector<std::string>& args)
{
    const std::vector<std::string_view> words(args.begin(), args.end());
    return tenho::cli::parseOptions(words).options;
}

// Entry replay, 計算 and the result, as tenho-score does it for one hand.
void BM_CalculationTypical(benchmark::State& state)
{
    runScore(state, {options({"--hand", "234567m234p5678s", "--win", "5s", "--round", "E", "--seat",
                              "S", "--tsumo", "--riichi", "--dora", "3m"})});
}
BENCHMARK(BM_CalculationTypical);

void BM_CalculationWithMelds(benchmark::State& state)
{
    runScore(state, {options({"--chi", "345p", "--pon", "777z", "--hand", "234m678s5p", "--win",
                              "5p", "--round", "S", "--seat", "E", "--dora", "4p"})});
}
BENCHMARK(BM_CalculationWithMelds);

// A thousand generated hands in turn: closed and open, seven pairs,
// thirteen orphans, dora and situation boxes.
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
        hands.push_back(options(storage));
    }
    runScore(state, hands);
}
BENCHMARK(BM_CalculationGenerated);

}  // namespace

BENCHMARK_MAIN();
