// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/ver_info_dialog.h"

#include "entry/qt/fonts.h"
#include "entry/qt/table_look.h"
#include "entry/qt/tile_art.h"
#include "model/tile.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace tenho::qt {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Picture1: the 中 tile standing on a square of felt.
class VersionPicture : public QWidget {
public:
    explicit VersionPicture(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setFixedSize(72, 72);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect()), 8, 8);
        p.setClipPath(clip);
        paintFelt(p, rect());
        p.setClipping(false);
        const qreal h = 56;
        const qreal w = h * kTileSize.width() / kTileSize.height();
        paintTile(p, QRectF((width() - w) / 2, (height() - h) / 2, w, h),
                  paletteIndex(Code('9', '1')));
    }
};

}  // namespace

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

VerInfoDialog::VerInfoDialog(const VER_info& info, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VER_info"));
    setWindowTitle(qs(info.caption));
    setModalFrame(this);

    const auto plain = [this](const char* name, const std::string& text, QWidget* owner) {
        auto* l = new QLabel(qs(text), owner);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        return l;
    };

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 12);
    column->setSpacing(10);

    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(new VersionPicture(this), 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    QLabel* title = plain("Label1", info.title, this);
    title->setFont(minchoFont(16, true));
    texts->addWidget(title);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(plain("Label6", info.version, this));
    versionRow->addWidget(plain("Label7", info.date, this));
    versionRow->addStretch();
    texts->addLayout(versionRow);
    QLabel* notice = plain("lblDescription", info.description, this);
    notice->setWordWrap(true);
    texts->addWidget(notice);
    texts->addWidget(plain("Label5", info.author, this));
    head->addLayout(texts, 1);
    column->addLayout(head);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < static_cast<int>(info.credits.size()); ++i) {
        const CreditRow& row = info.credits[static_cast<std::size_t>(i)];
        QLabel* name = plain("Label2", row.name, frame);
        QLabel* mail = plain("Label3", row.mail, frame);
        mail->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* home = new ClickableLabel(qs(row.homePage), frame);
        home->setObjectName(QStringLiteral("Label4"));
        home->setTextFormat(Qt::PlainText);
        QPalette blue = home->palette();
        blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xff));
        home->setPalette(blue);
        QFont underlined = home->font();
        underlined.setUnderline(true);
        home->setFont(underlined);
        home->setCursor(Qt::PointingHandCursor);
        home->setToolTip(qs(row.homePage));
        for (QLabel* l : {name, mail, static_cast<QLabel*>(home)}) l->setProperty("index", i);
        connect(home, &ClickableLabel::clicked, this, [callback = info.Label4_Click, i] {
            if (callback) callback(i);
        });
        grid->addWidget(name, i, 0);
        grid->addWidget(mail, i, 1);
        grid->addWidget(home, i, 2);
    }
    grid->setColumnStretch(2, 1);
    column->addWidget(frame);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdOK_->setMinimumWidth(90);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(cmdOK_, 0, Qt::AlignRight);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* VerInfoDialog::label(const char* name, int index) const
{
    for (QLabel* l : findChildren<QLabel*>(QString::fromLatin1(name)))
        if (!l->property("index").isValid() || l->property("index").toInt() == index) return l;
    return nullptr;
}

}  // namespace tenho::qt
