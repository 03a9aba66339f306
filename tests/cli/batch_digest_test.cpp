// SPDX-License-Identifier: GPL-3.0-or-later
// Every answer of the scorer, byte for byte, on a large generated batch:
// complete hands, and the same kind of lines corrupted (errors, refusals,
// odd options). The digests were taken from tenho-score before the core was
// made fast, and those of the corrupted lines again once "--" ended the
// options and a --json anywhere on a line made its answer JSON (the only
// answers that changed); any other change of any answer, message or error
// text shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/score_cli.h"
#include "hand_generator.h"

namespace tenho::testing {
namespace {

// `count` lines from the generator; with `corrupt`, about a third of them
// lose characters, gain a stray option or word, or have a character changed.
std::string batchInput(std::uint64_t seed, int count, bool corrupt)
{
    static const char* const junk[] = {
        "--hand",   "--win",     "--chi",   "--pon", "--kan",   "--ankan", "--dora",
        "--riichi", "--ippatsu", "--tsumo", "--ron", "--round", "--seat",  "E",
        "9z",       "0m",        "1111m",   "x",     "--json",  "123",     "m"};
    bench::HandGenerator gen(seed);
    std::mt19937_64 r(seed * 7 + 1);
    std::string input;
    for (int i = 0; i < count; ++i) {
        std::string l = gen.next();
        if (corrupt && r() % 3 == 0) {
            const auto k = r() % 4;
            // The draws in the order the lines of the recorded digests took them.
            if (k == 0 && !l.empty()) {
                const auto length = 1 + r() % 4;
                l.erase(r() % l.size(), length);
            } else if (k == 1) {
                const std::string word = std::string(" ") + junk[r() % 21] + " ";
                l.insert(r() % (l.size() + 1), word);
            } else if (k == 2 && !l.empty()) {
                const char ch = "0123456789mpsz -EWSN"[r() % 20];
                l[r() % l.size()] = ch;
            } else {
                l += std::string(" ") + junk[r() % 21];
            }
        }
        input += l;
        input += '\n';
    }
    return input;
}

struct Digest {
    std::uint64_t fnv1a = 0xcbf29ce484222325;
    std::size_t bytes = 0;
    bool operator==(const Digest&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Digest& d)
{
    return os << std::hex << "0x" << d.fnv1a << std::dec << " over " << d.bytes << " bytes";
}

// With `jobs`, the lines are scored by that many jobs, read as from a file
// (so that they go out in full chunks, not as each read is answered).
Digest batchDigest(const std::string& input, bool json, std::string_view jobs = "1")
{
    cli::StringInput in(input);
    in.likeAFile = jobs != "1";
    cli::StringOutput out;
    cli::StringOutput err;
    std::vector<std::string_view> args = {"--batch", "--jobs", jobs};
    if (json) args.push_back("--json");
    cli::run(args, in, out, err);
    Digest d;
    for (char ch : out.text) {
        d.fnv1a ^= static_cast<unsigned char>(ch);
        d.fnv1a *= 0x100000001b3;
    }
    d.bytes = out.text.size();
    return d;
}

TEST(BatchDigest, CompleteHandsAnswerAsBefore)
{
    const std::string input = batchInput(1, 20000, false);
    const Digest expected{0x44ea1aab5649c1b3, 3503456};
    EXPECT_EQ(batchDigest(input, true), expected);
    // Any number of jobs answers as one does.
    EXPECT_EQ(batchDigest(input, true, "2"), expected) << "--jobs 2";
}

TEST(BatchDigest, CorruptedLinesAnswerAsBefore)
{
    const std::string input = batchInput(2, 20000, true);
    EXPECT_EQ(batchDigest(input, true), (Digest{0x64df717988d4155f, 2752899})) << "--json";
    EXPECT_EQ(batchDigest(input, false), (Digest{0x26d390bbfdfaa7ac, 1126826})) << "plain";
    EXPECT_EQ(batchDigest(input, true, "7"), (Digest{0x64df717988d4155f, 2752899})) << "--jobs 7";
    EXPECT_EQ(batchDigest(input, false, "3"), (Digest{0x26d390bbfdfaa7ac, 1126826}))
        << "plain, --jobs 3";
}

}  // namespace
}  // namespace tenho::testing
