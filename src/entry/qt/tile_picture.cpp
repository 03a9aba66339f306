// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/tile_picture.h"

#include "entry/qt/tile_art.h"
#include "model/tile.h"

#include <QCursor>
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
    if (dragSource_) {
        startDrag();
        return;
    }
    pressed_ = true;
}

void TilePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint()) && onClick) onClick();
}

void TilePicture::startDrag()
{
    // The drag starts on the press itself: releasing on the same tile drops
    // it on itself, which adds it to the hand.
    auto* drag = new QDrag(this);
    drag->setMimeData(paletteMimeData(index_));
    const QPixmap pixmap = dragPixmap(image_, size(), devicePixelRatioF());
    drag->setPixmap(pixmap);
    const QSizeF half = pixmap.deviceIndependentSize() / 2;
    drag->setHotSpot(QPoint(qRound(half.width()), qRound(half.height())));
    const Qt::DropAction done = drag->exec(Qt::CopyAction);
    // X11's drag manager ends a drag that never moved without any drop; a
    // press and release on one palette tile must still drop it on itself.
    if (done == Qt::IgnoreAction && onDrop && rect().contains(mapFromGlobal(QCursor::pos()))) {
        const DropHandler handler = onDrop;
        const int source = index_;
        QTimer::singleShot(0, this, [handler, source] { handler(source); });
    }
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
