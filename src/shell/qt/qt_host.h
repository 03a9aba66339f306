// The window program's host: real modal dialogs, the system beep and the
// desktop's "open".
#pragma once

#include "model/host.h"

#include <QPointer>
#include <QWidget>

namespace tenho::qt {

class QtHost : public Host {
public:
    explicit QtHost(QWidget* owner = nullptr) : owner_(owner) {}

    // The window the dialogs belong to (and are centred over).
    void setOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_; }

    void messageBox(std::string_view text) override;
    HanNumberButton showHanNumber(const HAN_number& dialog) override;
    int showNakiCheck(bool chiVisible) override;
    int showKanCheck() override;
    bool showFormOption(form_OPTION& dialog) override;
    void showVerInfo(const VER_info& dialog) override;
    void beep() override;
    void shellOpen(std::string_view target, std::string_view workingFolder,
                   bool ownerIsDesktop) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace tenho::qt
