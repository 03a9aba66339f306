// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/text.h"

#include "model/utf8.h"

namespace tenho::cli {

std::string echo(std::string_view word)
{
    // Where the shown part ends: after kEchoCharacters - 1 characters, or the
    // whole word when it has no more than kEchoCharacters.
    std::size_t cut = word.size();
    std::size_t characters = 0;
    for (std::size_t i = 0; i < word.size(); i += utf8PieceAt(word, i).size) {
        ++characters;
        if (characters == kEchoCharacters) cut = i;
        if (characters > kEchoCharacters) break;
    }
    std::string out;
    if (characters <= kEchoCharacters) {
        appendValidUtf8(out, word);
        return out;
    }
    appendValidUtf8(out, word.substr(0, cut));
    out += "…";
    return out;
}

std::string quoted(std::string_view word) { return "'" + echo(word) + "'"; }

}  // namespace tenho::cli
