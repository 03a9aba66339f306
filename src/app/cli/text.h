// SPDX-License-Identifier: GPL-3.0-or-later
// Words of the user's quoted back in messages. They come from anywhere (a
// pasted line, a file that is not text), while every message must stay
// readable UTF-8 on one line of reasonable length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenho::cli {

// Characters of a word that a message shows; a longer word shows its start
// and "…".
inline constexpr std::size_t kEchoCharacters = 40;

// The word as a message shows it: bytes that are not UTF-8 as U+FFFD, cut
// after kEchoCharacters - 1 characters with "…" when longer.
std::string echo(std::string_view word);

// echo(word) in single quotes: --hand '123m'.
std::string quoted(std::string_view word);

}  // namespace tenho::cli
