// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/tile_picture.h"

#include "entry/qt/tile_art.h"
#include "model/tile.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace tenho::qt {

QMimeData* paletteMimeData(int source)
{
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kPaletteMimeType), QByteArray::number(source));
    return mime;
}

int paletteSource(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasFormat(QString::fromLatin1(kPaletteMimeType))) return -1;
    bool ok = false;
    const int source = mime->data(QString::fromLatin1(kPaletteMimeType)).toInt(&ok);
    return ok && source >= 0 && source < kTileKinds ? source : -1;
}

namespace {

// A palette tile is taken where a handler waits for it. Over a picture without
// one it is held with no action (the pointer shows that nothing will happen)
// rather than passed on, since the widget system would otherwise offer it to
// the frame behind the picture. Other drags are not ours.
void offer(QDragMoveEvent* event, const DropHandler& handler)
{
    if (paletteSource(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(handler ? Qt::CopyAction : Qt::IgnoreAction);
    event->accept();
}

void deliver(QObject* context, QDropEvent* event, const DropHandler& handler)
{
    const int source = paletteSource(event->mimeData());
    if (source < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(handler ? Qt::CopyAction : Qt::IgnoreAction);
    event->accept();
    if (handler) QTimer::singleShot(0, context, [handler, source] { handler(source); });
}

}  // namespace

TilePicture::TilePicture(const QString& name, int index, QWidget* parent)
    : QWidget(parent), index_(index)
{
    setObjectName(name);
    setAcceptDrops(true);
    setFixedSize(kTileSize);
    hide();
}

void TilePicture::setPicture(const Picture& picture)
{
    if (picture.image != image_) {
        image_ = picture.image;
        const Code code = image_ >= 0 && image_ < kTileKinds
                              ? kHaiCodes[static_cast<std::size_t>(image_)]
                              : Code();
        setAccessibleName(QString::fromStdString(tileName(code)));
        update();
    }
    setVisible(picture.visible);
}

void TilePicture::setDragSource(bool on)
{
    dragSource_ = on;
    setCursor(on ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

QSize TilePicture::sizeHint() const { return kTileSize; }

void TilePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintTile(p, QRectF(rect()), image_);
}

void TilePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    pressedAt_ = event->position().toPoint();
}

void TilePicture::mouseMoveEvent(QMouseEvent* event)
{
    // A palette tile is dragged once the pointer has moved off its press;
    // until then a release is a press and release on the tile itself.
    if (!pressed_ || !dragSource_ || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - pressedAt_).manhattanLength() <
        QApplication::startDragDistance())
        return;
    pressed_ = false;
    startDrag();
}

void TilePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (!rect().contains(event->position().toPoint())) return;
    // Pressed and released on one palette tile: it is dropped on itself.
    if (dragSource_) {
        if (onDrop) onDrop(index_);
        return;
    }
    if (onClick) onClick();
}

void TilePicture::startDrag()
{
    // Only a drop on a target enters the tile: a drag cancelled with Escape,
    // or ended outside the window or on anything that takes no drop, changes
    // nothing, wherever the pointer then is.
    auto* drag = new QDrag(this);
    drag->setMimeData(paletteMimeData(index_));
    const QPixmap pixmap = dragPixmap(image_, size(), devicePixelRatioF());
    drag->setPixmap(pixmap);
    const QSizeF half = pixmap.deviceIndependentSize() / 2;
    drag->setHotSpot(QPoint(qRound(half.width()), qRound(half.height())));
    drag->exec(Qt::CopyAction);
}

void TilePicture::dragEnterEvent(QDragEnterEvent* event) { offer(event, onDrop); }
void TilePicture::dragMoveEvent(QDragMoveEvent* event) { offer(event, onDrop); }
void TilePicture::dropEvent(QDropEvent* event) { deliver(this, event, onDrop); }

DropFrame::DropFrame(const QString& name, const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
    setObjectName(name);
    setAcceptDrops(true);
}

void DropFrame::dragEnterEvent(QDragEnterEvent* event) { offer(event, onDrop); }
void DropFrame::dragMoveEvent(QDragMoveEvent* event) { offer(event, onDrop); }
void DropFrame::dropEvent(QDropEvent* event) { deliver(this, event, onDrop); }

}  // namespace tenho::qt
