// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/qt_host.h"

#include "entry/qt/call_dialogs.h"
#include "model/dialogs.h"
#include "scoring/qt/han_number_dialog.h"
#include "shell/qt/form_option_dialog.h"
#include "shell/qt/help_window.h"
#include "shell/qt/ver_info_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace tenho::qt {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtHost::messageBox(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), qs(text), QMessageBox::Ok, owner_);
    box.exec();
}

HanNumberButton QtHost::showHanNumber(const HAN_number& dialog)
{
    HanNumberDialog d(dialog, owner_);
    return d.run();
}

NakiCheckButton QtHost::showNakiCheck(bool chiVisible)
{
    NakiCheckDialog d(chiVisible, owner_);
    return d.run();
}

KanCheckButton QtHost::showKanCheck()
{
    KanCheckDialog d(owner_);
    return d.run();
}

bool QtHost::showFormOption(form_OPTION& dialog)
{
    FormOptionDialog d(dialog, owner_);
    return d.run(dialog);
}

void QtHost::showVerInfo(const VER_info& dialog)
{
    VerInfoDialog d(dialog, owner_);
    d.exec();
}

void QtHost::beep() { QApplication::beep(); }

void QtHost::shellOpen(std::string_view target, std::string_view workingFolder, bool)
{
    const QString t = qs(target);
    if (t.isEmpty()) return;
    QUrl url(t);
    if (url.scheme().size() <= 1) {  // a path ("C:" is a drive, not a scheme)
        url = QUrl::fromLocalFile(QDir(qs(workingFolder)).absoluteFilePath(t));
    }
    // The help file opens in the program's own help window; a missing one
    // opens nothing, without a word.
    if (url.isLocalFile() && url.fileName().endsWith(QLatin1String(".HLP"), Qt::CaseInsensitive)) {
        const QString file = url.toLocalFile();
        if (!QFileInfo(file).isFile()) return;
        if (help_.isNull()) help_ = new HelpWindow(owner_);
        help_->showFile(file);
        help_->show();
        help_->raise();
        help_->activateWindow();
        return;
    }
    openUrl(url);
}

HelpWindow* QtHost::helpWindow() const { return help_.data(); }

void QtHost::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace tenho::qt
