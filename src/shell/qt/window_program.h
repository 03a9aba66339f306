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

    // A later start asked for the calculator: the main window comes to the
    // front, restored if it was minimised (the splash, while it is up).
    void bringToFront();

    // The project's page that the program in `programFolder` opens: run from
    // the build tree, the copy configured there; else empty (the address
    // built in).
    static QString buildTreePage(const QString& programFolder);

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
