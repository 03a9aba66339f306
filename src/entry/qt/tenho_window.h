// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TENHO: the tile table a hand is built on. It draws the form
// model after every event and hands every click and drop to the model's
// handler; it decides nothing itself.
#pragma once

#include "model/tenho.h"

#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tenho::qt {

class DropFrame;
class HandLine;
class TilePicture;

class TenhoWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit TenhoWindow(TENHO& model, QWidget* parent = nullptr);

    TENHO& model() { return model_; }

    // Draws every control from the model.
    void refresh();

    // The pictures by control array and index, for the screenshot driver and
    // the tests: "HAI", "T_HAI", "JUMP", "NAKI1".."NAKI4", "KAN_KAN1".."KAN_KAN4",
    // "DORA", "ENDPAI" (index 0).
    TilePicture* picture(const QString& name, int index) const;

    // Reads a typed line and enters it, or marks it as malformed.
    void enterTypedLine(const QString& line);

protected:
    // Enter presses 計算 from anywhere on the table.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildHandFrame();
    QWidget* buildLeftColumn();
    QWidget* buildMeldFrames();
    QWidget* buildDoraAndWinningTile();
    QWidget* buildButtons();
    QWidget* buildPalette();
    void buildMenus();
    void chainFocus();
    // Under the typing field: how to use it, or what is wrong with the line.
    void showHandNote(const QString& error);  // Tab: top to bottom, left to right
    // 待ち一覧...: the waits table; a row chosen is dropped on 和了牌.
    void showWaits();

    // Runs a model handler, then redraws.
    template <class F> void act(F&& handler)
    {
        handler();
        refresh();
    }

    TENHO& model_;
    std::array<TilePicture*, kTileKinds> hai_{};
    std::array<TilePicture*, 13> tHai_{};
    std::array<TilePicture*, 12> jump_{};
    std::array<std::array<TilePicture*, 4>, 5> naki_{};
    std::array<std::array<TilePicture*, 2>, 5> kanKan_{};
    std::array<TilePicture*, 8> dora_{};
    TilePicture* endpai_ = nullptr;
    QRadioButton* tumoEnd_ = nullptr;
    QRadioButton* ronEnd_ = nullptr;
    QListWidget* iList_ = nullptr;
    QListWidget* bList_ = nullptr;
    std::array<QCheckBox*, 6> cOption_{};
    HandLine* handLine_ = nullptr;
    QLabel* handNote_ = nullptr;
    QPushButton* cmdKEISAN_ = nullptr;
    QPushButton* cmdRESET_ = nullptr;
    QAction* machi_ = nullptr;
};

}  // namespace tenho::qt
