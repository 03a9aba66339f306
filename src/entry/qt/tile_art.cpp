// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/tile_art.h"
#include "entry/qt/table_look.h"

#include "model/picture.h"
#include "model/tile.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>
#include <array>
#include <cmath>
#include <numbers>

namespace tenho::qt {

namespace {

// Everything is drawn in tile units: a tile is 100 wide and 134 high, the
// face takes the top 124 and the coloured back layer shows below it.
constexpr qreal kUnitW = 100.0;
constexpr qreal kUnitH = 134.0;
constexpr qreal kFaceH = 124.0;
constexpr qreal kRadius = 11.0;
// The area of the face that carries the design.
constexpr QRectF kArt{10.0, 9.0, 80.0, 106.0};

const QColor kInk{0x1c, 0x1c, 0x2a};
const QColor kRed{0xc4, 0x1e, 0x24};
const QColor kGreen{0x12, 0x7a, 0x3c};
const QColor kBlue{0x1f, 0x4c, 0x9a};
const QColor kIvoryTop{0xff, 0xfd, 0xf6};
const QColor kIvoryBottom{0xee, 0xe6, 0xd2};
const QColor kEdge{0x9c, 0x91, 0x78};
const QColor kBackLight{0xf0, 0xa8, 0x3c};
const QColor kBackDark{0xc0, 0x6a, 0x12};

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void paintBackLayer(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kBackLight);
    g.setColorAt(1.0, kBackDark);
    p.setPen(QPen(kBackDark.darker(130), 1.2));
    p.setBrush(g);
    p.drawPath(rounded(r, kRadius));
}

void paintIvory(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kIvoryTop);
    g.setColorAt(1.0, kIvoryBottom);
    p.setPen(QPen(kEdge, 1.2));
    p.setBrush(g);
    p.drawPath(rounded(r, kRadius));
    // A faint highlight along the upper edge gives the face its polish.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(r.adjusted(2.2, 2.2, -2.2, -2.2), kRadius - 2.0));
}

// A glyph of the IPA P Mincho face, fitted into `box` by its em square (so
// that "一" stays a stroke and does not swell to fill the box), centred on its
// ink, and thickened by stroking its outline: the font has no bold.
void paintGlyph(QPainter& p, const QString& text, const QRectF& box, const QColor& color,
                qreal weight, qreal stretchY = 1.0)
{
    static QHash<QString, QPainterPath> cache;
    auto it = cache.find(text);
    if (it == cache.end()) {
        QFont font(QStringLiteral("IPAPMincho"));
        font.setPixelSize(100);
        font.setStyleStrategy(QFont::PreferOutline);
        QPainterPath path;
        path.addText(0.0, 0.0, font, text);
        it = cache.insert(text, path);
    }
    const QPainterPath& path = *it;
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return;
    const qreal em = 100.0 * static_cast<qreal>(text.size());
    const qreal s = std::min(box.width() / em, box.height() / (100.0 * stretchY));
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s * stretchY);
    t.translate(-ink.center().x(), -ink.center().y());
    const QPainterPath placed = t.map(path);
    p.setPen(QPen(color, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    p.drawPath(placed);
}

// One bamboo stick of the 索子, centred on `c`, tilted by `angle` degrees.
void paintStick(QPainter& p, QPointF c, qreal length, qreal width, const QColor& color,
                qreal angle = 0.0)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const QRectF r(-width / 2, -length / 2, width, length);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0.0, color.darker(135));
    g.setColorAt(0.45, color.lighter(125));
    g.setColorAt(1.0, color.darker(150));
    p.setPen(QPen(color.darker(200), 1.0));
    p.setBrush(g);
    p.drawPath(rounded(r, width * 0.45));
    // The joints of the stalk: at both ends and in the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(color.darker(190));
    const qreal band = std::max(1.6, width * 0.22);
    for (qreal y : {-length / 2 + width * 0.55, 0.0, length / 2 - width * 0.55})
        p.drawRoundedRect(QRectF(-width / 2 - 0.6, y - band / 2, width + 1.2, band), band / 2,
                          band / 2);
    // The sheen down the middle, broken at the joints.
    p.setPen(QPen(QColor(255, 255, 255, 150), width * 0.16, Qt::SolidLine, Qt::RoundCap));
    const qreal gap = band * 1.4;
    const qreal top = -length / 2 + width * 0.55 + gap;
    const qreal bottom = length / 2 - width * 0.55 - gap;
    if (-gap > top) p.drawLine(QPointF(-width * 0.12, top), QPointF(-width * 0.12, -gap));
    if (bottom > gap) p.drawLine(QPointF(-width * 0.12, gap), QPointF(-width * 0.12, bottom));
    p.restore();
}

// `count` dots of radius `dot` evenly round a circle of radius `radius`.
void paintRing(QPainter& p, QPointF c, qreal radius, int count, qreal dot, qreal phase = 0.0)
{
    for (int i = 0; i < count; ++i) {
        const qreal a = i * 2.0 * std::numbers::pi / count + phase;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * radius, c.y() + std::sin(a) * radius), dot,
                      dot);
    }
}

// One circle of the 筒子.
void paintCoin(QPainter& p, QPointF c, qreal r, const QColor& color)
{
    p.setPen(QPen(color.darker(160), 0.9));
    p.setBrush(color);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvoryTop);
    p.drawEllipse(c, r * 0.76, r * 0.76);
    // Eight notches around the inner ring, as on the old coins.
    p.setBrush(color);
    paintRing(p, c, r * 0.62, 8, r * 0.1);
    p.drawEllipse(c, r * 0.4, r * 0.4);
    p.setBrush(kIvoryTop);
    p.drawEllipse(c, r * 0.14, r * 0.14);
}

void paintBigCoin(QPainter& p, QPointF c)
{
    const qreal r = 37.0;
    QRadialGradient g(c, r);
    g.setColorAt(0.0, kGreen.lighter(130));
    g.setColorAt(1.0, kGreen.darker(120));
    p.setPen(QPen(kGreen.darker(170), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvoryTop);
    p.drawEllipse(c, r * 0.86, r * 0.86);
    // A wreath of small blue dots, then the red flower in the middle.
    p.setBrush(kBlue);
    paintRing(p, c, r * 0.72, 16, r * 0.075);
    p.setBrush(kRed);
    paintRing(p, c, r * 0.36, 8, r * 0.17, std::numbers::pi / 8.0);
    p.setBrush(kIvoryTop);
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.setBrush(kBlue);
    p.drawEllipse(c, r * 0.2, r * 0.2);
    p.setBrush(kIvoryTop);
    p.drawEllipse(c, r * 0.07, r * 0.07);
}

QPointF at(qreal x, qreal y) { return {kArt.left() + x, kArt.top() + y}; }

void paintCharacters(QPainter& p, int rank)
{
    static const std::array<QString, 9> kNumerals = {
        QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
        QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
        QStringLiteral("七"), QStringLiteral("八"), QStringLiteral("九")};
    paintGlyph(p, kNumerals[static_cast<std::size_t>(rank - 1)],
               QRectF(kArt.left() + 2, kArt.top() - 1, kArt.width() - 4, 48), kInk, 2.6, 0.9);
    paintGlyph(p, QStringLiteral("萬"),
               QRectF(kArt.left() + 2, kArt.top() + 48, kArt.width() - 4, 58), kRed, 1.8, 1.05);
}

void paintBamboo(QPainter& p, int rank)
{
    const QColor g = kGreen;
    const QColor r = kRed;
    constexpr qreal w = 13.5;
    switch (rank) {
    case 1:
        paintStick(p, at(40, 53), 92, 20, g);
        p.setPen(Qt::NoPen);
        p.setBrush(r);
        p.drawEllipse(at(40, 53), 6.5, 6.5);
        break;
    case 2:
        paintStick(p, at(40, 27), 44, w, g);
        paintStick(p, at(40, 79), 44, w, g);
        break;
    case 3:
        paintStick(p, at(40, 27), 44, w, g);
        paintStick(p, at(22, 79), 44, w, g);
        paintStick(p, at(58, 79), 44, w, g);
        break;
    case 4:
    case 5:
        for (qreal y : {27.0, 79.0})
            for (qreal x : {rank == 4 ? 22.0 : 14.0, rank == 4 ? 58.0 : 66.0})
                paintStick(p, at(x, y), 44, w, g);
        if (rank == 5) paintStick(p, at(40, 53), 44, w, r);
        break;
    case 6:
        for (qreal y : {27.0, 79.0})
            for (qreal x : {14.0, 40.0, 66.0}) paintStick(p, at(x, y), 44, w, g);
        break;
    case 7:
        paintStick(p, at(40, 17), 30, w, r);
        for (qreal y : {53.0, 89.0})
            for (qreal x : {14.0, 40.0, 66.0}) paintStick(p, at(x, y), 30, w, g);
        break;
    case 8:
        // Two rows of four, the inner sticks leaning together: an M over a W.
        for (int row = 0; row < 2; ++row) {
            const qreal y = row == 0 ? 27.0 : 79.0;
            const qreal lean = row == 0 ? 17.0 : -17.0;
            paintStick(p, at(7, y), 44, 11, g);
            paintStick(p, at(29, y), 44, 11, g, lean);
            paintStick(p, at(51, y), 44, 11, g, -lean);
            paintStick(p, at(73, y), 44, 11, g);
        }
        break;
    case 9:
        for (qreal y : {18.0, 53.0, 88.0})
            for (qreal x : {14.0, 40.0, 66.0}) paintStick(p, at(x, y), 30, w, x == 40.0 ? r : g);
        break;
    default:
        break;
    }
}

void paintCircles(QPainter& p, int rank)
{
    switch (rank) {
    case 1:
        paintBigCoin(p, at(40, 53));
        break;
    case 2:
        paintCoin(p, at(40, 27), 20, kBlue);
        paintCoin(p, at(40, 79), 20, kGreen);
        break;
    case 3:
        paintCoin(p, at(16, 17), 15, kBlue);
        paintCoin(p, at(40, 53), 15, kRed);
        paintCoin(p, at(64, 89), 15, kGreen);
        break;
    case 4:
        paintCoin(p, at(20, 28), 17, kBlue);
        paintCoin(p, at(60, 28), 17, kGreen);
        paintCoin(p, at(20, 78), 17, kGreen);
        paintCoin(p, at(60, 78), 17, kBlue);
        break;
    case 5:
        paintCoin(p, at(17, 20), 15, kBlue);
        paintCoin(p, at(63, 20), 15, kGreen);
        paintCoin(p, at(40, 53), 15, kRed);
        paintCoin(p, at(17, 86), 15, kGreen);
        paintCoin(p, at(63, 86), 15, kBlue);
        break;
    case 6:
        for (qreal x : {21.0, 59.0}) {
            paintCoin(p, at(x, 17), 15, kGreen);
            paintCoin(p, at(x, 56), 15, kRed);
            paintCoin(p, at(x, 90), 15, kRed);
        }
        break;
    case 7:
        paintCoin(p, at(14, 13), 12, kGreen);
        paintCoin(p, at(40, 25), 12, kGreen);
        paintCoin(p, at(66, 37), 12, kGreen);
        for (qreal x : {25.0, 55.0}) {
            paintCoin(p, at(x, 68), 12, kRed);
            paintCoin(p, at(x, 94), 12, kRed);
        }
        break;
    case 8:
        for (qreal y : {13.0, 39.5, 66.5, 93.0})
            for (qreal x : {24.0, 56.0}) paintCoin(p, at(x, y), 12.5, kBlue);
        break;
    case 9: {
        const std::array<QColor, 3> rows = {kBlue, kRed, kGreen};
        for (std::size_t row = 0; row < 3; ++row)
            for (qreal x : {13.0, 40.0, 67.0})
                paintCoin(p, at(x, 18.0 + 35.0 * static_cast<qreal>(row)), 12.5, rows[row]);
        break;
    }
    default:
        break;
    }
}

void paintHonour(QPainter& p, Code code)
{
    const QRectF box = kArt.adjusted(2, 6, -2, -6);
    switch (code.suit()) {
    case '3':
        paintGlyph(p, QStringLiteral("東"), box, kInk, 2.4, 1.1);
        break;
    case '4':
        paintGlyph(p, QStringLiteral("南"), box, kInk, 2.4, 1.1);
        break;
    case '5':
        paintGlyph(p, QStringLiteral("西"), box, kInk, 2.4, 1.1);
        break;
    case '6':
        paintGlyph(p, QStringLiteral("北"), box, kInk, 2.4, 1.1);
        break;
    case '7': {
        // 白: a blank face in a frame.
        const QRectF frame = kArt.adjusted(6, 8, -6, -8);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlue, 4.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRoundedRect(frame, 3, 3);
        p.setPen(QPen(kBlue, 1.5));
        p.drawRoundedRect(frame.adjusted(6, 6, -6, -6), 2, 2);
        break;
    }
    case '8':
        paintGlyph(p, QStringLiteral("發"), box, kGreen, 2.0, 1.1);
        break;
    case '9':
        paintGlyph(p, QStringLiteral("中"), box, kRed, 2.6, 1.1);
        break;
    default:
        break;
    }
}

void paintFace(QPainter& p, int image)
{
    paintBackLayer(p, QRectF(0, 0, kUnitW, kUnitH));
    paintIvory(p, QRectF(0, 0, kUnitW, kFaceH));
    const Code code = kHaiCodes[static_cast<std::size_t>(image)];
    switch (code.suit()) {
    case '0':
        paintCharacters(p, code.rankValue());
        break;
    case '1':
        paintBamboo(p, code.rankValue());
        break;
    case '2':
        paintCircles(p, code.rankValue());
        break;
    default:
        paintHonour(p, code);
        break;
    }
}

void paintFaceDown(QPainter& p)
{
    // Seen from the back: the ivory layer shows below the coloured back.
    paintIvory(p, QRectF(0, 0, kUnitW, kUnitH));
    paintBackLayer(p, QRectF(0, 0, kUnitW, kFaceH));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 235, 190, 120), 1.6));
    p.drawPath(rounded(QRectF(7, 7, kUnitW - 14, kFaceH - 14), kRadius - 4));
}

void paintPlaceholder(QPainter& p)
{
    // The slot a meld took from the hand: an empty, dimmed place on the felt.
    const QRectF r(3, 3, kUnitW - 6, kUnitH - 6);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2.4, Qt::DashLine));
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(rounded(r, kRadius));
    p.setPen(QPen(QColor(255, 255, 255, 90), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 67), QPointF(65, 67));
}

}  // namespace

void paintTile(QPainter& painter, const QRectF& rect, int image)
{
    if (image == image::kNone || rect.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / kUnitW, rect.height() / kUnitH);
    if (image >= 0 && image < kTileKinds)
        paintFace(painter, image);
    else if (image == image::kFaceDown)
        paintFaceDown(painter);
    else if (image == image::kPlaceholder)
        paintPlaceholder(painter);
    painter.restore();
}

QPixmap tileIconPixmap(int image, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const qreal h = side * 0.96;
    const qreal w = h * kUnitW / kUnitH;
    paintTile(p, QRectF((side - w) / 2, (side - h) / 2, w, h), image);
    p.end();
    return pixmap;
}

QIcon tileIcon(int image)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(tileIconPixmap(image, side));
    return icon;
}

void paintFelt(QPainter& painter, const QRectF& rect)
{
    static const QPixmap grain = [] {
        QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QRandomGenerator random(6);  // the same cloth every time
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int v = random.bounded(100);
                if (v < 14)
                    image.setPixelColor(x, y, QColor::fromRgba(kGrainDark));
                else if (v < 24)
                    image.setPixelColor(x, y, QColor::fromRgba(kGrainLight));
            }
        return QPixmap::fromImage(image);
    }();
    QRadialGradient light(rect.center(), std::max(rect.width(), rect.height()) * 0.75);
    light.setColorAt(0.0, QColor(kFeltCentre));
    light.setColorAt(1.0, QColor(kFeltEdge));
    painter.fillRect(rect, light);
    painter.save();
    painter.setBrushOrigin(rect.topLeft());
    painter.fillRect(rect, QBrush(grain));
    painter.restore();
}

QPixmap dragPixmap(int image, QSize size, qreal devicePixelRatio)
{
    const int margin = std::max(4, size.width() / 6);
    const QSize whole = size + QSize(2 * margin, 2 * margin);
    QPixmap pixmap(whole * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft shadow: a few widening, fading outlines below and right of the tile.
    const QRectF tile(QPointF(margin, margin), QSizeF(size));
    p.setPen(Qt::NoPen);
    for (int i = margin; i > 0; --i) {
        p.setBrush(QColor(0, 0, 0, 70 / margin));
        const qreal grow = i * 0.8;
        p.drawRoundedRect(
            tile.translated(margin * 0.35, margin * 0.5).adjusted(-grow, -grow, grow, grow),
            4 + grow, 4 + grow);
    }
    paintTile(p, tile, image);
    return pixmap;
}

}  // namespace tenho::qt
