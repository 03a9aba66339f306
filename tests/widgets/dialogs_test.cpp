// SPDX-License-Identifier: GPL-3.0-or-later
// The result dialog, the call dialogs and the message box of the real host.
#include "entry/qt/call_dialogs.h"
#include "scoring/qt/han_number_dialog.h"
#include "shell/qt/form_option_dialog.h"
#include "shell/qt/ver_info_dialog.h"
#include "widget_test_support.h"

#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>

Q_DECLARE_METATYPE(tenho::NakiCheckButton)
Q_DECLARE_METATYPE(tenho::KanCheckButton)

using namespace tenho;
using namespace tenho::testing;

namespace {

int px(const QWidget& w, int twips) { return qRound(twips * w.logicalDpiY() / 1440.0); }

QRect twips(const QWidget& w, int left, int top, int width, int height)
{
    return {px(w, left), px(w, top), px(w, width), px(w, height)};
}

QLabel* label(const QWidget& dialog, const char* name)
{
    return dialog.findChild<QLabel*>(QString::fromLatin1(name));
}

// A complete hand ready for 計算: 一二三 四五六 七八九萬 二三四 五五筒, seat and round 東.
void enterCompleteHand(Table& t)
{
    for (const char* c :
         {"01", "02", "03", "04", "05", "06", "07", "08", "09", "22", "23", "24", "25"})
        dropOn(t.control("Frame1"), src(c));
    dropOn(t.control("Frame7"), src("25"));
    t.control<QListWidget>("I_list")->setCurrentRow(0);
    t.control<QListWidget>("B_list")->setCurrentRow(0);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void resultDialogLaysOutItsLabels()
    {
        HAN_number h;
        h.Label1 = "一気通貫\r\n門前清自摸和\r\n";
        h.Label2 = "２翻\r\n１翻\r\n";
        h.Label3 = "3翻";
        h.Label4 = "2000点（親）・1000点（子）";
        h.Label5 = "40符";
        h.Label4FontSize = 11.25;
        qt::HanNumberDialog d(h);
        QCOMPARE(d.objectName(), QStringLiteral("HAN_number"));
        QCOMPARE(d.windowTitle(), QStringLiteral("役数"));
        QCOMPARE(label(d, "Label1")->text(), QStringLiteral("一気通貫\n門前清自摸和\n"));
        QCOMPARE(label(d, "Label2")->text(), QStringLiteral("２翻\n１翻\n"));
        QCOMPARE(label(d, "Label3")->text(), QStringLiteral("3翻"));
        QCOMPARE(label(d, "Label4")->text(), QStringLiteral("2000点（親）・1000点（子）"));
        QCOMPARE(label(d, "Label5")->text(), QStringLiteral("40符"));

        struct Expect {
            const char* name;
            QRect geometry;
            const char* family;
            bool bold;
            qreal points;
            bool right;
        };
        const Expect rows[] = {
            {"Label1", twips(d, 120, 210, 2640, 3720), "IPAPMincho", true, 14.25, false},
            {"Label2", twips(d, 2475, 210, 1245, 3720), "IPAPMincho", true, 14.25, true},
            {"Label3", twips(d, 2460, 2880, 1245, 495), "IPAPMincho", true, 18, false},
            {"Label5", twips(d, 360, 2910, 1125, 465), "IPAPGothic", false, 18, false},
            {"Label4", twips(d, 120, 3510, 3435, 405), "IPAPMincho", true, 11.25, true},
        };
        for (const Expect& e : rows) {
            QLabel* l = label(d, e.name);
            QCOMPARE(l->geometry(), e.geometry);
            QCOMPARE(QFontInfo(l->font()).family(), QString::fromLatin1(e.family));
            QCOMPARE(l->font().bold(), e.bold);
            QCOMPARE(l->font().pointSizeF(), e.points);
            QCOMPARE(bool(l->alignment() & Qt::AlignRight), e.right);
        }
        auto* line = d.findChild<QFrame*>(QStringLiteral("Line1"));
        QCOMPARE(line->geometry().top(), px(d, 2850));
        QCOMPARE(line->geometry().left(), px(d, 248));
        QCOMPARE(line->geometry().right(), px(d, 3578));

        auto* command1 = d.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* command2 = d.findChild<QPushButton*>(QStringLiteral("Command2"));
        QCOMPARE(command1->text(), QStringLiteral("やり直す"));
        QCOMPARE(command2->text(), QStringLiteral("OK"));
        QCOMPARE(command1->geometry(), twips(d, 2040, 4080, 1410, 330));
        QCOMPARE(command2->geometry(), twips(d, 390, 4080, 1410, 330));
        QCOMPARE(QFontInfo(command1->font()).family(), QStringLiteral("IPAPGothic"));
        // "やり直す" comes first in the tab order, then "OK".
        QWidget* w = command1->nextInFocusChain();
        while (w != command1 && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
        QCOMPARE(w, command2);

        h.Label5Visible = false;
        qt::HanNumberDialog noFu(h);
        noFu.show();
        QVERIFY(!label(noFu, "Label5")->isVisible());
        QVERIFY(label(noFu, "Label4")->isVisible());
    }

    void redoKeepsTheHandAndOkResetsIt()
    {
        Table t;
        enterCompleteHand(t);
        QString shownYaku;
        whenModal([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("HAN_number"));
            shownYaku = label(*dialog, "Label1")->text();
            buttonOf(dialog, QStringLiteral("やり直す"))->click();
        });
        click(t.control("cmdKEISAN"));
        QVERIFY(!shownYaku.isEmpty());
        QCOMPARE(t.model.List[0].count(), 13);
        QVERIFY(t.picture("T_HAI", 12)->isVisible());
        QVERIFY(t.picture("ENDPAI")->isVisible());
        QCOMPARE(t.control<QListWidget>("I_list")->currentRow(), 0);

        // The same hand again: the same result; closing it through its frame keeps the hand.
        QString again;
        whenModal([&](QWidget* dialog) {
            again = label(*dialog, "Label1")->text();
            dialog->close();
        });
        click(t.control("cmdKEISAN"));
        QCOMPARE(again, shownYaku);
        QCOMPARE(t.model.List[0].count(), 13);

        whenModal([](QWidget* dialog) { buttonOf(dialog, QStringLiteral("OK"))->click(); });
        click(t.control("cmdKEISAN"));
        QCOMPARE(t.model.List[0].count(), 0);
        QVERIFY(!t.picture("T_HAI", 0)->isVisible());
        QVERIFY(!t.picture("ENDPAI")->isVisible());
        QCOMPARE(t.control<QListWidget>("I_list")->currentRow(), -1);
        QCOMPARE(t.control<QListWidget>("B_list")->currentRow(), -1);
    }

    void validationMessagesHaveAnOkButtonAndNoTitle()
    {
        Table t;
        QString text;
        QString title = QStringLiteral("not seen");
        QStringList buttons;
        whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box != nullptr);
            text = box->text();
            title = box->windowTitle();
            for (QAbstractButton* b : box->buttons()) buttons << b->text();
            box->button(QMessageBox::Ok)->click();
        });
        click(t.control("cmdKEISAN"));
        QCOMPARE(text, QStringLiteral("自風が選択されていません"));
        QCOMPARE(title, QString());
        QCOMPARE(buttons.size(), 1);
    }

    void callDialogChoosesEachKind_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<NakiCheckButton>("answer");
        QTest::newRow("チー") << QStringLiteral("チー") << NakiCheckButton::Chi;
        QTest::newRow("ポン") << QStringLiteral("ポン") << NakiCheckButton::Pon;
        QTest::newRow("カン") << QStringLiteral("カン") << NakiCheckButton::Kan;
        QTest::newRow("Cancel") << QStringLiteral("Cancel") << NakiCheckButton::Cancel;
        QTest::newRow("frame") << QString() << NakiCheckButton::Closed;
    }

    void callDialogChoosesEachKind()
    {
        QFETCH(QString, press);
        QFETCH(NakiCheckButton, answer);
        qt::QtHost host;
        QStringList captions;
        QString caption;
        whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            for (QPushButton* b : dialog->findChildren<QPushButton*>(QStringLiteral("cmd_NAKI")))
                if (b->isVisible()) captions << b->text();
            if (press.isEmpty())
                dialog->close();
            else
                buttonOf(dialog, press)->click();
        });
        QCOMPARE(host.showNakiCheck(true), answer);
        QCOMPARE(caption, QStringLiteral("鳴きの種類"));
        QCOMPARE(captions, (QStringList{QStringLiteral("チー"), QStringLiteral("ポン"),
                                        QStringLiteral("カン"), QStringLiteral("Cancel")}));
    }

    void chiIsOfferedOnlyWhereASequenceCanStart()
    {
        qt::QtHost host;
        QStringList captions;
        whenModal([&](QWidget* dialog) {
            for (QPushButton* b : dialog->findChildren<QPushButton*>(QStringLiteral("cmd_NAKI")))
                if (b->isVisible()) captions << b->text();
            buttonOf(dialog, QStringLiteral("Cancel"))->click();
        });
        QCOMPARE(host.showNakiCheck(false), NakiCheckButton::Cancel);
        QCOMPARE(captions, (QStringList{QStringLiteral("ポン"), QStringLiteral("カン"),
                                        QStringLiteral("Cancel")}));
    }

    void kanDialogChoosesEachKind_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<KanCheckButton>("answer");
        QTest::newRow("アンカン") << QStringLiteral("アンカン") << KanCheckButton::Ankan;
        QTest::newRow("ミンカン") << QStringLiteral("ミンカン") << KanCheckButton::Minkan;
        QTest::newRow("Cancel") << QStringLiteral("Cancel") << KanCheckButton::Cancel;
        QTest::newRow("frame") << QString() << KanCheckButton::Closed;
    }

    void kanDialogChoosesEachKind()
    {
        QFETCH(QString, press);
        QFETCH(KanCheckButton, answer);
        qt::QtHost host;
        QString caption;
        whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            QCOMPARE(dialog->findChildren<QPushButton*>(QStringLiteral("cmd_KAN")).size(), 3);
            if (press.isEmpty())
                dialog->close();
            else
                buttonOf(dialog, press)->click();
        });
        QCOMPARE(host.showKanCheck(), answer);
        QCOMPARE(caption, QStringLiteral("カンの種類"));
    }

    void aClosedKanThroughBothDialogs()
    {
        Table t;
        whenModal([](QWidget* naki) {
            QCOMPARE(naki->objectName(), QStringLiteral("NAKI_check"));
            whenModal([](QWidget* kan) {
                QCOMPARE(kan->objectName(), QStringLiteral("KAN_check"));
                buttonOf(kan, QStringLiteral("アンカン"))->click();
            });
            buttonOf(naki, QStringLiteral("カン"))->click();
        });
        dropOn(t.control("Frame2"), src("31"));
        QTRY_VERIFY(t.model.meldIsClosedKan(1));
        for (int i = 0; i < 4; ++i) QCOMPARE(t.picture("NAKI1", i)->image(), src("31"));
        QVERIFY(t.picture("KAN_KAN1", 0)->isVisible());
        QVERIFY(t.picture("KAN_KAN1", 1)->isVisible());
    }

    void resultDialogKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("closedBy");  // HanNumberButton; -1: still open
        QTest::newRow("Enter: やり直す")
            << int(Qt::Key_Return) << int(Qt::NoModifier) << int(HanNumberButton::Command1);
        QTest::newRow("Esc: closed, nothing reset")
            << int(Qt::Key_Escape) << int(Qt::NoModifier) << int(HanNumberButton::Closed);
        QTest::newRow("Ctrl+C: copied, still open")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << -1;
    }

    void resultDialogKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, closedBy);
        HAN_number h;
        h.Label1 = "一気通貫\r\n門前清自摸和\r\n";
        h.Label2 = "２翻\r\n１翻\r\n";
        h.Label3 = "3翻";
        h.Label4 = "2000点（親）・1000点（子）";
        h.Label5 = "40符";
        QGuiApplication::clipboard()->clear();
        qt::HanNumberDialog d(h);
        bool open = false;
        whenModal([&](QWidget* dialog) {
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            open = dialog->isVisible();
            if (open) buttonOf(dialog, QStringLiteral("やり直す"))->click();
        });
        const HanNumberButton button = d.run();
        QCOMPARE(open, closedBy < 0);
        if (closedBy >= 0) QCOMPARE(int(button), closedBy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 closedBy < 0 ? QStringLiteral("一気通貫　２翻\n門前清自摸和　１翻\n3翻　40符\n"
                                               "2000点（親）・1000点（子）\n")
                              : QString());
    }

    // Modal dialogs offer a close button and nothing to minimise or maximise;
    // the options dialog is wide enough for its caption in a title bar.
    void modalDialogsHaveOnlyACloseButton()
    {
        const HAN_number result;
        CountingHost host;
        const VER_info version = TENHO(host).makeVER_info();
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(new qt::HanNumberDialog(result));
        dialogs.emplace_back(new qt::NakiCheckDialog(true, nullptr));
        dialogs.emplace_back(new qt::KanCheckDialog(nullptr));
        dialogs.emplace_back(new qt::FormOptionDialog(form_OPTION{}));
        dialogs.emplace_back(new qt::VerInfoDialog(version));
        for (const auto& d : dialogs) {
            const Qt::WindowFlags flags = d->windowFlags();
            QVERIFY2(flags & Qt::WindowCloseButtonHint, qPrintable(d->objectName()));
            QVERIFY2(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
                     qPrintable(d->objectName()));
            QVERIFY2(flags & Qt::CustomizeWindowHint, qPrintable(d->objectName()));
        }
        QDialog& options = *dialogs[3];
        options.show();
        QFont bold = options.font();
        bold.setBold(true);
        QVERIFY(options.width() >=
                QFontMetrics(bold).horizontalAdvance(options.windowTitle()) + 120);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
