// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/opning.h"

#include "entry/qt/fonts.h"
#include "entry/qt/tile_art.h"
#include "model/picture.h"
#include "model/tenho.h"
#include "scoring/qt/han_number_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <array>

namespace tenho::qt {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

int tile(const char* code) { return paletteIndex(Code::fromText(code)); }

// Picture1: a complete hand standing on the table in front of a stretch of
// the wall, its winning tile set a little apart.
class OpeningPicture : public QWidget {
public:
    explicit OpeningPicture(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setFixedSize(500, 168);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
        QPainterPath table;
        table.addRoundedRect(area, 10, 10);
        p.save();
        p.setClipPath(table);
        paintFelt(p, area);
        p.restore();
        p.setPen(QPen(QColor(0xd8, 0xb8, 0x6a), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(table);

        // The wall: a row of face-down tiles, smaller for being farther away.
        const QSizeF wallTile(22, 30);
        const int wallCount = 17;
        const qreal wallX = (width() - wallCount * wallTile.width()) / 2;
        for (int i = 0; i < wallCount; ++i)
            paintTile(p, QRectF(QPointF(wallX + i * wallTile.width(), 18), wallTile),
                      image::kFaceDown);

        // The hand: 一二三萬 五六七筒 七八九索 東東東 中, and the winning 中.
        static const std::array<const char*, 13> kHand = {"01", "02", "03", "25", "26", "27", "17",
                                                          "18", "19", "31", "31", "31", "91"};
        const QSizeF handTile(31, 42);
        const qreal gap = 12;
        const qreal handW = 14 * handTile.width() + gap;
        const qreal x0 = (width() - handW) / 2;
        const qreal y0 = height() - handTile.height() - 24;
        for (std::size_t i = 0; i < kHand.size(); ++i)
            paintTile(p,
                      QRectF(QPointF(x0 + static_cast<qreal>(i) * handTile.width(), y0), handTile),
                      tile(kHand[i]));
        // The winning tile, drawn in and turned a little as it is laid down.
        p.save();
        p.translate(x0 + 13 * handTile.width() + gap + handTile.width() / 2,
                    y0 + handTile.height() / 2 - 6);
        p.rotate(8);
        paintTile(p, QRectF(QPointF(-handTile.width() / 2, -handTile.height() / 2), handTile),
                  tile("91"));
        p.restore();
    }
};

}  // namespace

Opning::Opning(QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("OPNING"));
    // Closing the splash must not end the program: the main window follows it.
    setAttribute(Qt::WA_QuitOnClose, false);
    const OPNING splash = TENHO::makeOPNING();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 18, 18, 14);
    column->setSpacing(8);
    column->addWidget(new OpeningPicture(this), 0, Qt::AlignHCenter);

    label1_ = new QLabel(qs(splash.title), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignHCenter);
    label1_->setFont(minchoFont(24, true));
    column->addWidget(label1_);

    label2_ = new QLabel(qs(splash.credits), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setTextFormat(Qt::PlainText);
    label2_->setAlignment(Qt::AlignHCenter);
    label2_->setFont(gothicFont(10));
    column->addWidget(label2_);
    column->setSizeConstraint(QLayout::SetFixedSize);

    QPalette cream = palette();
    cream.setColor(QPalette::WindowText, QColor(0xf6, 0xee, 0xd2));
    setPalette(cream);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(OPNING::kTimer1Interval);
    timer1_->setSingleShot(true);
    // Never early: the main window waits the full three seconds.
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &Opning::Timer1_Timer);
}

void Opning::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (ticked_ || timer1_->isActive()) return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    timer1_->start();
}

void Opning::prepareMainWindow()
{
    // While the splash is up, the main window is made ready to appear at
    // once: its native window made, its style and layout settled, and every
    // control drawn once so that the fonts and tile pictures are at hand.
    if (mainWindow_ == nullptr || prepared_) return;
    prepared_ = true;
    mainWindow_->winId();
    mainWindow_->ensurePolished();
    mainWindow_->adjustSize();
    mainWindow_->grab();
    // A result dialog drawn once too, so that its fonts are not first loaded
    // on the first 計算.
    HAN_number sample;
    sample.Label1 = "立直\r\n平和\r\nドラ\r\n";
    sample.Label2 = "１翻\r\n１翻\r\n２翻\r\n";
    sample.Label3 = "４翻";
    sample.Label4 = "2000点（親）・1000点（子）";
    sample.Label5 = "30符";
    HanNumberDialog(sample, mainWindow_).grab();
}

void Opning::Timer1_Timer()
{
    ticked_ = true;
    timer1_->stop();
    if (mainWindow_ == nullptr) {
        close();
        return;
    }
    prepareMainWindow();
    // The main window comes up first and the splash goes once the main
    // window is on the screen, so that there is never a moment without
    // either (a watchdog closes it if the screen never says so).
    mainWindow_->windowHandle()->installEventFilter(this);
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
    QTimer::singleShot(1000, this, &Opning::close);
}

bool Opning::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && mainWindow_ != nullptr &&
        watched == mainWindow_->windowHandle() && mainWindow_->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // After the main window has painted what the exposure asks for.
        QTimer::singleShot(0, this, &Opning::close);
    }
    return QWidget::eventFilter(watched, event);
}

void Opning::closeEvent(QCloseEvent* event)
{
    // Only the tick closes the splash; the main window would otherwise never appear.
    if (ticked_)
        event->accept();
    else
        event->ignore();
}

void Opning::paintEvent(QPaintEvent*)
{
    // Once the splash is on the screen, the main window gets ready behind it.
    if (!prepared_) QTimer::singleShot(0, this, &Opning::prepareMainWindow);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintFelt(p, rect());
    p.setPen(QPen(QColor(0x0c, 0x35, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(0xd8, 0xb8, 0x6a, 150), 1));
    p.drawRect(QRectF(rect()).adjusted(5.5, 5.5, -5.5, -5.5));
}

}  // namespace tenho::qt
