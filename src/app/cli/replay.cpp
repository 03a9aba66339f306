// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/replay.h"

#include <algorithm>

#include "app/cli/output.h"
#include "app/cli/refusals.h"

namespace tenho::cli {

void ReplayHost::begin(const HandOptions& hand)
{
    clear();
    hand_ = &hand;
    pendingMeld = MeldKind::Chi;
    chiWasHidden = false;
}

NakiCheckButton ReplayHost::showNakiCheck(bool chiVisible)
{
    chiWasHidden = false;
    switch (pendingMeld) {
    case MeldKind::Chi:
        if (!chiVisible) {
            chiWasHidden = true;
            return NakiCheckButton::Cancel;
        }
        return NakiCheckButton::Chi;
    case MeldKind::Pon:
        return NakiCheckButton::Pon;
    case MeldKind::Kan:
    case MeldKind::Ankan:
        return NakiCheckButton::Kan;
    }
    return NakiCheckButton::Cancel;
}

KanCheckButton ReplayHost::showKanCheck()
{
    return pendingMeld == MeldKind::Ankan ? KanCheckButton::Ankan : KanCheckButton::Minkan;
}

bool ReplayHost::showFormOption(form_OPTION& dialog)
{
    dialog.Option1 = hand_ && hand_->kuitan ? 0 : 1;
    dialog.Option3 = hand_ && hand_->renhou ? 0 : 1;
    return true;
}

HanNumberButton ReplayHost::showHanNumber(const HAN_number& dialog)
{
    if (dialogInto == nullptr || dialogsShown > 0) return RecordingHost::showHanNumber(dialog);
    ++dialogsShown;
    if (jsonInto != nullptr) {
        appendDialogJson(*jsonInto, dialog);
        jsonWritten = true;
    } else {
        *dialogInto = dialog;
    }
    return hanNumberAnswer;
}

TENHO& HandReplay::startedCalculator(const HandOptions& hand)
{
    // One calculator per replay, started afresh for every hand: building the
    // window's model anew took longer than scoring the hand on it. Form_Load
    // and the options dialog leave the same state for the same house rules
    // every time (the dialog only reads the two rules of the hand), so that
    // state is kept and each later hand starts from it.
    std::optional<TENHOState>& start = starts_[(hand.kuitan ? 1u : 0u) + (hand.renhou ? 2u : 0u)];
    if (calculator_ && start) {
        calculator_->restart(*start);
        return *calculator_;
    }
    if (calculator_)
        calculator_->restart();
    else
        calculator_.emplace(host_);
    TENHO& t = *calculator_;
    t.Form_Load();
    t.SYSTEM_Click();  // the house rules, through the options dialog
    start = t;
    return t;
}

std::optional<Outcome> HandReplay::enter(const HandOptions& hand)
{
    host_.begin(hand);
    TENHO& t = startedCalculator(hand);
    if (!stepByStep) {
        if (enterWhole(hand, t)) return std::nullopt;
        // Something is refused or ignored: the hand again, step by step.
        host_.begin(hand);
        startedCalculator(hand);
    }
    return enterStepByStep(hand, t);
}

namespace {

// The call dialogs' answers for each kind of meld: カン for either kan, and
// アンカン after it for a closed one.
constexpr std::array<NakiCheckButton, 4> kCalls = {NakiCheckButton::Chi, NakiCheckButton::Pon,
                                                   NakiCheckButton::Kan, NakiCheckButton::Kan};
static_assert(static_cast<int>(MeldKind::Chi) == 0 && static_cast<int>(MeldKind::Ankan) == 3);

}  // namespace

bool HandReplay::enterWhole(const HandOptions& hand, TENHO& t)
{
    std::array<CalledMeld, 4> melds;
    const std::size_t n = std::min(hand.melds.size(), melds.size());
    for (std::size_t k = 0; k < n; ++k) {
        const MeldOption& m = hand.melds[k];
        const auto kind = static_cast<std::size_t>(m.kind);
        // The empty code is no tile: a meld without tiles is refused.
        melds[k] = CalledMeld{.source = paletteIndex(m.tiles.empty() ? Code() : m.tiles[0]),
                              .call = kCalls[kind],
                              .closedKan = m.kind == MeldKind::Ankan};
    }
    WholeHand whole{.melds = std::span(melds.data(), n),
                    .hand = hand.hand,
                    .win = hand.win.value_or(Code()),
                    .boxes = {},
                    .dora = hand.dora};
    std::copy_n(hand.boxes, whole.boxes.size(), whole.boxes.begin());
    if (!t.enterWholeHand(whole)) return false;
    // The host as the call dialogs leave it.
    if (n > 0) host_.pendingMeld = hand.melds[n - 1].kind;
    finish(hand, t);
    return true;
}

void HandReplay::finish(const HandOptions& hand, TENHO& t)
{
    // The two option buttons as selectTUMO_END and then selectRON_END leave
    // them, each pressed where the hand says so (as bits: the options are
    // random, a branch on them would be mispredicted every other hand).
    const unsigned tsumo = hand.tsumo ? 1u : 0u;
    const unsigned ron = hand.ron ? 1u : 0u;
    t.TUMO_END = ((tsumo | (t.TUMO_END ? 1u : 0u)) & ~ron) != 0;
    t.RON_END = (ron | ((t.RON_END ? 1u : 0u) & ~tsumo)) != 0;
    t.B_list = static_cast<Integer>(hand.round);
    t.I_list = static_cast<Integer>(hand.seat);
}

std::optional<Outcome> HandReplay::enterStepByStep(const HandOptions& hand, TENHO& t)
{
    for (std::size_t k = 1; k <= hand.melds.size(); ++k) {
        const MeldOption& m = hand.melds[k - 1];
        host_.pendingMeld = m.kind;
        const int beeps = host_.beeps;
        if (t.formMeld(static_cast<int>(k), paletteIndex(m.tiles[0])) != Entry::Accepted) {
            if (host_.chiWasHidden) return Outcome::error(chiNotOffered(m));
            if (host_.beeps > beeps) return Outcome::error(meldRefused(t, m));
            return Outcome::error(meldNotFormed(m));
        }
    }

    std::size_t accepted = 0;
    if (const Entry e = t.dropOnHand(hand.hand, accepted); e != Entry::Accepted) {
        if (e == Entry::Refused) return Outcome::error(handTileRefused(hand, hand.hand[accepted]));
        return Outcome::error(tooManyHandTiles(hand));
    }

    if (hand.win && t.Frame7_DragDrop(paletteIndex(*hand.win)) != Entry::Accepted)
        return Outcome::error(winRefused(*hand.win));

    for (int b = 0; b < 5; ++b) {
        if (hand.boxes[b] && t.clickC_OPTION(b) != Entry::Accepted)
            return Outcome::error(boxDisabled(t, hand, b));
    }

    if (const Entry e = t.dropOnDora(hand.dora, accepted); e != Entry::Accepted) {
        if (e == Entry::Refused) return Outcome::error(doraRefused(hand, hand.dora[accepted]));
        return Outcome::error(tooManyIndicators(hand));
    }
    finish(hand, t);
    return std::nullopt;
}

Outcome HandReplay::score(const HandOptions& hand)
{
    Outcome o;
    score(hand, o);
    return o;
}

void HandReplay::score(const HandOptions& hand, Outcome& o)
{
    if (auto refused = enter(hand)) {
        o = std::move(*refused);
        return;
    }
    // The dialog is written where the answer keeps it, in one copy.
    host_.dialogInto = &o.dialog;
    calculator_->cmdKEISAN_Click();
    host_.dialogInto = nullptr;

    o.waits.clear();
    if (host_.dialogsShown > 0) {
        if (host_.shown) o.dialog = *host_.shown;  // shown before 計算
        o.kind = Outcome::Kind::Dialog;
        o.message.clear();
    } else if (host_.message) {
        o.kind = Outcome::Kind::Message;
        o.message = *host_.message;
    } else {
        o = Outcome::error("計算: no result was shown");
    }
}

Outcome score(const HandOptions& hand)
{
    HandReplay replay;
    return replay.score(hand);
}

}  // namespace tenho::cli
