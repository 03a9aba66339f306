// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help window: shows the help file, an HTML document, in
// place of the desktop's viewer. It stays open beside the main window.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace tenho::qt {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `file` from its beginning.
    void showFile(const QString& file);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace tenho::qt
