// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/qt/han_number_dialog.h"

#include "entry/qt/fonts.h"
#include "entry/qt/table_look.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <string_view>

namespace tenho::qt {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr qreal kYakuPointSize = 14.25;
constexpr qreal kTotalPointSize = 18.0;
constexpr qreal kFuPointSize = 18.0;
constexpr qreal kButtonPointSize = 10.0;

// The labels hold CR LF line ends, as the calculator writes them.
QString labelText(std::string_view text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

}  // namespace

HanNumberDialog::HanNumberDialog(const HAN_number& han, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HAN_number"));
    setWindowTitle(QStringLiteral("役数"));
    setModalFrame(this);

    const auto label = [this](const char* name, std::string_view text, const QRect& geometry,
                              const QFont& font, Qt::Alignment alignment) {
        auto* l = new QLabel(labelText(text), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(geometry);
        l->setFont(font);
        l->setAlignment(alignment | Qt::AlignTop);
        return l;
    };

    auto* label1 = label("Label1", han.Label1, twipRect(120, 210, 2640, 3720),
                         minchoFont(kYakuPointSize, true), Qt::AlignLeft);
    auto* label2 = label("Label2", han.Label2, twipRect(2475, 210, 1245, 3720),
                         minchoFont(kYakuPointSize, true), Qt::AlignRight);
    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Plain);
    line1->setLineWidth(1);
    line1->setGeometry(QRect(QPoint(px(248), px(2850)), QPoint(px(3578), px(2850))));
    auto* label3 = label("Label3", han.Label3, twipRect(2460, 2880, 1245, 495),
                         minchoFont(kTotalPointSize, true), Qt::AlignLeft);
    auto* label5 = label("Label5", han.Label5, twipRect(360, 2910, 1125, 465),
                         gothicFont(kFuPointSize), Qt::AlignLeft);
    label5->setVisible(han.Label5Visible);
    auto* label4 = label("Label4", han.Label4, twipRect(120, 3510, 3435, 405),
                         minchoFont(han.Label4FontSize, true), Qt::AlignRight);

    auto* command1 = new QPushButton(QStringLiteral("やり直す"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twipRect(2040, 4080, 1410, 330));
    command1->setFont(gothicFont(kButtonPointSize));
    auto* command2 = new QPushButton(QStringLiteral("OK"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(twipRect(390, 4080, 1410, 330));
    command2->setFont(gothicFont(kButtonPointSize));
    connect(command1, &QPushButton::clicked, this, [this] {
        closedBy_ = HanNumberButton::Command1;
        accept();
    });
    connect(command2, &QPushButton::clicked, this, [this] {
        closedBy_ = HanNumberButton::Command2;
        accept();
    });

    QWidget::setTabOrder(label1, command1);
    QWidget::setTabOrder(command1, label3);
    QWidget::setTabOrder(label3, label2);
    QWidget::setTabOrder(label2, command2);
    QWidget::setTabOrder(command2, label4);
    QWidget::setTabOrder(label4, label5);
    command1->setFocus();

    // Ctrl+C: the result as text for a chat or a score sheet.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [text = resultText(han)] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    });

    // The form leaves the same margin right of the han column as left of the yaku.
    setFixedSize(px(3840), px(4620));
}

HanNumberButton HanNumberDialog::run()
{
    closedBy_ = HanNumberButton::Closed;
    exec();
    return closedBy_;
}

int HanNumberDialog::px(int twips) const
{
    return qRound(static_cast<qreal>(twips) * logicalDpiY() / kTwipsPerInch);
}

QRect HanNumberDialog::twipRect(int left, int top, int width, int height) const
{
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace tenho::qt
