// SPDX-License-Identifier: GPL-3.0-or-later
// Random hands in tenho-score's option syntax, for benchmarks and for the
// robustness tests: mostly complete hands that the window would accept, with
// melds, dora and situation boxes, and a share of broken ones.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tenho::bench {

class HandGenerator {
public:
    explicit HandGenerator(std::uint64_t seed) : rng_(seed) {}

    // One line of options (without a line break).
    std::string next();

private:
    int roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    std::mt19937_64 rng_;
};

// The words of a line of options, split at blanks.
std::vector<std::string> optionWords(const std::string& line);

}  // namespace tenho::bench
