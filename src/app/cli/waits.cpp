// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/waits.h"

#include "evaluation/waits.h"

namespace tenho::cli {

Outcome answerWaits(HandReplay& replay, const HandOptions& hand)
{
    if (hand.win)
        return Outcome::error(
            "--waits: not allowed with --win (the waits are the tiles that could win)");
    if (auto refused = replay.enter(hand)) return std::move(*refused);
    const TENHO& t = replay.calculator();
    if (const int n = waitingHandTiles(t); n != 13)
        return Outcome::error("--waits: the hand has " + std::to_string(n) +
                              (n == 1 ? " tile" : " tiles") +
                              " (13 are needed: the concealed tiles and three for each "
                              "meld)");
    WaitList list = listWaits(t);
    Outcome o;
    if (!list.message.empty()) {
        o.kind = Outcome::Kind::Message;
        o.message = std::move(list.message);
    } else {
        o.kind = Outcome::Kind::Waits;
        o.waits = std::move(list.waits);
    }
    return o;
}

}  // namespace tenho::cli
