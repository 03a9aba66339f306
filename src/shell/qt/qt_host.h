// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's host: real modal dialogs, the system beep and the
// desktop's "open".
#pragma once

#include "model/host.h"

#include <QPointer>
#include <QWidget>

class QUrl;

namespace tenho::qt {

class HelpWindow;

class QtHost : public Host {
public:
    explicit QtHost(QWidget* owner = nullptr) : owner_(owner) {}

    // The window the dialogs belong to (and are centred over).
    void setOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_; }

    void messageBox(std::string_view text) override;
    HanNumberButton showHanNumber(const HAN_number& dialog) override;
    NakiCheckButton showNakiCheck(bool chiVisible) override;
    KanCheckButton showKanCheck() override;
    bool showFormOption(form_OPTION& dialog) override;
    void showVerInfo(const VER_info& dialog) override;
    void beep() override;
    // The help file (a local "*.HLP") is shown in the help window; anything
    // else goes to the desktop through openUrl.
    void shellOpen(std::string_view target, std::string_view workingFolder,
                   bool ownerIsDesktop) override;

    // The help window, while it is open.
    HelpWindow* helpWindow() const;

protected:
    // The desktop's "open" on an address or a file other than the help file.
    virtual void openUrl(const QUrl& url);

private:
    QPointer<QWidget> owner_;
    QPointer<HelpWindow> help_;
};

}  // namespace tenho::qt
