// SPDX-License-Identifier: GPL-3.0-or-later
// The result dialog "役数": yaku, han, total, fu and payment, laid out from
// the positions the calculator's dialog has always had (in twips).
#pragma once

#include "model/dialogs.h"
#include "model/host.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tenho::qt {

class HanNumberDialog : public QDialog {
    Q_OBJECT

public:
    explicit HanNumberDialog(const HAN_number& han, QWidget* parent = nullptr);

    // Shows the dialog modally and tells which button closed it.
    HanNumberButton run();
    HanNumberButton closedBy() const { return closedBy_; }

private:
    int px(int twips) const;
    QRect twipRect(int left, int top, int width, int height) const;

    HanNumberButton closedBy_ = HanNumberButton::Closed;
};

}  // namespace tenho::qt
