// SPDX-License-Identifier: GPL-3.0-or-later
// A whole hand typed on one line, in the notation tenho-score reads:
//
//     234m567p88s +8s (777z) [1111s] d1m
//
// the concealed tiles; "+" the winning tile; "( )" a called meld, chi (three
// in a row), pon (three alike) or open kan (four alike); "[ ]" a closed kan;
// "d" the dora indicators. Blanks between the parts may be left out, and the
// full-width forms an input method types (２３４ｍ, ＋, （ ）) read as their
// ASCII letters.
//
// The line becomes the drops a person would make with the mouse, in the order
// a person makes them (melds first, since a meld takes its slots from the
// hand; then the hand, the winning tile and the indicators), and every drop
// goes to the handler a drop of that palette tile reaches: the refusals, the
// beep and the silent capacity stops are the window's own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/tenho.h"

namespace tenho {

// One drop a typed line stands for.
struct TypedDrop {
    enum class Target {
        Meld,         // the next free meld frame (Frame2 .. Frame5)
        Hand,         // Frame1 "手牌"
        WinningTile,  // Frame7 "和了牌"
        Dora,         // Frame6 "ドラ表示牌"
    };
    enum class Call { None, Chi, Pon, Kan, Ankan };  // the answer to the call dialogs

    Target target = Target::Hand;
    int source = 0;  // palette index of the tile dropped; a chi drops its lowest tile
    Call call = Call::None;

    bool operator==(const TypedDrop&) const = default;
};

// Where a typed line stops making sense: bytes [at, at + length) of the line
// as typed, and why, in words for the player.
struct TypingError {
    std::size_t at = 0;
    std::size_t length = 0;
    std::string reason;
};

// Reads a typed line into its drops, in the order they are made. A blank line
// is no drops. On malformed text returns false with the error, and `drops`
// holds nothing: a line enters whole or not at all.
bool readTypedHand(std::string_view line, std::vector<TypedDrop>& drops, TypingError& error);

// Makes the drops on the calculator, each through its entry handler; the call
// dialogs that a meld frame opens are answered with the call typed, without
// being shown. Returns what became of each drop.
std::vector<Entry> enterTypedHand(TENHO& t, const std::vector<TypedDrop>& drops);

}  // namespace tenho
