// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the split search, of a whole calculation and of listing the waits
// of a hand (34 trials), and the heap allocations of a calculation (the
// counter "allocs": allocations per calculation, once warm).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/score_cli.h"
#include "evaluation/waits.h"
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
    tenho::NakiCheckButton showNakiCheck(bool) override { return tenho::NakiCheckButton::Cancel; }
    tenho::KanCheckButton showKanCheck() override { return tenho::KanCheckButton::Cancel; }
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
    tenho::cli::HandReplay replay;  // one a job, as in a batch
    for (const auto& h : hands) benchmark::DoNotOptimize(replay.score(h));  // warm
    std::size_t i = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        auto outcome = replay.score(hands[i]);
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
        hands.push_back(options(tenho::bench::optionWords(gen.next())));
    }
    runScore(state, hands);
}
BENCHMARK(BM_CalculationGenerated);

// A hand of thirteen tiles entered as tenho-score --waits enters it; the
// timing is the waits alone: every kind tried on a copy, ロン and ツモ for the waits.
void runWaits(benchmark::State& state, const std::vector<std::string>& args)
{
    const std::vector<std::string_view> words(args.begin(), args.end());
    const auto parsed = tenho::cli::parseOptions(words);
    tenho::cli::HandReplay replay;
    if (replay.enter(parsed.options) || !tenho::canListWaits(replay.calculator())) {
        state.SkipWithError("not a hand of thirteen tiles");
        return;
    }
    const tenho::TENHO& t = replay.calculator();
    for (auto _ : state) {
        auto waits = tenho::listWaits(t);
        benchmark::DoNotOptimize(waits);
    }
}

void BM_WaitsTwoSided(benchmark::State& state)
{
    runWaits(state, {"--hand", "2345m678p345s999s", "--round", "E", "--seat", "S"});
}
BENCHMARK(BM_WaitsTwoSided);

// Nine waits, each a yakuman.
void BM_WaitsNineGates(benchmark::State& state)
{
    runWaits(state, {"--hand", "1112345678999m", "--round", "E", "--seat", "S"});
}
BENCHMARK(BM_WaitsNineGates);

void BM_WaitsNone(benchmark::State& state)
{
    runWaits(state, {"--hand", "1357m2468p1357s1z", "--round", "E", "--seat", "S"});
}
BENCHMARK(BM_WaitsNone);

void BM_WaitsWithMelds(benchmark::State& state)
{
    runWaits(state, {"--chi", "345p", "--pon", "777z", "--hand", "234m678s5p", "--round", "S",
                     "--seat", "E", "--dora", "4p"});
}
BENCHMARK(BM_WaitsWithMelds);

// One copy of the calculator, as each trial makes it.
void BM_WaitsOneCopy(benchmark::State& state)
{
    const std::vector<std::string> args = {"--chi",   "345p", "--hand", "234m678s55p678m",
                                           "--round", "E",    "--seat", "S",
                                           "--dora",  "4p"};
    const std::vector<std::string_view> words(args.begin(), args.end());
    tenho::cli::HandReplay replay;
    replay.enter(tenho::cli::parseOptions(words).options);
    SilentHost host;
    for (auto _ : state) {
        tenho::TENHO copy(replay.calculator(), host);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_WaitsOneCopy);

// Generated hands with their winning tile taken away: mostly waiting hands.
void BM_WaitsGenerated(benchmark::State& state)
{
    tenho::bench::HandGenerator gen(11);
    std::vector<std::unique_ptr<tenho::cli::HandReplay>> hands;
    while (hands.size() < 200) {
        const auto storage = tenho::bench::optionWords(gen.next());
        const std::vector<std::string_view> words(storage.begin(), storage.end());
        auto options = tenho::cli::parseOptions(words).options;
        options.win.reset();
        auto replay = std::make_unique<tenho::cli::HandReplay>();
        if (replay->enter(options) || !tenho::canListWaits(replay->calculator())) continue;
        hands.push_back(std::move(replay));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        auto waits = tenho::listWaits(hands[i++ % hands.size()]->calculator());
        benchmark::DoNotOptimize(waits);
    }
}
BENCHMARK(BM_WaitsGenerated);

}  // namespace

BENCHMARK_MAIN();
