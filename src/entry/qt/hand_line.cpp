// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/hand_line.h"

#include "entry/qt/table_look.h"

#include <QKeyEvent>
#include <QStyle>

namespace tenho::qt {

HandLine::HandLine(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("handLine"));
    setPlaceholderText(QStringLiteral("例: 234m567p88s +8s (777z) [1111s] d1m"));
    setToolTip(QStringLiteral("手牌を打ち込んで Enter\n"
                              "234m567p88s\t手牌（m 萬子 p 筒子 s 索子、z 東南西北白發中）\n"
                              "+8s\t和了牌\n"
                              "(123p) (777z) (1111s)\tチー、ポン、ミンカン\n"
                              "[1111s]\tアンカン\n"
                              "d1m\tドラ表示牌\n"
                              "空欄で Enter は計算"));
    connect(this, &QLineEdit::textEdited, this, [this] { setMalformed(false); });
}

void HandLine::markMalformed(int from, int length)
{
    setMalformed(true);
    setSelection(from, length);
}

void HandLine::setMalformed(bool on)
{
    if (on == malformed_) return;
    malformed_ = on;
    // The style sheet reads the property "malformed"; it must look again.
    style()->unpolish(this);
    style()->polish(this);
    inkPlaceholder();
    update();
    if (!on) emit markCleared();
}

bool HandLine::event(QEvent* event)
{
    const bool done = QLineEdit::event(event);
    if (event->type() == QEvent::Polish) inkPlaceholder();
    return done;
}

// The style sheet gives the hint half the ink of the text, too faint to read
// well; it gets an ink of its own each time the style sheet has been applied.
void HandLine::inkPlaceholder()
{
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::PlaceholderText, QColor(kFieldPlaceholder));
    setPalette(p);
}

void HandLine::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !text().trimmed().isEmpty()) {
        if (onEnter) onEnter(text());
        event->accept();
        return;
    }
    // Esc empties a field that holds something; on an empty one it is the window's.
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        setMalformed(false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tenho::qt
