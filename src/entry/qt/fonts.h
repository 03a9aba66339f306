// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of the window and its dialogs. The dialogs name the classic
// Japanese Windows faces; the IPA P fonts stand in for them, so that kanji
// take their Japanese shapes rather than a Chinese fallback.
#pragma once

#include <QFont>

namespace tenho::qt {

// Maps "ＭＳ Ｐ明朝" and "ＭＳ Ｐゴシック" to the IPA P fonts and makes the
// Gothic the application's font. Call once, after the QApplication exists.
void installJapaneseFonts();

QFont minchoFont(qreal pointSize, bool bold);
QFont gothicFont(qreal pointSize, bool bold = false);

}  // namespace tenho::qt
