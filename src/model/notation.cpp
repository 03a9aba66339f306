// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/notation.h"

#include "model/utf8.h"

namespace tenho {

bool parseTiles(std::string_view text, std::vector<Code>& out, std::string& reason,
                std::size_t* errorAt)
{
    const auto fail = [&](std::size_t at, std::string why) {
        reason = std::move(why);
        if (errorAt) *errorAt = at;
        return false;
    };
    if (text.empty()) return fail(0, "no tiles given");
    std::size_t digitsFrom = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            if (digits == 0) digitsFrom = i;
            ++digits;
            continue;
        }
        if (ch != 'm' && ch != 's' && ch != 'p' && ch != 'z') {
            // The whole character, so that the reason stays readable text.
            const Utf8Piece piece = utf8PieceAt(text, i);
            const std::string_view shown =
                piece.valid ? text.substr(i, piece.size) : kReplacementCharacter;
            return fail(i, "unexpected character '" + std::string(shown) +
                               "' (tiles are digits followed by m, s, p or z)");
        }
        if (digits == 0) return fail(i, std::string("suit letter '") + ch + "' without digits");
        for (std::size_t j = digitsFrom; j < i; ++j) {
            const char d = text[j];
            if (d == '0') return fail(j, "0 is not a tile number");
            if (ch == 'z') {
                if (d > '7') return fail(j, std::string(1, d) + "z is not an honour (1z..7z)");
                out.emplace_back(static_cast<char>('3' + (d - '1')), '1');
            } else {
                const char suit = ch == 'm' ? '0' : ch == 's' ? '1' : '2';
                out.emplace_back(suit, d);
            }
        }
        digits = 0;
    }
    if (digits != 0) return fail(text.size(), "digits without a suit letter at the end");
    return true;
}

std::string tileNotation(Code c)
{
    if (paletteIndex(c) < 0) return {};
    if (isHonour(c)) return std::string(1, static_cast<char>('1' + (c.suit() - '3'))) + 'z';
    std::string out(1, c.rank());
    out += c.suit() == '0' ? 'm' : c.suit() == '1' ? 's' : 'p';
    return out;
}

}  // namespace tenho
