// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/recording_host.h"

namespace tenho {

void RecordingHost::clear()
{
    hanNumberAnswer = HanNumberButton::Command1;
    beeps = 0;
    messagesShown = 0;
    dialogsShown = 0;
    message.reset();
    shown.reset();
}

void RecordingHost::messageBox(std::string_view text)
{
    ++messagesShown;
    if (!message) message = std::string(text);
}

HanNumberButton RecordingHost::showHanNumber(const HAN_number& dialog)
{
    ++dialogsShown;
    if (!shown) shown = dialog;
    return hanNumberAnswer;
}

}  // namespace tenho
