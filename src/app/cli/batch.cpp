// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/batch.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

#include "app/cli/options.h"
#include "app/cli/output.h"
#include "app/cli/waits.h"
#include "model/few_bytes.h"

namespace tenho::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether "-waits" occurs in the line. Its "w" is rare in a line ("--win"
// has the only other), so the search goes from "w" to "w" rather than from
// "-" to "-", of which every option has two.
bool mentionsWaits(std::string_view line)
{
    constexpr std::string_view kWaits = "waits";
    for (std::size_t at = line.find('w', 1); at != std::string_view::npos;
         at = line.find('w', at + 1))
        if (line[at - 1] == '-' && line.substr(at, kWaits.size()) == kWaits) return true;
    return false;
}

}  // namespace

// Where the first LF or CR lies in unread[scanned_..], or unread.size().
std::size_t LineReader::lineEnd(std::string_view unread) const
{
    const char* from = unread.data() + scanned_;
    const std::size_t size = unread.size() - scanned_;
#if defined(__SSE2__)
    // One pass for both, 32 bytes at a time (a line is some 90), then 16,
    // then the few left one by one.
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        const unsigned found = either16(from + i, '\n', '\r') | either16(from + i + 16, '\n', '\r')
                                                                    << 16;
        if (found != 0) return scanned_ + i + static_cast<std::size_t>(std::countr_zero(found));
    }
    for (; i + 16 <= size; i += 16)
        if (const unsigned found = either16(from + i, '\n', '\r'); found != 0)
            return scanned_ + i + static_cast<std::size_t>(std::countr_zero(found));
    for (; i < size; ++i)
        if (from[i] == '\n' || from[i] == '\r') break;
    return scanned_ + i;
#else
    const void* lf = std::memchr(from, '\n', size);
    const std::size_t beforeLF =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - from) : size;
    const void* cr = std::memchr(from, '\r', beforeLF);
    const std::size_t end =
        cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - from) : beforeLF;
    return scanned_ + end;
#endif
}

LineReader::LineReader(Input& in) : in_(in), buffer_(std::make_unique<char[]>(kBufferBytes)) {}

void LineReader::read()
{
    // The unread bytes are the start of one line, no longer than a line may
    // be: moved to the front, they leave room for a whole read. They are
    // moved only when that room is short, so that input trickling in a few
    // bytes a read costs no more than input in large reads.
    if (kBufferBytes - end_ < kReadBytes) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (beforeRead) beforeRead();
    const long n = in_.read(buffer_.get() + end_, kBufferBytes - end_, error_);
    if (n < 0) {
        atEnd_ = true;
        if (error_ == 0) error_ = EIO;
    } else if (n == 0) {
        atEnd_ = true;
    } else {
        end_ += static_cast<std::size_t>(n);
    }
}

LineReader::Status LineReader::next(std::string_view& line)
{
    for (;;) {
        if (error_ != 0) return Status::Failed;
        const std::string_view unread(buffer_.get() + begin_, end_ - begin_);
        if (atStart_) {
            // A mark split over reads is waited for; anything else at the
            // start is the first line.
            if (unread.size() < kByteOrderMark.size() && !atEnd_ &&
                kByteOrderMark.starts_with(unread)) {
                read();
                continue;
            }
            if (unread.starts_with(kByteOrderMark)) begin_ += kByteOrderMark.size();
            atStart_ = false;
            continue;
        }
        if (afterCR_ && !unread.empty()) {
            afterCR_ = false;
            if (unread[0] == '\n') {
                ++begin_;
                continue;
            }
        }
        const std::size_t eol = lineEnd(unread);
        if (eol < unread.size()) {
            afterCR_ = unread[eol] == '\r';
            begin_ += eol + 1;
            scanned_ = 0;
            if (skipping_ || eol > kMaxLineBytes) {
                skipping_ = false;
                return Status::TooLong;
            }
            line = unread.substr(0, eol);
            return Status::Line;
        }
        // No line break among the unread bytes.
        scanned_ = unread.size();
        if (skipping_ || unread.size() > kMaxLineBytes) {
            skipping_ = true;
            begin_ = end_;
            scanned_ = 0;
        }
        if (atEnd_) {
            begin_ = end_;
            scanned_ = 0;
            if (skipping_) {
                skipping_ = false;
                return Status::TooLong;
            }
            if (unread.empty()) return Status::End;
            line = unread;  // the last line, without a line break
            return Status::Line;
        }
        read();
    }
}

LineAnswerer::Answer LineAnswerer::give(const Outcome& o, bool json, TextBuffer& out)
{
    if (json)
        appendJson(out, o);
    else
        appendPlain(out, o, true);
    out += '\n';
    return o.kind == Outcome::Kind::Error ? Answer::Error : Answer::Given;
}

LineAnswerer::Answer LineAnswerer::answer(std::string_view line, TextBuffer& out)
{
    if (!parseLine(line, words_, parsed_)) return Answer::None;
    const ParseResult& r = parsed_;
    const bool waits = waits_ || r.waits;
    const bool json = json_ || r.json || waits;
    if (!r.error.empty()) return give(Outcome::error(r.error), json, out);
    if (r.batch || r.help || r.version || r.jobs != 0) {
        const char* option = r.batch     ? "--batch"
                             : r.help    ? "--help"
                             : r.version ? "--version"
                                         : "--jobs";
        return give(Outcome::error(std::string(option) + ": not allowed on a batch line"), json,
                    out);
    }
    if (waits) return give(answerWaits(replay_, r.options), json, out);
    // In JSON the result dialog goes to the answer straight from the
    // calculator's, and outcome_ keeps only its kind.
    ReplayHost& host = replay_.host();
    host.jsonInto = json ? &out : nullptr;
    host.jsonWritten = false;
    replay_.score(r.options, outcome_);
    host.jsonInto = nullptr;
    if (host.jsonWritten && outcome_.kind == Outcome::Kind::Dialog) {
        out += '\n';
        return Answer::Given;
    }
    return give(outcome_, json, out);
}

LineAnswerer::Answer LineAnswerer::answerTooLong(TextBuffer& out)
{
    return give(Outcome::error("a line of more than " + std::to_string(kMaxLineBytes) +
                               " bytes is skipped"),
                json_, out);
}

int defaultJobs()
{
    int n = 0;
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) n = CPU_COUNT(&set);
    if (n <= 0) n = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(n, 1, kMaxJobs);
}

Processors Processors::ofThisThread()
{
    Processors p;
    const int here = sched_getcpu();
    if (here < 0 || sched_getaffinity(0, sizeof p.allowed_, &p.allowed_) != 0 ||
        !CPU_ISSET(here, &p.allowed_))
        return p;
    for (int cpu = here; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &p.allowed_)) p.order_[p.count_++] = static_cast<std::uint16_t>(cpu);
    for (int cpu = 0; cpu < here; ++cpu)
        if (CPU_ISSET(cpu, &p.allowed_)) p.order_[p.count_++] = static_cast<std::uint16_t>(cpu);
    return p;
}

void Processors::move(std::thread& thread, std::size_t j) const
{
    if (count_ < 2 || j % count_ == 0) return;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(order_[j % count_], &one);
    // Pinned for a moment, which puts the thread there at once, whether it
    // runs yet or waits to; where either call fails, the thread is left
    // where the scheduler puts it.
    const pthread_t handle = thread.native_handle();
    if (pthread_setaffinity_np(handle, sizeof one, &one) == 0)
        pthread_setaffinity_np(handle, sizeof allowed_, &allowed_);
}

namespace {

int readFailed(const LineReader& reader, Output& err)
{
    std::string text = "tenho-score: standard input: ";
    text += std::strerror(reader.error());
    text += '\n';
    err.write(text);
    return 2;
}

// The lines read one after another, answered as they come.
int runSerially(const BatchOptions& options, Input& in, Writer& out, Output& err)
{
    LineReader reader(in);
    // Whatever is answered goes out before the reader may wait, so that a
    // program can write a line and read its answer; from a file the reads
    // come back at once and the answers go out in large writes.
    reader.beforeRead = [&] {
        if (!in.ready()) out.flush();
    };
    LineAnswerer answerer(options.json, options.waits);
    bool anyError = false;
    std::string_view line;
    for (LineReader::Status s; (s = reader.next(line)) != LineReader::Status::End;) {
        if (s == LineReader::Status::Failed) {
            out.flush();
            return readFailed(reader, err);
        }
        const LineAnswerer::Answer a = s == LineReader::Status::TooLong
                                           ? answerer.answerTooLong(out.buffer())
                                           : answerer.answer(line, out.buffer());
        anyError = anyError || a == LineAnswerer::Answer::Error;
        out.flushWhenFull();
        if (out.error() != 0) break;
    }
    return anyError ? 2 : 0;
}

// A run of consecutive lines, copied out of the reader, and once scored
// their answers.
struct Chunk {
    struct Line {
        std::size_t at;
        std::size_t size;
        bool tooLong;
    };
    TextBuffer text;  // the lines one after another
    std::vector<Line> lines;
    TextBuffer answers;
    std::size_t weight = 0;  // of the lines, as ParallelBatch weighs them
    bool anyError = false;

    void clear()
    {
        text.clear();
        lines.clear();
        answers.clear();
        weight = 0;
        anyError = false;
    }
    void add(std::string_view line, bool tooLong, std::size_t lineWeight)
    {
        lines.push_back({text.size(), line.size(), tooLong});
        text += line;
        weight += lineWeight;
    }
    void answer(LineAnswerer& answerer)
    {
        for (const Line& l : lines) {
            const LineAnswerer::Answer a =
                l.tooLong ? answerer.answerTooLong(answers)
                          : answerer.answer(text.view().substr(l.at, l.size), answers);
            anyError = anyError || a == LineAnswerer::Answer::Error;
        }
    }
};

// The lines in chunks, scored by worker threads while the reading goes on;
// the answers are written chunk by chunk in the order of the lines. The
// reading thread is one of the jobs: with one worker fewer than there are
// jobs, it scores the next chunk out itself whenever it would otherwise wait
// for the oldest to be answered. A ring of twice as many chunks as there are
// jobs bounds the memory: when every chunk is out and taken, the reading
// waits for the oldest to be answered.
class ParallelBatch {
public:
    ParallelBatch(const BatchOptions& options, Writer& out)
        : options_(options), out_(out),
          // Chunks small enough that every worker has one while its answers
          // are written, large enough that handing them over costs little.
          chunkWeight_(std::clamp<std::size_t>(4096 / jobs(), 32, 256)), ring_(2 * jobs() + 2),
          done_(ring_.size(), false), own_(options.json, options.waits)
    {
    }
    ParallelBatch(const ParallelBatch&) = delete;
    ParallelBatch& operator=(const ParallelBatch&) = delete;

    ~ParallelBatch()
    {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        work_.notify_all();
        for (std::thread& t : workers_) t.join();
    }

    void add(std::string_view line, bool tooLong)
    {
        Chunk& c = filling();
        // A line with --waits takes some thirty times as long, and its answer
        // is as many times as long: it weighs more, so that a chunk of them
        // is no larger, and the ring no fuller, than one of plain lines.
        const bool waits = options_.waits || (!tooLong && mentionsWaits(line));
        c.add(line, tooLong, waits ? kWaitsWeight : 1);
        if (c.weight >= chunkWeight_ || c.text.size() >= kChunkBytes) dispatch();
    }

    // Every line taken so far answered, written and flushed.
    void drain()
    {
        Chunk& c = filling();
        if (!c.lines.empty()) {
            if (dispatched_ == written_) {
                // Nothing else is out: answered here, at once, as a line of
                // a program that waits for its answer is.
                c.answer(own_);
                write(c);
                c.clear();
            } else {
                dispatch();
            }
        }
        while (written_ < dispatched_) writeFinished(true);
        out_.flush();
    }

    bool anyError() const { return anyError_; }

private:
    static constexpr std::size_t kChunkBytes = 1 << 16;
    static constexpr std::size_t kWaitsWeight = 16;

    std::size_t jobs() const { return static_cast<std::size_t>(options_.jobs); }
    Chunk& filling() { return ring_[dispatched_ % ring_.size()]; }

    void dispatch()
    {
        if (workers_.empty()) startWorkers();
        if (workers_.empty()) {
            // Not one thread could be started: the lines are answered here.
            filling().answer(own_);
            write(filling());
            filling().clear();
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            done_[dispatched_ % ring_.size()] = false;
            ++dispatched_;
        }
        work_.notify_one();
        writeFinished(false);
        // The next chunk to fill is the oldest one out when every one is out.
        if (dispatched_ - written_ == ring_.size()) writeFinished(true);
        filling().clear();
    }

    void startWorkers()
    {
        const Processors processors = Processors::ofThisThread();
        try {
            for (std::size_t j = 1; j < jobs(); ++j) {
                workers_.emplace_back([this] { work(); });
                processors.move(workers_.back(), j);
            }
        } catch (const std::system_error&) {
            // Fewer workers than asked for; they score all the same.
        }
    }

    // Writes the oldest chunks that are answered: none, or with `wait` the
    // oldest at least, once it is; meanwhile the chunks out that no worker
    // has taken yet are answered here.
    void writeFinished(bool wait)
    {
        for (;;) {
            std::unique_lock lock(mutex_);
            if (written_ == dispatched_) return;
            const std::size_t slot = written_ % ring_.size();
            if (!done_[slot]) {
                if (!wait) return;
                if (taken_ < dispatched_) {
                    answerTaken(lock, own_);
                    continue;
                }
                finished_.wait(lock, [&] { return static_cast<bool>(done_[slot]); });
            }
            lock.unlock();
            write(ring_[slot]);
            lock.lock();
            ++written_;
            wait = false;
        }
    }

    void write(const Chunk& c)
    {
        anyError_ = anyError_ || c.anyError;
        // A full chunk's answers (some 45 KB) go out from the chunk itself:
        // copied, they would only push the reading thread's own work out of
        // its cache.
        if (c.answers.size() >= Writer::kFlushBytes / 4)
            out_.writeThrough(c.answers.view());
        else
            out_.write(c.answers.view());
    }

    // Takes the next chunk out that no one has taken, under `lock`, and
    // answers it; returns with the lock released.
    void answerTaken(std::unique_lock<std::mutex>& lock, LineAnswerer& answerer)
    {
        const std::size_t slot = taken_++ % ring_.size();
        lock.unlock();
        ring_[slot].answer(answerer);
        lock.lock();
        done_[slot] = true;
        lock.unlock();
    }

    void work()
    {
        LineAnswerer answerer(options_.json, options_.waits);
        for (;;) {
            std::unique_lock lock(mutex_);
            work_.wait(lock, [&] { return stop_ || taken_ < dispatched_; });
            if (stop_) return;
            answerTaken(lock, answerer);
            finished_.notify_one();
        }
    }

    const BatchOptions options_;
    Writer& out_;
    const std::size_t chunkWeight_;  // a chunk is handed out at this weight
    std::vector<Chunk> ring_;
    // Chunks by number: [written_, dispatched_) are out, the first taken_ of
    // all were taken by a worker, and chunk n lives in ring_[n % size].
    std::size_t written_ = 0;
    std::size_t dispatched_ = 0;
    std::size_t taken_ = 0;
    std::vector<char> done_;  // by ring place: answered
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable finished_;
    bool stop_ = false;
    std::vector<std::thread> workers_;
    LineAnswerer own_;
    bool anyError_ = false;
};

int runInParallel(const BatchOptions& options, Input& in, Writer& out, Output& err)
{
    LineReader reader(in);
    ParallelBatch batch(options, out);
    // As when the lines are scored one by one: before the reader may wait,
    // every line read so far is answered and its answer written.
    reader.beforeRead = [&] {
        if (!in.ready()) batch.drain();
    };
    std::string_view line;
    for (LineReader::Status s; (s = reader.next(line)) != LineReader::Status::End;) {
        if (s == LineReader::Status::Failed) {
            batch.drain();
            return readFailed(reader, err);
        }
        batch.add(line, s == LineReader::Status::TooLong);
        if (out.error() != 0) return batch.anyError() ? 2 : 0;
    }
    batch.drain();
    return batch.anyError() ? 2 : 0;
}

}  // namespace

int runBatch(const BatchOptions& options, Input& in, Writer& out, Output& err)
{
    if (options.jobs <= 1) return runSerially(options, in, out, err);
    return runInParallel(options, in, out, err);
}

}  // namespace tenho::cli
