// SPDX-License-Identifier: GPL-3.0-or-later
// The picture controls of the window and the frames around them. They draw
// what the model says and report clicks and palette drops; what a click or a
// drop means is the core's business.
#pragma once

#include "model/picture.h"

#include <QGroupBox>
#include <QWidget>
#include <functional>

class QMimeData;

namespace tenho::qt {

// The only thing that can be dragged is a palette tile; the drag carries its
// palette index under this type.
inline constexpr char kPaletteMimeType[] = "application/x-tenho-palette-index";
QMimeData* paletteMimeData(int source);
// The palette index a drag carries, or -1 for anything else.
int paletteSource(const QMimeData* mime);

// Handlers run after the drag has ended, from the event loop: a drop may open
// a call dialog, and a modal dialog must not run inside the drag.
using DropHandler = std::function<void(int source)>;

class TilePicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int index READ index CONSTANT)
    Q_PROPERTY(int image READ image)

public:
    // `name` is the control array's name (T_HAI, NAKI1, ...), `index` the
    // index within it.
    TilePicture(const QString& name, int index, QWidget* parent);

    int index() const { return index_; }
    int image() const { return image_; }
    void setPicture(const Picture& picture);

    // A click (press and release with the left button on the picture).
    std::function<void()> onClick;
    // A palette tile dropped here. Pictures without a handler still swallow
    // drops, so that nothing dropped on them reaches the frame behind.
    DropHandler onDrop;
    // A palette picture: moving the pressed pointer drags this tile, a press
    // and release on it drops it on itself.
    void setDragSource(bool on);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void startDrag();

    int index_;
    int image_ = image::kNone;
    bool dragSource_ = false;
    bool pressed_ = false;
    QPoint pressedAt_;
};

// A captioned frame that palette tiles can be dropped on.
class DropFrame : public QGroupBox {
    Q_OBJECT

public:
    DropFrame(const QString& name, const QString& title, QWidget* parent);
    DropHandler onDrop;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace tenho::qt
