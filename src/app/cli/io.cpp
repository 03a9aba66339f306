// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/io.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tenho::cli {

namespace {

// A descriptor left non-blocking by whoever started us: wait until it is ready.
bool waitFor(int fd, short events)
{
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, -1) >= 0 || errno == EINTR;
}

}  // namespace

long FdInput::read(char* buffer, std::size_t size, int& error)
{
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0) return static_cast<long>(n);
        if (errno == EINTR) continue;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd_, POLLIN)) continue;
        error = errno;
        return -1;
    }
}

int FdOutput::write(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd_, text.data(), text.size());
        if (n >= 0) {
            text.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (errno == EINTR) continue;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd_, POLLOUT)) continue;
        return errno;
    }
    return 0;
}

bool FdInput::ready()
{
    // Data, the end, an error or a descriptor that is no descriptor: a read
    // returns at once. A file is always ready.
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

long StringInput::read(char* buffer, std::size_t size, int&)
{
    ++reads;
    const std::size_t n = std::min({size, chunk_, data_.size()});
    if (n > 0) std::memcpy(buffer, data_.data(), n);
    data_.remove_prefix(n);
    return static_cast<long>(n);
}

int StringOutput::write(std::string_view piece)
{
    ++writes;
    if (failWith != 0 && text.size() + piece.size() > failAfter) {
        text.append(piece.substr(0, failAfter > text.size() ? failAfter - text.size() : 0));
        return failWith;
    }
    text += piece;
    return 0;
}

void TextBuffer::grow(std::size_t n)
{
    const std::size_t capacity = std::max({capacity_ * 2, size_ + n, std::size_t{4096}});
    std::unique_ptr<char[]> bigger(new char[capacity]);
    if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = capacity;
}

void Writer::write(std::string_view text)
{
    if (buffer_.size() + text.size() < kFlushBytes) {
        buffer_ += text;
        return;
    }
    writeThrough(text);
}

void Writer::writeThrough(std::string_view text)
{
    flush();
    if (error_ == 0 && !text.empty()) error_ = out_.write(text);
}

void Writer::flush()
{
    if (buffer_.empty()) return;
    if (error_ == 0) error_ = out_.write(buffer_.view());
    buffer_.clear();
}

}  // namespace tenho::cli
