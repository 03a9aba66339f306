// SPDX-License-Identifier: GPL-3.0-or-later
// --batch: one hand per line of standard input, one answer per line, in
// order. Memory stays the same whatever the input: lines are read through a
// fixed buffer, and a line too long for it is skipped with an error. With
// several jobs, the lines go in chunks to threads that score them, and the
// answers come out in the order of the lines.
#pragma once

#include <sched.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/cli/io.h"
#include "app/cli/options.h"
#include "app/cli/replay.h"

namespace tenho::cli {

inline constexpr std::size_t kMaxLineBytes = 4096;

// Splits the input into lines: LF, CR and CR LF each end one. A UTF-8 byte
// order mark at the very start is skipped.
class LineReader {
public:
    enum class Status {
        Line,     // `line` holds it, without its line break
        TooLong,  // a line of more than kMaxLineBytes, dropped
        End,
        Failed,  // the input could not be read: error()
    };

    explicit LineReader(Input& in);

    // The next line; `line` stays valid until the next call.
    Status next(std::string_view& line);
    int error() const { return error_; }

    // Called before every read of the input, that is, whenever the reader
    // may have to wait for more.
    std::function<void()> beforeRead;

private:
    static constexpr std::size_t kReadBytes = 1 << 16;
    static constexpr std::size_t kBufferBytes = kMaxLineBytes + 1 + kReadBytes;

    void read();
    std::size_t lineEnd(std::string_view unread) const;

    Input& in_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // unread bytes: [begin_, end_)
    std::size_t end_ = 0;
    std::size_t scanned_ = 0;  // unread bytes known to hold no line break
    bool atStart_ = true;      // the byte order mark not looked for yet
    bool afterCR_ = false;     // a line ended with CR: an LF next belongs to it
    bool skipping_ = false;    // inside a line that is too long
    bool atEnd_ = false;
    int error_ = 0;
};

// Answers batch lines one after another on a replay of its own; a batch
// scored in parallel has one per thread.
class LineAnswerer {
public:
    enum class Answer { None, Given, Error };

    // waits: every line is answered as with --waits (and so in JSON).
    explicit LineAnswerer(bool json, bool waits = false) : json_(json || waits), waits_(waits) {}

    // Appends the answer to `line` and a line break to `out`, or nothing for
    // a blank line or a comment (first word starting with #).
    Answer answer(std::string_view line, TextBuffer& out);
    // The answer to a line that was too long to read.
    Answer answerTooLong(TextBuffer& out);

private:
    Answer give(const Outcome& outcome, bool json, TextBuffer& out);

    bool json_;
    bool waits_;
    HandReplay replay_;
    // Kept from line to line, with the storage of their texts and lists;
    // the words of a line are written into words_, as long as the longest
    // line needed.
    std::vector<std::string_view> words_;
    ParseResult parsed_;
    Outcome outcome_;
};

struct BatchOptions {
    bool json = false;
    bool waits = false;
    int jobs = 1;  // threads that score; 1: the lines are scored as they are read
};

// The jobs of a batch when --jobs is not given: one for every processor the
// program may run on, at most kMaxJobs.
int defaultJobs();

// The processors the program may run on, counted from the one a thread runs
// on now. A new thread is put on its creator's processor, and there it may
// wait for milliseconds, until the creator's turn is over, while another
// processor stands idle; a batch of a few thousand hands is over by then. So
// the creator moves each worker of a batch once to a processor of its own
// (the j-th from its own, round the set) as soon as it is made, and lets it
// free at once to go wherever the scheduler sends it.
class Processors {
public:
    static Processors ofThisThread();
    void move(std::thread& thread, std::size_t j) const;

private:
    cpu_set_t allowed_{};
    std::array<std::uint16_t, CPU_SETSIZE> order_{};
    std::size_t count_ = 0;
};

// Answers every line of `in` into `out`; 0, or 2 when a line's answer was an
// error or the input failed (then with a message on `err`). A failure to
// write is left in `out`. Whatever is answered goes out before the batch
// waits for more input.
int runBatch(const BatchOptions& options, Input& in, Writer& out, Output& err);

}  // namespace tenho::cli
