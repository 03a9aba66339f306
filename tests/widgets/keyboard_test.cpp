// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard: a hand typed into the field under 手牌, Enter
// for 計算, Space on a box, the menu keys and the tab order.
#include "entry/qt/hand_line.h"
#include "widget_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

using namespace tenho;
using namespace tenho::testing;

namespace {

qt::HandLine* handLine(const Table& t) { return t.control<qt::HandLine>("handLine"); }

QCheckBox* box(const Table& t, int index)
{
    for (QCheckBox* b : t.window->findChildren<QCheckBox*>(QStringLiteral("C_OPTION")))
        if (b->property("index").toInt() == index) return b;
    return nullptr;
}

// Types into the field as a person would: key by key where the keys exist,
// else in one go, as an input method hands over its text.
void type(qt::HandLine* field, const QString& text)
{
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        QTest::keyClicks(field, text);
    else
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

// Every picture shows what the model holds: the table looks as after drops.
void expectPicturesFollowTheModel(const Table& t)
{
    for (int i = 0; i < 13; ++i) {
        const Picture& p = t.model.T_HAI[static_cast<std::size_t>(i)];
        QCOMPARE(t.picture("T_HAI", i)->isVisible(), p.visible);
        if (p.visible) QCOMPARE(t.picture("T_HAI", i)->image(), p.image);
    }
    for (int k = 1; k <= 4; ++k)
        for (int i = 0; i < 4; ++i) {
            const QByteArray naki = "NAKI" + QByteArray::number(k);
            QCOMPARE(
                t.picture(naki.constData(), i)->isVisible(),
                t.model.NAKI[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)].visible);
        }
    for (int i = 0; i < 8; ++i)
        QCOMPARE(t.picture("DORA", i)->isVisible(),
                 t.model.DORA[static_cast<std::size_t>(i)].visible);
    QCOMPARE(t.picture("ENDPAI")->isVisible(), t.model.ENDPAI.visible);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void theFieldHasTheFocusAtStart()
    {
        Table t;
        QCOMPARE(t.window->focusWidget(), handLine(t));
    }

    void aTypedHandGoesInLikeDrops_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("hand");  // List(0) after Enter
        QTest::addColumn<QString>("win");
        QTest::addColumn<int>("melds");
        QTest::addColumn<int>("dora");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("left");      // the field after Enter
        QTest::addColumn<QString>("selected");  // what the field points at
        QTest::addColumn<QString>("note");      // under the field, after a malformed line

        const QString none;
        QTest::newRow("accepted") << QStringLiteral("234m567p8s +8s (777z) [1111s] d1m")
                                  << QStringLiteral("02 03 04 18 25 26 27") << QStringLiteral("18")
                                  << 2 << 1 << 0 << none << none << none;
        QTest::newRow("a fifth tile beeps")
            << QStringLiteral("5555m +5m") << QStringLiteral("05 05 05 05") << none << 0 << 0 << 1
            << none << none << none;
        QTest::newRow("a full hand ignores the tile")
            << QStringLiteral("1112345678999m1p")
            << QStringLiteral("01 01 01 02 03 04 05 06 07 08 09 09 09") << none << 0 << 0 << 0
            << none << none << none;
        QTest::newRow("malformed")
            << QStringLiteral("234m5x +8s") << none << none << 0 << 0 << 0
            << QStringLiteral("234m5x +8s") << QStringLiteral("x")
            << QStringLiteral("「x」は使えません（牌は 1〜9 と m p s z で書きます）");
        QTest::newRow("malformed, full-width")
            << QStringLiteral("２３４ｍ（１２ｐ）") << none << none << 0 << 0 << 0
            << QStringLiteral("２３４ｍ（１２ｐ）") << QStringLiteral("（１２ｐ）")
            << QStringLiteral("( ) はチー（123m）、ポン（777z）、ミンカン（1111s）のどれかです");
    }

    void aTypedHandGoesInLikeDrops()
    {
        QFETCH(QString, line);
        QFETCH(QString, hand);
        QFETCH(QString, win);
        QFETCH(int, melds);
        QFETCH(int, dora);
        QFETCH(int, beeps);
        QFETCH(QString, left);
        QFETCH(QString, selected);
        QFETCH(QString, note);
        Table t;
        qt::HandLine* field = handLine(t);
        const QString hint = t.control<QLabel>("handNote")->text();
        type(field, line);
        QTest::keyClick(field, Qt::Key_Return);

        QStringList codes;
        for (int i = 0; i < t.model.List[0].count(); ++i)
            codes << QString::fromStdString(t.model.List[0].item(i).str());
        QCOMPARE(codes.join(QLatin1Char(' ')), hand);
        QCOMPARE(QString::fromStdString(t.model.Text1.str()), win);
        QCOMPARE(t.model.meldCount(), melds);
        QCOMPARE(t.model.List2.count(), dora);
        QCOMPARE(t.host.beeps, beeps);
        QVERIFY(t.host.nakiChiVisible.empty());  // the call dialogs were never shown
        expectPicturesFollowTheModel(t);

        QCOMPARE(field->text(), left);
        QCOMPARE(field->isMalformed(), !note.isEmpty());
        QCOMPARE(field->selectedText(), selected);
        QCOMPARE(t.control<QLabel>("handNote")->text(), note.isEmpty() ? hint : note);
        QVERIFY(t.host.messages.empty());  // Enter on a line enters it and calculates nothing
        if (!note.isEmpty()) {
            // The next edit takes the mark away.
            QTest::keyClick(field, Qt::Key_Backspace);
            QVERIFY(!field->isMalformed());
            QCOMPARE(t.control<QLabel>("handNote")->text(), hint);
        }
    }

    void enterPressesKeisanWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("index");  // of a C_OPTION box
        QTest::newRow("empty field") << QStringLiteral("handLine") << -1;
        QTest::newRow("ツモ") << QStringLiteral("TUMO_END") << -1;
        QTest::newRow("seat wind") << QStringLiteral("I_list") << -1;
        QTest::newRow("リーチ") << QStringLiteral("C_OPTION") << 0;
        QTest::newRow("リセット") << QStringLiteral("cmdRESET") << -1;
    }

    void enterPressesKeisanWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        QFETCH(int, index);
        Table t;
        t.host.showMessages = false;
        QWidget* w = index >= 0 ? box(t, index) : t.control(focus.toLatin1().constData());
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(t.host.messages, (std::vector<std::string>{"自風が選択されていません",
                                                            "自風が選択されていません"}));
        // A held key calculates once, not again and again.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                       true);
        QApplication::sendEvent(w, &held);
        QCOMPARE(t.host.messages.size(), 2u);
    }

    void spaceTogglesTheFocusedBox()
    {
        Table t;
        QCheckBox* riichi = box(t, 0);
        riichi->setFocus();
        QTest::keyClick(riichi, Qt::Key_Space);
        QCOMPARE(t.model.C_OPTION[0].value, 1);
        QVERIFY(riichi->isChecked());
        QVERIFY(!box(t, 1)->isEnabled());  // the interlocks ran: ダブリー is out
        QVERIFY(box(t, 2)->isEnabled());   // and 一発 in
        QTest::keyClick(riichi, Qt::Key_Space);
        QCOMPARE(t.model.C_OPTION[0].value, 0);
        QVERIFY(!riichi->isChecked());
    }

    void menuKeys()
    {
        Table t;
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        t.model.appPath = "/nowhere/";
        QTest::keyClick(t.window.get(), Qt::Key_F1);
        QCOMPARE(t.host.shellTargets, std::vector<std::string>{"/nowhere/TOVARI.HLP"});
        QTest::keyClick(t.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!t.window->isVisible());
    }

    void tabGoesTopToBottomLeftToRight()
    {
        Table t;
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        const auto name = [](QWidget* w) {
            const QVariant index = w->property("index");
            return w->objectName() + (index.isValid() ? QString::number(index.toInt()) : QString());
        };
        QStringList order;
        for (int i = 0; i < 12; ++i) {
            QWidget* w = QApplication::focusWidget();
            QVERIFY(w != nullptr);
            order << name(w);
            QTest::keyClick(w, Qt::Key_Tab);
        }
        // ツモ and ロン are one stop (the arrow keys choose between them); 一発 and
        // カン直後 cannot be chosen at start, so Tab passes them.
        QCOMPARE(order, (QStringList{QStringLiteral("handLine"), QStringLiteral("TUMO_END"),
                                     QStringLiteral("I_list"), QStringLiteral("B_list"),
                                     QStringLiteral("C_OPTION0"), QStringLiteral("C_OPTION3"),
                                     QStringLiteral("C_OPTION1"), QStringLiteral("C_OPTION4"),
                                     QStringLiteral("cmdKEISAN"), QStringLiteral("cmdRESET"),
                                     QStringLiteral("handLine"), QStringLiteral("TUMO_END")}));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
