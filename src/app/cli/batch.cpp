// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/batch.h"

#include <cerrno>
#include <cstring>

#include "app/cli/options.h"
#include "app/cli/output.h"
#include "app/cli/waits.h"

namespace tenho::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }

void splitWords(std::string_view line, std::vector<std::string_view>& words)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
}

}  // namespace

// Where the first LF or CR lies in unread[scanned_..], or unread.size().
std::size_t LineReader::lineEnd(std::string_view unread) const
{
    const char* from = unread.data() + scanned_;
    const std::size_t size = unread.size() - scanned_;
    const void* lf = std::memchr(from, '\n', size);
    const std::size_t beforeLF =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - from) : size;
    const void* cr = std::memchr(from, '\r', beforeLF);
    const std::size_t end =
        cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - from) : beforeLF;
    return scanned_ + end;
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

LineAnswerer::Answer LineAnswerer::give(const Outcome& o, bool json, std::string& out)
{
    if (json)
        appendJson(out, o);
    else
        out += toPlain(o, true);
    out += '\n';
    return o.kind == Outcome::Kind::Error ? Answer::Error : Answer::Given;
}

LineAnswerer::Answer LineAnswerer::answer(std::string_view line, std::string& out)
{
    splitWords(line, words_);
    if (words_.empty() || words_[0].starts_with("#")) return Answer::None;
    const ParseResult r = parseOptions(words_);
    const bool waits = waits_ || r.waits;
    const bool json = json_ || r.json || waits;
    if (!r.error.empty()) return give(Outcome::error(r.error), json, out);
    if (r.batch || r.help || r.version) {
        const char* option = r.batch ? "--batch" : r.help ? "--help" : "--version";
        return give(Outcome::error(std::string(option) + ": not allowed on a batch line"), json,
                    out);
    }
    return give(waits ? answerWaits(replay_, r.options) : replay_.score(r.options), json, out);
}

LineAnswerer::Answer LineAnswerer::answerTooLong(std::string& out)
{
    return give(Outcome::error("a line of more than " + std::to_string(kMaxLineBytes) +
                               " bytes is skipped"),
                json_, out);
}

int runBatch(bool json, bool waits, Input& in, Writer& out, Output& err)
{
    LineReader reader(in);
    // Whatever is answered goes out before the reader may wait, so that a
    // program can write a line and read its answer; from a file the reads
    // come back at once and the answers go out in large writes.
    reader.beforeRead = [&out] { out.flush(); };
    LineAnswerer answerer(json, waits);
    bool anyError = false;
    std::string_view line;
    for (LineReader::Status s; (s = reader.next(line)) != LineReader::Status::End;) {
        if (s == LineReader::Status::Failed) {
            out.flush();
            std::string text = "tenho-score: standard input: ";
            text += std::strerror(reader.error());
            text += '\n';
            err.write(text);
            return 2;
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

}  // namespace tenho::cli
