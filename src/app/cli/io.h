// SPDX-License-Identifier: GPL-3.0-or-later
// The scorer's streams. Reads return what is there, as the system call does,
// so that a batch answers each line as soon as it has it; failures are kept
// as errno values, because a failed read or write is an error of the run.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace tenho::cli {

class Input {
public:
    virtual ~Input() = default;
    // Up to `size` bytes into `buffer`: the count, waiting only while nothing
    // is there; 0 at the end of the input; -1 on a failure, its errno in `error`.
    virtual long read(char* buffer, std::size_t size, int& error) = 0;
    // Whether a read now would return at once (with bytes, the end or a
    // failure); false when it may wait.
    virtual bool ready() { return false; }
};

class Output {
public:
    virtual ~Output() = default;
    // Writes all of `text`; 0, or the errno of the failure.
    virtual int write(std::string_view text) = 0;
};

// A file descriptor: standard input, output or error of the program.
class FdInput final : public Input {
public:
    explicit FdInput(int fd) : fd_(fd) {}
    long read(char* buffer, std::size_t size, int& error) override;
    bool ready() override;

private:
    int fd_;
};

class FdOutput final : public Output {
public:
    explicit FdOutput(int fd) : fd_(fd) {}
    int write(std::string_view text) override;

private:
    int fd_;
};

// Input held in memory, handed out at most `chunk` bytes a read, as a pipe
// would deliver it.
class StringInput final : public Input {
public:
    explicit StringInput(std::string_view data, std::size_t chunk = std::string_view::npos)
        : data_(data), chunk_(chunk == 0 ? 1 : chunk)
    {
    }
    long read(char* buffer, std::size_t size, int& error) override;
    // As a file, whose reads never wait, or (the default) as a pipe, which
    // may have to wait before each read.
    bool ready() override { return likeAFile; }

    int reads = 0;
    bool likeAFile = false;

private:
    std::string_view data_;
    std::size_t chunk_;
};

// Output kept in memory; failWith makes every write after the first
// `failAfter` bytes fail with that errno.
class StringOutput final : public Output {
public:
    int write(std::string_view text) override;

    std::string text;
    int writes = 0;
    int failWith = 0;
    std::size_t failAfter = 0;
};

// Text written piece by piece into storage that is kept when it is cleared,
// so that answer after answer is written without a string of its own.
class TextBuffer {
public:
    TextBuffer() = default;
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;
    TextBuffer(TextBuffer&&) = default;
    TextBuffer& operator=(TextBuffer&&) = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {data_.get(), size_}; }
    void clear() { size_ = 0; }

    // Room for `n` more bytes at the end, written through the pointer
    // returned; setEnd then takes the text up to where the writing stopped.
    char* room(std::size_t n)
    {
        if (capacity_ - size_ < n) grow(n);
        return data_.get() + size_;
    }
    void setEnd(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

    void append(std::string_view text)
    {
        char* at = room(text.size());
        if (!text.empty()) std::memcpy(at, text.data(), text.size());
        size_ += text.size();
    }
    TextBuffer& operator+=(std::string_view text)
    {
        append(text);
        return *this;
    }
    TextBuffer& operator+=(char ch)
    {
        *room(1) = ch;
        ++size_;
        return *this;
    }
    TextBuffer& operator=(std::string_view text)
    {
        clear();
        append(text);
        return *this;
    }

private:
    void grow(std::size_t n);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Buffered output that remembers its first failure and writes nothing after it.
class Writer {
public:
    static constexpr std::size_t kFlushBytes = 1 << 16;

    explicit Writer(Output& out) : out_(out) {}
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Where answers are appended.
    TextBuffer& buffer() { return buffer_; }
    void flush();
    void flushWhenFull()
    {
        if (buffer_.size() >= kFlushBytes) flush();
    }
    // Appends `text` as buffer() would; when that fills the buffer, what is
    // buffered goes out and then `text` itself, without being copied.
    void write(std::string_view text);
    // What is buffered goes out, then `text`, without being copied: for a
    // large piece that is written where it lies.
    void writeThrough(std::string_view text);
    int error() const { return error_; }

private:
    Output& out_;
    TextBuffer buffer_;
    int error_ = 0;
};

}  // namespace tenho::cli
