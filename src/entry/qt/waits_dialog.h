// SPDX-License-Identifier: GPL-3.0-or-later
// The waits table "待ち一覧": every tile that completes the hand, drawn as on
// the table, with what the result dialog shows for it on ロン and on ツモ; or
// one line, "聴牌していません" or the message 計算 would show. It only draws the
// list the core made; the row chosen goes back to the window, which drops
// that tile on 和了牌.
#pragma once

#include "evaluation/waits.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tenho::qt {

class WaitsDialog : public QDialog {
    Q_OBJECT

public:
    explicit WaitsDialog(const WaitList& list, QWidget* parent = nullptr);

    // Shows the dialog modally: the row chosen, or -1 when it was cancelled.
    int run();

    // The table (null when there is no wait) and the single line shown instead.
    QTableWidget* table() const { return table_; }
    QLabel* note() const { return note_; }

private:
    void choose();

    std::vector<Wait> waits_;
    QTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* cmdSET_ = nullptr;
    int chosen_ = -1;
};

}  // namespace tenho::qt
