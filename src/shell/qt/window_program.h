// SPDX-License-Identifier: GPL-3.0-or-later
// The window program as it starts: the calculator on the real host, its main
// window waiting hidden behind the splash until the splash's tick.
#pragma once

#include "model/tenho.h"
#include "shell/qt/qt_host.h"

#include <QObject>
#include <QString>
#include <memory>

namespace tenho::qt {

class Opning;
class TenhoWindow;

class WindowProgram : public QObject {
    Q_OBJECT

public:
    // Needs the QApplication. `host` defaults to the real one.
    explicit WindowProgram(std::unique_ptr<QtHost> host = nullptr);
    ~WindowProgram() override;

    // Shows the splash; its tick shows the main window.
    void start();

    QtHost& host() { return *host_; }
    TENHO& model() { return *model_; }
    TenhoWindow& window() { return *window_; }
    Opning& splash() { return *splash_; }

private:
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<TENHO> model_;
    std::unique_ptr<TenhoWindow> window_;
    std::unique_ptr<Opning> splash_;
};

}  // namespace tenho::qt
