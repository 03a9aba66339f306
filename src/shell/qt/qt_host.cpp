#include "shell/qt/qt_host.h"

#include "entry/qt/call_dialogs.h"
#include "model/dialogs.h"
#include "model/qt/fonts.h"
#include "scoring/qt/han_number_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tenho::qt {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The house rules: one あり/なし pair per rule. あとづけ is shown but fixed.
bool runRuleOptions(form_OPTION& data, QWidget* owner)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("form_OPTION"));
    dialog.setWindowTitle(QStringLiteral("オプション設定"));
    auto* column = new QVBoxLayout(&dialog);
    struct Rule {
        const char* name;
        QString title;
        int* value;
        bool enabled;
    };
    const Rule rules[] = {
        {"Frame1", QStringLiteral("食いタン"), &data.Option1, true},
        {"Frame2", QStringLiteral("あとづけ"), &data.Option2, form_OPTION::kFrame2Enabled},
        {"Frame3", QStringLiteral("連和"), &data.Option3, true},
    };
    std::vector<std::pair<QButtonGroup*, int*>> groups;
    for (const Rule& rule : rules) {
        auto* box = new QGroupBox(rule.title, &dialog);
        box->setObjectName(QString::fromLatin1(rule.name));
        box->setEnabled(rule.enabled);
        auto* row = new QHBoxLayout(box);
        auto* group = new QButtonGroup(box);
        const QString captions[] = {QStringLiteral("あり"), QStringLiteral("なし")};
        for (int i = 0; i < 2; ++i) {
            auto* b = new QRadioButton(captions[i], box);
            b->setChecked(*rule.value == i);
            group->addButton(b, i);
            row->addWidget(b);
        }
        column->addWidget(box);
        groups.emplace_back(group, rule.value);
    }
    auto* ok = new QPushButton(QStringLiteral("ＯＫ"), &dialog);
    ok->setObjectName(QStringLiteral("CMD"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignRight);
    column->setSizeConstraint(QLayout::SetFixedSize);
    if (dialog.exec() != QDialog::Accepted) return false;
    for (const auto& [group, value] : groups)
        *value = group->checkedId();
    return true;
}

void runVersion(const VER_info& data, QWidget* owner)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("VER_info"));
    dialog.setWindowTitle(qs(data.caption));
    auto* column = new QVBoxLayout(&dialog);
    auto* title = new QLabel(qs(data.title), &dialog);
    title->setFont(minchoFont(16, true));
    column->addWidget(title);
    for (const std::string& line : {data.version, data.date, data.description, data.author})
        if (!line.empty()) column->addWidget(new QLabel(qs(line), &dialog));
    for (const CreditRow& row : data.credits) {
        if (row.name.empty()) continue;
        auto* credit =
            new QLabel(QStringLiteral("%1  %2  <a href=\"%3\">%3</a>")
                           .arg(qs(row.name).toHtmlEscaped(), qs(row.mail).toHtmlEscaped(),
                                qs(row.homePage).toHtmlEscaped()),
                       &dialog);
        credit->setOpenExternalLinks(true);
        column->addWidget(credit);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignRight);
    column->setSizeConstraint(QLayout::SetFixedSize);
    dialog.exec();
}

} // namespace

void QtHost::messageBox(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), qs(text), QMessageBox::Ok, owner_);
    box.exec();
}

HanNumberButton QtHost::showHanNumber(const HAN_number& dialog)
{
    HanNumberDialog d(dialog, owner_);
    return d.run();
}

int QtHost::showNakiCheck(bool chiVisible)
{
    NakiCheckDialog d(chiVisible, owner_);
    return d.run();
}

int QtHost::showKanCheck()
{
    KanCheckDialog d(owner_);
    return d.run();
}

bool QtHost::showFormOption(form_OPTION& dialog)
{
    return runRuleOptions(dialog, owner_);
}

void QtHost::showVerInfo(const VER_info& dialog)
{
    runVersion(dialog, owner_);
}

void QtHost::beep()
{
    QApplication::beep();
}

void QtHost::shellOpen(std::string_view target, std::string_view workingFolder, bool)
{
    const QString t = qs(target);
    if (t.isEmpty()) return;
    QUrl url(t);
    if (url.scheme().size() <= 1) { // a path ("C:" is a drive, not a scheme)
        url = QUrl::fromLocalFile(QDir(qs(workingFolder)).absoluteFilePath(t));
    }
    QDesktopServices::openUrl(url);
}

} // namespace tenho::qt
