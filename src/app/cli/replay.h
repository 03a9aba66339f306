// SPDX-License-Identifier: GPL-3.0-or-later
// A hand entered on the calculator exactly as a person would enter it at the
// window: every tile, meld, box and choice goes through the window's own
// event handlers, so the hand passes the same checks, and 計算 is pressed.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/cli/hand_options.h"
#include "app/cli/io.h"
#include "app/cli/outcome.h"
#include "model/recording_host.h"
#include "model/tenho.h"

namespace tenho::cli {

// The host of a headless replay: answers the call and rule dialogs as the
// hand says and remembers what the calculator showed.
class ReplayHost final : public RecordingHost {
public:
    // Forgets the previous hand; the dialogs are answered for `hand` from now on.
    void begin(const HandOptions& hand);

    NakiCheckButton showNakiCheck(bool chiVisible) override;
    KanCheckButton showKanCheck() override;
    bool showFormOption(form_OPTION& dialog) override;
    // The first result dialog goes straight to `dialogInto` while it is set,
    // rather than into `shown`.
    HanNumberButton showHanNumber(const HAN_number& dialog) override;

    HAN_number* dialogInto = nullptr;
    // While set too, that dialog is written there as JSON instead, and
    // jsonWritten set: an answer in JSON needs no copy of the dialog.
    TextBuffer* jsonInto = nullptr;
    bool jsonWritten = false;

    MeldKind pendingMeld = MeldKind::Chi;  // the meld whose call dialog comes next
    bool chiWasHidden = false;             // the last NAKI_check offered no チー

private:
    const HandOptions* hand_ = nullptr;
};

// Scores hands one after another. Each hand starts on a calculator as the
// program starts it; one replay per thread.
class HandReplay {
public:
    // A started calculator with `hand` entered: melds, concealed tiles,
    // winning tile, boxes, dora indicators, win kind and winds, in that
    // order. The error when the window refused one of them.
    std::optional<Outcome> enter(const HandOptions& hand);

    // enter(hand), then 計算: what the calculator showed.
    Outcome score(const HandOptions& hand);
    // The same into `into`, which keeps the storage of its texts.
    void score(const HandOptions& hand, Outcome& into);

    // The calculator and host of the last hand entered.
    TENHO& calculator() { return *calculator_; }
    ReplayHost& host() { return host_; }

    // Every tile through the window's handlers one at a time, even where
    // the hand's tiles could be written in one pass: for tests, which
    // compare the two.
    bool stepByStep = false;

private:
    // The whole hand in one pass, on the calculator just started
    // (TENHO::enterWholeHand): false when some handler would refuse or
    // ignore a part of it, and the calculator is to be started again.
    bool enterWhole(const HandOptions& hand, TENHO& t);
    // The same through the handlers, one meld, tile or box after another:
    // the error when the window refused one of them.
    std::optional<Outcome> enterStepByStep(const HandOptions& hand, TENHO& t);
    // The win kind and the winds, last.
    void finish(const HandOptions& hand, TENHO& t);
    // The calculator as Form_Load and the house rules of `hand` leave it.
    TENHO& startedCalculator(const HandOptions& hand);

    ReplayHost host_;
    std::optional<TENHO> calculator_;
    // The state each pair of house rules starts from (食いタン + 2 × 連和),
    // taken the first time it is set up.
    std::array<std::optional<TENHOState>, 4> starts_;
};

// One hand on a replay of its own.
Outcome score(const HandOptions& hand);

}  // namespace tenho::cli
