// SPDX-License-Identifier: GPL-3.0-or-later
// The version dialog VER_info "バージョン情報": picture, title, version and
// date, a notice, the author, and the two credits rows whose home-page labels
// open their address when clicked.
#pragma once

#include "model/dialogs.h"

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace tenho::qt {

// A label that reports a click: the home-page addresses of the credits.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class VerInfoDialog : public QDialog {
    Q_OBJECT

public:
    explicit VerInfoDialog(const VER_info& info, QWidget* parent = nullptr);

    // A label by its control name, and index for the credits arrays
    // Label2, Label3 and Label4.
    QLabel* label(const char* name, int index = 0) const;
    QPushButton* okButton() const { return cmdOK_; }

private:
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace tenho::qt
