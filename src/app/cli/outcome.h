// SPDX-License-Identifier: GPL-3.0-or-later
// What became of one hand: the result dialog as it was shown, the message
// box's text, or why tenho-score could not enter the hand.
#pragma once

#include <string>

#include "model/dialogs.h"

namespace tenho::cli {

struct Outcome {
    enum class Kind { Dialog, Message, Error } kind = Kind::Error;
    HAN_number dialog;    // Kind::Dialog
    std::string message;  // Kind::Message, or the error text

    static Outcome error(std::string text)
    {
        Outcome o;
        o.message = std::move(text);
        return o;
    }
};

}  // namespace tenho::cli
