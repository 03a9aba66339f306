// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/form_option_dialog.h"

#include "entry/qt/fonts.h"
#include "entry/qt/table_look.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tenho::qt {

FormOptionDialog::FormOptionDialog(const form_OPTION& start, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("form_OPTION"));
    setWindowTitle(QStringLiteral("オプション設定"));
    setModalFrame(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(8);
    struct Rule {
        const char* frame;
        const char* buttons;
        QString caption;
        int selected;
        bool enabled;
    };
    const Rule rules[] = {
        {"Frame1", "Option1", QStringLiteral("食いタン"), start.Option1, true},
        {"Frame2", "Option2", QStringLiteral("あとづけ"), start.Option2,
         form_OPTION::kFrame2Enabled},
        {"Frame3", "Option3", QStringLiteral("連和"), start.Option3, true},
    };
    const QString captions[] = {QStringLiteral("あり"), QStringLiteral("なし")};
    for (std::size_t r = 0; r < 3; ++r) {
        const Rule& rule = rules[r];
        auto* frame = new QGroupBox(rule.caption, this);
        frame->setObjectName(QString::fromLatin1(rule.frame));
        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(12, 6, 12, 6);
        row->setSpacing(24);
        // Each frame is its own group: exactly one of its two buttons is on.
        auto* group = new QButtonGroup(frame);
        for (int i = 0; i < 2; ++i) {
            auto* b = new QRadioButton(captions[i], frame);
            b->setObjectName(QString::fromLatin1(rule.buttons));
            b->setProperty("index", i);
            b->setEnabled(rule.enabled);
            b->setChecked(rule.selected == i);
            group->addButton(b, i);
            row->addWidget(b);
            options_[r][static_cast<std::size_t>(i)] = b;
        }
        row->addStretch();
        frame->setEnabled(rule.enabled);
        column->addWidget(frame);
    }
    cmd_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    cmd_->setObjectName(QStringLiteral("CMD"));
    cmd_->setDefault(true);
    cmd_->setMinimumWidth(90);
    connect(cmd_, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(cmd_, 0, Qt::AlignHCenter);

    keepCaptionWhole(this, column);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

QRadioButton* FormOptionDialog::option(int rule, int index) const
{
    if (rule < 1 || rule > 3 || index < 0 || index > 1) return nullptr;
    return options_[static_cast<std::size_t>(rule - 1)][static_cast<std::size_t>(index)];
}

form_OPTION FormOptionDialog::selection() const
{
    const auto selected = [this](int rule) { return option(rule, 1)->isChecked() ? 1 : 0; };
    return form_OPTION{selected(1), selected(2), selected(3)};
}

bool FormOptionDialog::run(form_OPTION& chosen)
{
    if (exec() != QDialog::Accepted) return false;
    chosen = selection();
    return true;
}

}  // namespace tenho::qt
