// SPDX-License-Identifier: GPL-3.0-or-later
// What became of one hand: the result dialog as it was shown, the message
// box's text, its waits (--waits), or why tenho-score could not enter the hand.
#pragma once

#include <string>
#include <vector>

#include "evaluation/waits.h"
#include "model/dialogs.h"

namespace tenho::cli {

struct Outcome {
    enum class Kind { Dialog, Message, Waits, Error } kind = Kind::Error;
    HAN_number dialog;        // Kind::Dialog
    std::string message;      // Kind::Message, or the error text
    std::vector<Wait> waits;  // Kind::Waits, in tile-code order

    static Outcome error(std::string text)
    {
        Outcome o;
        o.message = std::move(text);
        return o;
    }
};

}  // namespace tenho::cli
