// SPDX-License-Identifier: GPL-3.0-or-later
// The scorer's streams. Reads return what is there, as the system call does,
// so that a batch answers each line as soon as it has it; failures are kept
// as errno values, because a failed read or write is an error of the run.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenho::cli {

class Input {
public:
    virtual ~Input() = default;
    // Up to `size` bytes into `buffer`: the count, waiting only while nothing
    // is there; 0 at the end of the input; -1 on a failure, its errno in `error`.
    virtual long read(char* buffer, std::size_t size, int& error) = 0;
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

    int reads = 0;

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

// Buffered output that remembers its first failure and writes nothing after it.
class Writer {
public:
    static constexpr std::size_t kFlushBytes = 1 << 16;

    explicit Writer(Output& out) : out_(out) {}
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Where answers are appended.
    std::string& buffer() { return buffer_; }
    void flush();
    void flushWhenFull()
    {
        if (buffer_.size() >= kFlushBytes) flush();
    }
    int error() const { return error_; }

private:
    Output& out_;
    std::string buffer_;
    int error_ = 0;
};

}  // namespace tenho::cli
