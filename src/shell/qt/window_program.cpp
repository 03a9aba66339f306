// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/window_program.h"

#include "entry/qt/fonts.h"
#include "entry/qt/tenho_window.h"
#include "entry/qt/tile_art.h"
#include "shell/qt/opning.h"
#include "shell/qt/qt_host.h"

#include <QApplication>

namespace tenho::qt {

WindowProgram::WindowProgram(std::unique_ptr<QtHost> host)
    : host_(host ? std::move(host) : std::make_unique<QtHost>())
{
    installJapaneseFonts();
    QApplication::setWindowIcon(tileIcon(paletteIndex(Code('9', '1'))));

    model_ = std::make_unique<TENHO>(*host_);
    model_->appPath = QCoreApplication::applicationDirPath().toStdString();
    model_->Form_Load();

    // The main window waits hidden behind the splash until its tick.
    window_ = std::make_unique<TenhoWindow>(*model_);
    host_->setOwner(window_.get());
    splash_ = std::make_unique<Opning>(window_.get());
}

WindowProgram::~WindowProgram() = default;

void WindowProgram::start() { splash_->show(); }

}  // namespace tenho::qt
