// SPDX-License-Identifier: GPL-3.0-or-later
// The short written form of tiles that players use: digits followed by a suit
// letter, several digits sharing one letter ("234m567p33z"; m 萬子, s 索子,
// p 筒子, z 1 東 2 南 3 西 4 北 5 白 6 發 7 中). tenho-score reads it from its
// options, the window from its typing field.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/tile.h"

namespace tenho {

// Appends the tiles of `text` to `out` in the order written. On malformed
// text returns false with a reason (valid UTF-8 whatever the text: it quotes
// a whole character, or U+FFFD for bytes that are not one) and, when errorAt
// is given, the byte
// offset where the text stops making sense (text.size() for digits left
// without a letter at the end); `out` may then hold the tiles read before.
bool parseTiles(std::string_view text, std::vector<Code>& out, std::string& reason,
                std::size_t* errorAt = nullptr);
// The same into a fixed place: the first out.size() tiles, and in `count`
// how many the text holds (of those read, on malformed text).
bool parseTiles(std::string_view text, std::span<Code> out, std::size_t& count, std::string& reason,
                std::size_t* errorAt = nullptr);

// The written form of one tile ("5s", "7z"); "" for anything that is not a tile.
std::string tileNotation(Code c);

}  // namespace tenho
