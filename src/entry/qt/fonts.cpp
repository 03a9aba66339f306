// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/fonts.h"

#include <QApplication>

namespace tenho::qt {

namespace {

const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");

}  // namespace

void installJapaneseFonts()
{
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(kGothic, QStringLiteral("IPAPGothic"));
    QApplication::setFont(gothicFont(10));
}

QFont minchoFont(qreal pointSize, bool bold)
{
    QFont font(kMincho);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont gothicFont(qreal pointSize, bool bold)
{
    QFont font(kGothic);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace tenho::qt
