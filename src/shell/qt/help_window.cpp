// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/help_window.h"

#include "entry/qt/fonts.h"
#include "model/tenho.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tenho::qt {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8(kTitle.data(), static_cast<qsizetype>(kTitle.size())) +
                   QStringLiteral(" ヘルプ"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setFont(gothicFont(10.5));
    column->addWidget(browser_);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    column->addWidget(close, 0, Qt::AlignRight);
    resize(720, 640);
}

void HelpWindow::showFile(const QString& file)
{
    // The file's name does not say HTML, so the type is given.
    browser_->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    browser_->moveCursor(QTextCursor::Start);
}

}  // namespace tenho::qt
