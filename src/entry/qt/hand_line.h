// SPDX-License-Identifier: GPL-3.0-or-later
// The typing field under 手牌: a whole hand in the written notation
// (entry/typed_hand.h). Enter hands a line to the window, which reads and
// enters it; on an empty field Enter goes on to the window, which presses 計算.
#pragma once

#include <QLineEdit>
#include <functional>

namespace tenho::qt {

class HandLine : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool malformed READ isMalformed)

public:
    explicit HandLine(QWidget* parent);

    // Enter on a field that holds more than blanks.
    std::function<void(const QString& line)> onEnter;

    // Marks the line as malformed and selects characters [from, from + length),
    // where it stops making sense; the next edit takes the mark away.
    void markMalformed(int from, int length);
    bool isMalformed() const { return malformed_; }

signals:
    void markCleared();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setMalformed(bool on);
    void inkPlaceholder();

    bool malformed_ = false;
};

}  // namespace tenho::qt
