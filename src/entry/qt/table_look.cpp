// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/table_look.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <cmath>

namespace tenho::qt {

namespace {

QColor over(QRgb top, QRgb bottom)
{
    const double a = qAlpha(top) / 255.0;
    const auto mix = [a](int t, int b) {
        return static_cast<int>(std::lround(t * a + b * (1 - a)));
    };
    return QColor(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                  mix(qBlue(top), qBlue(bottom)));
}

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QString hex(QRgb c) { return QColor(c).name(); }

// Room beside the caption in a dialog's title bar: its icon, its close
// button and the margins.
constexpr int kCaptionRoom = 150;

}  // namespace

QColor brightestFelt() { return over(kGrainLight, kFeltCentre); }

double relativeLuminance(const QColor& c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    // A translucent ink is seen over what lies behind it.
    if (a.alpha() < 255) return contrastRatio(over(a.rgba(), b.rgb()), b);
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString tableStyleSheet()
{
    // Every control that takes the focus has a border of the same width in
    // both states, so that the ring does not move anything.
    return QStringLiteral(R"(
QGroupBox {
    color: %1;
    font-weight: bold;
    border: 1px solid rgba(255, 255, 255, 64);
    border-radius: 7px;
    background: rgba(0, 0, 0, 40);
    margin-top: 10px;
    padding: 12px 8px 7px 8px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 10px;
    padding: 0 4px;
}
QGroupBox#Frame8 { margin-top: 0px; padding: 7px 8px 7px 8px; }
QCheckBox, QRadioButton {
    spacing: 5px;
    border: 1px solid transparent;
    border-radius: 3px;
    padding: 1px 4px 1px 2px;
}
QCheckBox:focus, QRadioButton:focus { border-color: %2; }
QListWidget {
    background: %3;
    color: %4;
    border: 2px solid #0c3520;
    border-radius: 3px;
    outline: none;
}
QListWidget:focus { border-color: %2; }
QListWidget::item { padding: 1px 6px; }
QListWidget::item:selected { background: #b8242a; color: #ffffff; }
QLineEdit#handLine {
    background: %3;
    color: %4;
    border: 2px solid #0c3520;
    border-radius: 4px;
    padding: 2px 6px;
    selection-background-color: #b8242a;
    selection-color: #ffffff;
}
QLineEdit#handLine:focus { border-color: %2; }
QLineEdit#handLine[malformed="true"] { border-color: #e0463c; background: #fff0ec; }
QLabel#handNote { color: %6; }
QLabel#handNote[error="true"] { color: %5; }
QPushButton#cmdKEISAN, QPushButton#cmdRESET {
    color: #2b1d0c;
    font-weight: bold;
    border: 2px solid #5c3c12;
    border-radius: 6px;
    padding: 6px 12px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff3d6, stop:1 #e0c48d);
}
QPushButton#cmdKEISAN:focus, QPushButton#cmdRESET:focus { border-color: %2; }
QPushButton#cmdKEISAN:hover, QPushButton#cmdRESET:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8e6, stop:1 #ebd3a1);
}
QPushButton#cmdKEISAN:pressed, QPushButton#cmdRESET:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d9bb83, stop:1 #f3e1b8);
}
)")
        .arg(hex(kCaption), hex(kFocus), hex(kFieldBackground), hex(kFieldInk), hex(kNote),
             hex(kCaptionDisabled));
}

QPalette captionPalette(QPalette base)
{
    for (auto group : {QPalette::Active, QPalette::Inactive})
        base.setColor(group, QPalette::WindowText, QColor(kCaption));
    base.setColor(QPalette::Disabled, QPalette::WindowText, QColor(kCaptionDisabled));
    base.setColor(QPalette::Disabled, QPalette::Base, QColor(kBoxDisabled));
    return base;
}

void setModalFrame(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

void keepCaptionWhole(QDialog* dialog, QBoxLayout* column)
{
    QFont captionFont = dialog->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.2);
    const int caption = QFontMetrics(captionFont).horizontalAdvance(dialog->windowTitle());
    const QMargins margins = column->contentsMargins();
    column->addStrut(caption + kCaptionRoom - margins.left() - margins.right());
}

}  // namespace tenho::qt
