// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/qt/call_dialogs.h"

#include "entry/qt/fonts.h"
#include "entry/qt/table_look.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tenho::qt {

CallDialog::CallDialog(const QString& name, const QString& caption, const QString& buttonName,
                       const QStringList& captions, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setModalFrame(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 14, 14, 14);
    row->setSpacing(8);
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], this);
        b->setObjectName(buttonName);
        b->setProperty("index", i);
        b->setFont(gothicFont(10));
        b->setMinimumWidth(76);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] {
            choice_ = i;
            accept();
        });
        row->addWidget(b);
        buttons_.push_back(b);
    }
    row->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* CallDialog::button(int index) const
{
    return index >= 0 && index < static_cast<int>(buttons_.size())
               ? buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

int CallDialog::runModal()
{
    choice_ = -1;
    exec();
    return choice_;
}

NakiCheckDialog::NakiCheckDialog(bool chiVisible, QWidget* parent)
    : CallDialog(QStringLiteral("NAKI_check"), QStringLiteral("鳴きの種類"),
                 QStringLiteral("cmd_NAKI"),
                 {QStringLiteral("チー"), QStringLiteral("ポン"), QStringLiteral("カン"),
                  QStringLiteral("Cancel")},
                 parent)
{
    button(0)->setVisible(chiVisible);
}

KanCheckDialog::KanCheckDialog(QWidget* parent)
    : CallDialog(QStringLiteral("KAN_check"), QStringLiteral("カンの種類"),
                 QStringLiteral("cmd_KAN"),
                 {QStringLiteral("アンカン"), QStringLiteral("ミンカン"), QStringLiteral("Cancel")},
                 parent)
{
}

}  // namespace tenho::qt
