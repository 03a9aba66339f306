// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/window_program.h"

#include "entry/qt/fonts.h"
#include "entry/qt/tenho_window.h"
#include "entry/qt/tile_art.h"
#include "shell/qt/opning.h"
#include "shell/qt/qt_host.h"

#include "shell/addresses.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tenho::qt {

WindowProgram::WindowProgram(std::unique_ptr<QtHost> host)
    : host_(host ? std::move(host) : std::make_unique<QtHost>())
{
    installJapaneseFonts();
    QApplication::setWindowIcon(tileIcon(paletteIndex(Code('9', '1'))));

    model_ = std::make_unique<TENHO>(*host_);
    const QString folder = QCoreApplication::applicationDirPath();
    model_->appPath = folder.toStdString();
    model_->homePage = buildTreePage(folder).toStdString();
    model_->Form_Load();

    // The main window waits hidden behind the splash until its tick.
    window_ = std::make_unique<TenhoWindow>(*model_);
    host_->setOwner(window_.get());
    splash_ = std::make_unique<Opning>(window_.get());
}

WindowProgram::~WindowProgram() = default;

void WindowProgram::start() { splash_->show(); }

void WindowProgram::bringToFront()
{
    QWidget* front = splash_->isVisible() ? static_cast<QWidget*>(splash_.get()) : window_.get();
    if (!front->isVisible()) return;
    front->setWindowState((front->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    front->show();
    front->raise();
    front->activateWindow();
}

QString WindowProgram::buildTreePage(const QString& programFolder)
{
    // The address built in names the installed page, which a program in the
    // build tree may not have beside it; the build tree has its own copy.
    const QString built =
        QString::fromUtf8(kHomePage.data(), static_cast<qsizetype>(kHomePage.size()));
    if (!built.startsWith(QLatin1String("file:"))) return {};
    const QFileInfo copy(QDir(programFolder).filePath(QStringLiteral("data/index.html")));
    if (!copy.isFile() ||
        !QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("CMakeCache.txt"))))
        return {};
    return QUrl::fromLocalFile(copy.absoluteFilePath()).toString();
}

}  // namespace tenho::qt
