// SPDX-License-Identifier: GPL-3.0-or-later
// The house-rule dialog form_OPTION "オプション設定": one frame per rule with
// its あり/なし pair, and ＯＫ. あとづけ is shown but cannot be changed.
#pragma once

#include "model/dialogs.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tenho::qt {

class FormOptionDialog : public QDialog {
    Q_OBJECT

public:
    // The buttons start as `start` selects them.
    explicit FormOptionDialog(const form_OPTION& start, QWidget* parent = nullptr);

    // Shows the dialog modally. True when ＯＫ was pressed; `chosen` then holds
    // the selections. Closed through its frame: false, `chosen` untouched.
    bool run(form_OPTION& chosen);

    // The selections as they stand.
    form_OPTION selection() const;

    // Option1..Option3 (rule 1..3), index 0 "あり", 1 "なし".
    QRadioButton* option(int rule, int index) const;
    QPushButton* okButton() const { return cmd_; }

private:
    std::array<std::array<QRadioButton*, 2>, 3> options_{};
    QPushButton* cmd_ = nullptr;
};

}  // namespace tenho::qt
