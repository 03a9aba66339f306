// SPDX-License-Identifier: GPL-3.0-or-later
// The two small call dialogs of meld entry: NAKI_check "鳴きの種類" and
// KAN_check "カンの種類". Each is a row of buttons; running one answers the
// button pressed (model/host.h).
#pragma once

#include "model/host.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QPushButton;

namespace tenho::qt {

class CallDialog : public QDialog {
    Q_OBJECT

public:
    // `buttonName` names the button array (cmd_NAKI, cmd_KAN); each button
    // carries its index in the property "index".
    CallDialog(const QString& name, const QString& caption, const QString& buttonName,
               const QStringList& captions, QWidget* parent);

    QPushButton* button(int index) const;

protected:
    // Shows the dialog modally: the index of the button pressed, or -1 when
    // it was closed through its frame.
    int runModal();

private:
    std::vector<QPushButton*> buttons_;
    int choice_ = -1;
};

// NAKI_check: 0 "チー", 1 "ポン", 2 "カン", 3 "Cancel"; "チー" only where a
// sequence can start at the dropped tile.
class NakiCheckDialog : public CallDialog {
    Q_OBJECT

public:
    NakiCheckDialog(bool chiVisible, QWidget* parent);
    NakiCheckButton run() { return static_cast<NakiCheckButton>(runModal()); }
};

// KAN_check: 0 "アンカン", 1 "ミンカン", 2 "Cancel".
class KanCheckDialog : public CallDialog {
    Q_OBJECT

public:
    explicit KanCheckDialog(QWidget* parent);
    KanCheckButton run() { return static_cast<KanCheckButton>(runModal()); }
};

}  // namespace tenho::qt
