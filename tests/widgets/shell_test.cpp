// SPDX-License-Identifier: GPL-3.0-or-later
// The house-rule dialog, the version dialog and the help window, opened from
// the window's menus on the real host.
#include "shell/addresses.h"
#include "shell/qt/form_option_dialog.h"
#include "shell/qt/help_window.h"
#include "shell/qt/ver_info_dialog.h"
#include "widget_test_support.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace tenho;
using namespace tenho::testing;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString title(const Table& t) { return t.window->windowTitle(); }

// The top-level windows that are shown, the main window apart.
int otherWindowsShown(const Table& t)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != t.window.get() && w->isVisible()) ++n;
    return n;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void optionsDialogHasThreeRulesWithAtodukeFixed()
    {
        qt::FormOptionDialog d(form_OPTION{1, 0, 1});
        QCOMPARE(d.objectName(), QStringLiteral("form_OPTION"));
        QCOMPARE(d.windowTitle(), QStringLiteral("オプション設定"));
        const std::pair<const char*, QString> frames[] = {{"Frame1", QStringLiteral("食いタン")},
                                                          {"Frame2", QStringLiteral("あとづけ")},
                                                          {"Frame3", QStringLiteral("連和")}};
        for (int rule = 1; rule <= 3; ++rule) {
            const auto& [name, caption] = frames[rule - 1];
            auto* frame = d.findChild<QGroupBox*>(QString::fromLatin1(name));
            QVERIFY2(frame != nullptr, name);
            QCOMPARE(frame->title(), caption);
            QCOMPARE(frame->isEnabled(), rule != 2);
            QCOMPARE(d.option(rule, 0)->text(), QStringLiteral("あり"));
            QCOMPARE(d.option(rule, 1)->text(), QStringLiteral("なし"));
            QCOMPARE(d.option(rule, 0)->isEnabled(), rule != 2);
            QCOMPARE(d.option(rule, 1)->isEnabled(), rule != 2);
            QCOMPARE(d.option(rule, 0)->parentWidget(), frame);
        }
        QCOMPARE(d.okButton()->objectName(), QStringLiteral("CMD"));
        QCOMPARE(d.okButton()->text(), QStringLiteral("ＯＫ"));
        // The start selections, and each frame keeps exactly one button on.
        QVERIFY(d.option(1, 1)->isChecked() && d.option(2, 0)->isChecked() &&
                d.option(3, 1)->isChecked());
        d.option(1, 0)->click();
        QVERIFY(d.option(1, 0)->isChecked() && !d.option(1, 1)->isChecked());
        QVERIFY(d.option(3, 1)->isChecked());
        QCOMPARE(d.selection().Option1, 0);
        QCOMPARE(d.selection().Option2, 0);
        QCOMPARE(d.selection().Option3, 1);
    }

    void confirmingRewritesTheCaptionClosingChangesNothing()
    {
        Table t;
        QCOMPARE(
            title(t),
            QStringLiteral(" 天和 麻雀点数計算　　 [  あとづけ（○）　食いタン（×）　連和（×） ]"));

        // Choices made and then the frame closed: nothing changes.
        whenModal([](QWidget* dialog) {
            auto* d = qobject_cast<qt::FormOptionDialog*>(dialog);
            d->option(1, 0)->click();
            d->option(3, 0)->click();
            d->close();
        });
        t.control<QAction>("SYSTEM")->trigger();
        QCOMPARE(t.model.RULE_KUITAN, 0);
        QCOMPARE(t.model.RULE_RENHOU, 0);
        QCOMPARE(
            title(t),
            QStringLiteral(" 天和 麻雀点数計算　　 [  あとづけ（○）　食いタン（×）　連和（×） ]"));

        // 連和 あり, and a click on the disabled あとづけ なし that does nothing.
        whenModal([](QWidget* dialog) {
            auto* d = qobject_cast<qt::FormOptionDialog*>(dialog);
            QTest::mouseClick(d->option(2, 1), Qt::LeftButton);
            d->option(3, 0)->click();
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        t.control<QAction>("SYSTEM")->trigger();
        QCOMPARE(t.model.RULE_KUITAN, 0);
        QCOMPARE(t.model.RULE_ATODUKE, 1);
        QCOMPARE(t.model.RULE_RENHOU, 1);
        QCOMPARE(
            title(t),
            QStringLiteral(" 天和 麻雀点数計算　   [　あとづけ（○）　食いタン（×）　連和（○） ]"));

        // Reopened, it shows the stored rules.
        whenModal([](QWidget* dialog) {
            auto* d = qobject_cast<qt::FormOptionDialog*>(dialog);
            QVERIFY(d->option(1, 1)->isChecked());
            QVERIFY(d->option(2, 0)->isChecked());
            QVERIFY(d->option(3, 0)->isChecked());
            d->okButton()->click();
        });
        t.control<QAction>("SYSTEM")->trigger();
        QCOMPARE(t.model.RULE_RENHOU, 1);
    }

    void versionDialogTextsAndLinks()
    {
        Table t;
        QStringList texts;
        QString labelColour;
        bool okIsDefault = false;
        whenModal([&](QWidget* dialog) {
            auto* d = qobject_cast<qt::VerInfoDialog*>(dialog);
            QVERIFY(d != nullptr);
            texts << d->windowTitle();
            for (const char* name : {"Label1", "Label6", "Label7", "lblDescription", "Label5"})
                texts << d->label(name)->text();
            for (int i = 0; i < 2; ++i)
                for (const char* name : {"Label2", "Label3", "Label4"})
                    texts << d->label(name, i)->text();
            labelColour = d->label("Label4", 1)->palette().color(QPalette::WindowText).name();
            okIsDefault =
                d->okButton()->isDefault() && d->okButton()->text() == QLatin1String("OK");
            QTest::mouseClick(d->label("Label4", 1), Qt::LeftButton);
            QTest::mouseClick(d->label("Label4", 0), Qt::LeftButton);
            d->okButton()->click();
        });
        t.control<QAction>("VER")->trigger();
        const VER_info v = t.model.makeVER_info();
        const QString home = qs(kHomePage);
        const QString mail = qs(kMail);
        QCOMPARE(
            texts,
            (QStringList{QStringLiteral("バージョン情報"), QStringLiteral("天和 麻雀点数計算"),
                         QStringLiteral("Ver 0.97"), QStringLiteral("（2000/8/30）"),
                         QString::fromStdString(v.description), QStringLiteral("天和 プロジェクト"),
                         QStringLiteral("天和 プロジェクト（制作）"), mail, home,
                         QStringLiteral("天和 プロジェクト（画）"), mail, home}));
        QCOMPARE(labelColour, QStringLiteral("#0000ff"));
        QVERIFY(okIsDefault);

        // Both labels opened their address; the menu's ホームページ opens the same.
        t.control<QAction>("HP_URL")->trigger();
        QCOMPARE(t.host.openedUrls.size(), std::size_t{3});
        for (const QUrl& url : t.host.openedUrls) QCOMPARE(url, QUrl(home));
    }

    void helpOpensInTheProgramsOwnWindow_data()
    {
        QTest::addColumn<bool>("trailingSeparator");
        QTest::newRow("folder") << false;
        QTest::newRow("folder/") << true;
    }

    void helpOpensInTheProgramsOwnWindow()
    {
        QFETCH(bool, trailingSeparator);
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QStringLiteral(TENHO_HELP_SOURCE),
                            folder.filePath(QStringLiteral("TOVARI.HLP"))));
        Table t;
        t.model.appPath =
            (folder.path() + (trailingSeparator ? QStringLiteral("/") : QString())).toStdString();
        t.control<QAction>("HELP")->trigger();
        qt::HelpWindow* help = t.host.helpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->parentWidget(), t.window.get());
        QVERIFY(t.host.openedUrls.empty());
        const QString text = help->browser()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("天和 麻雀点数計算 ヘルプ")));
        for (const QString& topic :
             {QStringLiteral("鳴きの種類"), QStringLiteral("ドラ表示牌"),
              QStringLiteral("一気通貫"), QStringLiteral("オール"), QStringLiteral("食いタン")})
            QVERIFY2(text.contains(topic), qPrintable(topic));

        // Asked again, the same window comes forward.
        t.control<QAction>("HELP")->trigger();
        QCOMPARE(t.host.helpWindow(), help);
        QCOMPARE(otherWindowsShown(t), 1);
        help->close();
    }

    void aMissingHelpFileShowsNothing()
    {
        QTemporaryDir folder;
        Table t;
        t.model.appPath = folder.path().toStdString();
        t.control<QAction>("HELP")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(t.host.helpWindow() == nullptr);
        QVERIFY(t.host.openedUrls.empty());
        QCOMPARE(otherWindowsShown(t), 0);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
