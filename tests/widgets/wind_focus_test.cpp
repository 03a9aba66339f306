// SPDX-License-Identifier: GPL-3.0-or-later
// The wind lists: only a click on a row or an arrow key inside the list
// chooses a wind; the keyboard focus passing through chooses nothing.
#include "widget_test_support.h"

#include <QLabel>
#include <QListWidget>

using namespace tenho;
using namespace tenho::testing;

namespace {

QListWidget* list(const Table& t, const char* name) { return t.control<QListWidget>(name); }

// Presses Tab until `target` has the focus; false if it never gets it.
bool tabTo(const Table& t, QWidget* target)
{
    for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : t.window.get(),
                        Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

void clickRow(QListWidget* l, int row)
{
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
}

}  // namespace

class WindFocusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void tabbingPastTheListsChoosesNoWind()
    {
        Table t;
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        QVERIFY(tabTo(t, list(t, "I_list")));
        QCOMPARE(t.model.I_list, -1);
        QVERIFY(tabTo(t, list(t, "B_list")));
        QVERIFY(tabTo(t, t.control("cmdKEISAN")));
        QCOMPARE(t.model.I_list, -1);
        QCOMPARE(t.model.B_list, -1);
        for (const char* name : {"I_list", "B_list"}) {
            QVERIFY2(list(t, name)->selectedItems().isEmpty(), name);
        }

        // With a complete hand, 計算 asks for the seat wind.
        for (const char* c :
             {"02", "03", "04", "05", "06", "07", "12", "13", "14", "22", "23", "24", "25"})
            t.model.Frame1_DragDrop(src(c));
        t.model.Frame7_DragDrop(src("25"));
        t.window->refresh();
        QString message;
        whenModal([&](QWidget* box) {
            message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(t.control("cmdKEISAN"), Qt::LeftButton);
        QCOMPARE(message, QStringLiteral("自風が選択されていません"));
    }

    void anArrowKeyInTheListChooses()
    {
        Table t;
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        for (auto [name, member] :
             {std::pair{"I_list", &TENHO::I_list}, std::pair{"B_list", &TENHO::B_list}}) {
            QListWidget* l = list(t, name);
            QVERIFY2(tabTo(t, l), name);
            QCOMPARE(t.model.*member, -1);
            QTest::keyClick(l, Qt::Key_Down);
            QCOMPARE(t.model.*member, l->currentRow());
            QVERIFY2(t.model.*member >= 0, name);
            QTest::keyClick(l, Qt::Key_Up);
            QCOMPARE(t.model.*member, 0);
            QCOMPARE(l->selectedItems().size(), 1);
            QCOMPARE(l->row(l->selectedItems().front()), 0);
        }
    }

    void aClickOnARowChooses()
    {
        Table t;
        clickRow(list(t, "I_list"), 2);
        clickRow(list(t, "B_list"), 1);
        QCOMPARE(t.model.I_list, 2);
        QCOMPARE(t.model.B_list, 1);
        // A click with Ctrl on the chosen row does not take the wind back.
        QTest::mouseClick(list(t, "I_list")->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list(t, "I_list")->visualItemRect(list(t, "I_list")->item(2)).center());
        QCOMPARE(t.model.I_list, 2);
        QCOMPARE(list(t, "I_list")->selectedItems().size(), 1);
        // リセット clears both.
        QTest::mouseClick(t.control("cmdRESET"), Qt::LeftButton);
        QCOMPARE(t.model.I_list, -1);
        QVERIFY(list(t, "I_list")->selectedItems().isEmpty());
    }
};

QTEST_MAIN(WindFocusTest)
#include "wind_focus_test.moc"
