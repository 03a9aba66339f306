// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the table: the felt and the colours of everything written on
// it, in one place, so that the contrast figures are taken from the very
// colours the window paints with.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QBoxLayout;
class QDialog;

namespace tenho::qt {

// The felt: lighter in the middle, darker at the edges, with a fine grain of
// dark and light specks over it.
inline constexpr QRgb kFeltCentre = qRgb(0x1b, 0x54, 0x34);
inline constexpr QRgb kFeltEdge = qRgb(0x0f, 0x3a, 0x22);
inline constexpr QRgb kGrainDark = qRgba(0, 0, 0, 22);
inline constexpr QRgb kGrainLight = qRgba(255, 255, 255, 12);

// Captions on the felt: frame titles, check boxes, option buttons. A box that
// cannot be clicked is written dimmer, never brighter.
inline constexpr QRgb kCaption = qRgb(0xff, 0xf8, 0xe1);
inline constexpr QRgb kCaptionDisabled = qRgb(0xd0, 0xca, 0xb1);
// The square or circle of a box that cannot be clicked, sunk into the felt.
inline constexpr QRgb kBoxDisabled = qRgb(0x8f, 0xa3, 0x94);
// What the typing field says about a malformed line.
inline constexpr QRgb kNote = qRgb(0xff, 0xd2, 0xc8);
// The ring around the control that has the keyboard focus.
inline constexpr QRgb kFocus = qRgb(0xff, 0xd3, 0x6b);
// Inside the typing field and the wind lists.
inline constexpr QRgb kFieldBackground = qRgb(0xfb, 0xf6, 0xe6);
inline constexpr QRgb kFieldInk = qRgb(0x1c, 0x1c, 0x2a);
inline constexpr QRgb kFieldPlaceholder = qRgb(0x5f, 0x5a, 0x4c);

// The brightest the felt gets anywhere: its centre under a light speck.
// Everything written on it is measured against this.
QColor brightestFelt();

// Relative luminance and contrast ratio as the usual accessibility rules
// define them (sRGB; 1:1 to 21:1). A translucent first colour is taken as
// painted over the second.
double relativeLuminance(const QColor& c);
double contrastRatio(const QColor& a, const QColor& b);

// The style sheet of the table and the controls on it.
QString tableStyleSheet();

// `base` with the caption colours of a box or option button on the felt.
QPalette captionPalette(QPalette base);

// A modal dialog's frame: a caption and a close button, nothing to minimise
// or maximise.
void setModalFrame(QDialog* dialog);

// Makes `column`, the dialog's outer layout, wide enough for the caption:
// window managers draw it in a bold face, beside an icon and a close button,
// and cut what does not fit.
void keepCaptionWhole(QDialog* dialog, QBoxLayout* column);

}  // namespace tenho::qt
