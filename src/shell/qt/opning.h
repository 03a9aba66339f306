// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window OPNING: a picture of tiles on the table, the title and
// the credits. It is shown at start-up while the main window waits hidden;
// the first tick of Timer1 closes it and shows the main window.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tenho::qt {

class Opning : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` is shown, modeless, when the splash closes.
    explicit Opning(QWidget* mainWindow, QWidget* parent = nullptr);

    QTimer* timer() const { return timer1_; }
    QLabel* titleLabel() const { return label1_; }
    QLabel* creditsLabel() const { return label2_; }

    // The first tick: show the main window and close the splash.
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void prepareMainWindow();

    QWidget* mainWindow_;
    QTimer* timer1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    bool ticked_ = false;
    bool prepared_ = false;
};

}  // namespace tenho::qt
