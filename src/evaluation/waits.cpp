// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/waits.h"

#include <optional>
#include <string_view>

#include "model/recording_host.h"

namespace tenho {

namespace {

constexpr std::string_view kNotComplete = "聴牌していません";

}  // namespace

int waitingHandTiles(const TENHO& t) { return t.List[0].count() + 3 * t.meldCount(); }

bool canListWaits(const TENHO& t)
{
    return t.Text1.empty() && !t.ENDPAI.visible && waitingHandTiles(t) == 13;
}

WaitList listWaits(const TENHO& t)
{
    WaitList out;
    if (!canListWaits(t)) return out;

    RecordingHost host;
    std::optional<TENHO> trial;
    // One trial: a fresh copy, the tile dropped on 和了牌, the win kind, 計算.
    // False when the drop was refused (the kind is four times on the table).
    const auto press = [&](int kind, bool tsumo) {
        host.clear();
        trial.emplace(t, host);
        if (trial->Frame7_DragDrop(kind) != Entry::Accepted) return false;
        if (tsumo)
            trial->selectTUMO_END();
        else
            trial->selectRON_END();
        trial->cmdKEISAN_Click();
        return true;
    };

    for (int kind = 0; kind < kTileKinds; ++kind) {
        if (!press(kind, false)) continue;
        if (host.message) {
            // The winds are checked before the tiles: every trial would say the same.
            out.message = std::move(*host.message);
            out.waits.clear();
            return out;
        }
        // Whether the fourteen tiles make a hand does not depend on the win
        // kind: a kind that is no wait on a discard is none by self-draw.
        if (!host.shown || host.shown->Label1 == kNotComplete) continue;
        Wait w{kHaiCodes[static_cast<std::size_t>(kind)], std::move(*host.shown), {}};
        press(kind, true);
        if (host.shown) w.tsumo = std::move(*host.shown);
        out.waits.push_back(std::move(w));
    }
    return out;
}

}  // namespace tenho
