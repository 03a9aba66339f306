// SPDX-License-Identifier: GPL-3.0-or-later
// A calculation as tenho-score makes it allocates nothing once warm: the
// calculator is restarted between hands, the labels and keys are held in
// place. Every allocation of this test program is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "app/score_cli.h"
#include "hand_generator.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// (GCC takes the replacements' malloc and free for a mismatch with new and
// delete.)
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

namespace tenho::testing {
namespace {

TEST(Allocation, AWarmCalculationAllocatesNothing)
{
    bench::HandGenerator gen(5);
    std::vector<cli::HandOptions> hands;
    for (int n = 0; n < 2000; ++n) {
        const auto words = bench::optionWords(gen.next());
        const std::vector<std::string_view> views(words.begin(), words.end());
        hands.push_back(cli::parseOptions(views).options);
    }
    cli::HandReplay replay;                       // one a job, as in a batch
    for (const auto& h : hands) replay.score(h);  // warm

    int dialogs = 0;
    for (const auto& h : hands) {
        const long before = allocations.load();
        const cli::Outcome o = replay.score(h);
        const long during = allocations.load() - before;
        ASSERT_EQ(o.kind, cli::Outcome::Kind::Dialog);
        ASSERT_EQ(during, 0) << "allocations scoring a hand with " << o.dialog.Label1.str();
        ++dialogs;
    }
    EXPECT_EQ(dialogs, 2000);
}

}  // namespace
}  // namespace tenho::testing
