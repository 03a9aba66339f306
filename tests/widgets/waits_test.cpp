// SPDX-License-Identifier: GPL-3.0-or-later
// The waits table 待ち一覧 on the window: what it shows, that opening and
// cancelling it leaves the window as it was, and that a row chosen becomes
// the winning tile.
#include "../core/state_text.h"
#include "entry/qt/tile_art.h"
#include "entry/qt/waits_dialog.h"
#include "widget_test_support.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

using namespace tenho;
using namespace tenho::testing;

namespace {

// A hand typed on the field under 手牌, and the winds chosen in their lists
// (-1: left unchosen).
void enter(Table& t, const char* line, int seat = 1, int round = 0)
{
    t.window->enterTypedLine(QString::fromUtf8(line));
    if (seat >= 0) t.control<QListWidget>("I_list")->setCurrentRow(seat);
    if (round >= 0) t.control<QListWidget>("B_list")->setCurrentRow(round);
}

QAction* machi(const Table& t) { return t.control<QAction>("MACHI"); }

// What the open waits table shows: one line per row, the tile's name and the
// ロン and ツモ cells as text, or the single line shown instead of a table.
QStringList shown(QWidget* dialog)
{
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("MACHI_grid"));
    if (!table) return {dialog->findChild<QLabel*>(QStringLiteral("MACHI_note"))->text()};
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << table->item(r, 0)->text() + QStringLiteral(" | ") + table->item(r, 1)->text() +
                    QStringLiteral(" | ") + table->item(r, 2)->text();
    return rows;
}

}  // namespace

class WaitsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void showsEveryWaitWithWhatItPays_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("seat");
        QTest::addColumn<QStringList>("rows");
        const QString noYaku = QStringLiteral("役がありません");
        const QString tsumo =
            QStringLiteral("面前清自摸和　１翻\n1翻　30符\n500点（親）・300点（子）");
        QTest::newRow("two-sided")
            << QStringLiteral("2345m678p345s999s") << 1
            << QStringList{QStringLiteral("二萬 | ") + noYaku + QStringLiteral(" | ") + tsumo,
                           QStringLiteral("五萬 | ") + noYaku + QStringLiteral(" | ") + tsumo};
        QTest::newRow("a yakuman")
            << QStringLiteral("19m19p19s1234577z") << 1
            << QStringList{QStringLiteral("發 | 国士無双　１３翻\n１３翻\n32000点 | "
                                          "国士無双　１３翻\n１３翻\n16000点（親）・8000点（子）")};
        // The three indicators make the 三萬 in the hand three dora.
        QTest::newRow("a kind four times on the table is not offered")
            << QStringLiteral("2345m678p345s999s d222m") << 1
            << QStringList{QStringLiteral("五萬 | ") + noYaku +
                           QStringLiteral(" | 面前清自摸和　１翻\n  ドラ　３翻\n4翻　30符\n"
                                          "3900点（親）・2000点（子）")};
        QTest::newRow("no wait") << QStringLiteral("1357m2468p1357s1z") << 1
                                 << QStringList{QStringLiteral("聴牌していません")};
        QTest::newRow("no seat wind") << QStringLiteral("2345m678p345s999s") << -1
                                      << QStringList{QStringLiteral("自風が選択されていません")};
    }

    void showsEveryWaitWithWhatItPays()
    {
        QFETCH(QString, line);
        QFETCH(int, seat);
        QFETCH(QStringList, rows);
        Table t;
        enter(t, line.toUtf8().constData(), seat);
        QVERIFY(machi(t)->isEnabled());
        QStringList seen;
        bool picturesDrawn = true;
        bool canChoose = false;
        Qt::WindowFlags flags;
        QString caption;
        whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            flags = dialog->windowFlags();
            seen = shown(dialog);
            canChoose = dialog->findChild<QPushButton*>(QStringLiteral("cmdSET"))->isEnabled();
            if (auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("MACHI_grid"))) {
                QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("和了牌"));
                QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("ロン"));
                QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("ツモ"));
                for (int r = 0; r < table->rowCount(); ++r) {
                    const QIcon tile = table->item(r, 0)->icon();
                    picturesDrawn = picturesDrawn && !tile.isNull() &&
                                    tile.actualSize(qt::kTileSize) == qt::kTileSize;
                }
            }
            buttonOf(dialog, QStringLiteral("キャンセル"))->click();
        });
        machi(t)->trigger();
        QCOMPARE(caption, QStringLiteral("待ち一覧"));
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(seen, rows);
        QVERIFY(picturesDrawn);
        QCOMPARE(canChoose, rows.size() > 1 || rows[0].contains(QLatin1Char('|')));
        QCOMPARE(t.host.beeps, 0);
        QVERIFY(t.host.messages.empty());
    }

    void onlyForThirteenTilesWithoutAWinningTile_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty table") << QString() << false;
        QTest::newRow("twelve tiles") << QStringLiteral("2345m678p345s99s") << false;
        QTest::newRow("thirteen") << QStringLiteral("2345m678p345s999s") << true;
        QTest::newRow("a meld and ten") << QStringLiteral("(123m) 456p789s456m9p") << true;
        QTest::newRow("a winning tile set") << QStringLiteral("2345m678p345s999s +5m") << false;
    }

    void onlyForThirteenTilesWithoutAWinningTile()
    {
        QFETCH(QString, line);
        QFETCH(bool, enabled);
        Table t;
        if (!line.isEmpty()) enter(t, line.toUtf8().constData());
        QCOMPARE(machi(t)->isEnabled(), enabled);
    }

    void cancellingLeavesTheWindowAsItWas_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << QStringLiteral("Esc");
        QTest::newRow("キャンセル") << QStringLiteral("キャンセル");
        QTest::newRow("the frame") << QStringLiteral("frame");
    }

    void cancellingLeavesTheWindowAsItWas()
    {
        QFETCH(QString, how);
        Table t;
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        enter(t, "(777z) 234m678s345p5p d4p", 0, 1);
        t.host.showMessages = false;
        t.model.cmdKEISAN_Click();  // a message: the result dialog stays loaded, hidden
        QCOMPARE(t.host.messages, std::vector<std::string>{"和了牌がありません"});
        t.window->refresh();
        QVERIFY(machi(t)->isEnabled());
        const std::string before = stateText(t.model);
        const QString title = t.window->windowTitle();
        bool tableHadFocus = false;
        whenModal([&](QWidget* dialog) {
            tableHadFocus = dialog->focusWidget() ==
                            dialog->findChild<QTableWidget*>(QStringLiteral("MACHI_grid"));
            if (how == QLatin1String("Esc"))
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
            else if (how == QLatin1String("frame"))
                dialog->close();
            else
                buttonOf(dialog, how)->click();
        });
        // The key works from the typing field, which has the focus.
        QCOMPARE(QApplication::focusWidget(), t.control("handLine"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(tableHadFocus);
        QCOMPARE(stateText(t.model), before);
        QCOMPARE(t.window->windowTitle(), title);
        QVERIFY(!t.picture("ENDPAI")->isVisible());
        QVERIFY(machi(t)->isEnabled());
        QCOMPARE(t.host.beeps, 0);
        QCOMPARE(t.host.messages.size(), 1u);
    }

    void aRowChosenBecomesTheWinningTile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("tile");
        QTest::newRow("Enter") << QStringLiteral("Enter") << QStringLiteral("02");
        QTest::newRow("Down, Enter") << QStringLiteral("Down Enter") << QStringLiteral("05");
        QTest::newRow("Down, Up, 和了牌にする")
            << QStringLiteral("Down Up 和了牌にする") << QStringLiteral("02");
        QTest::newRow("a double click") << QStringLiteral("double") << QStringLiteral("05");
    }

    void aRowChosenBecomesTheWinningTile()
    {
        QFETCH(QString, how);
        QFETCH(QString, tile);
        Table t;
        enter(t, "2345m678p345s999s");
        whenModal([&](QWidget* dialog) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("MACHI_grid"));
            for (const QString& step : how.split(QLatin1Char(' '))) {
                if (step == QLatin1String("Enter")) {
                    QTest::keyClick(table, Qt::Key_Return);
                } else if (step == QLatin1String("Down")) {
                    QTest::keyClick(table, Qt::Key_Down);
                } else if (step == QLatin1String("Up")) {
                    QTest::keyClick(table, Qt::Key_Up);
                } else if (step == QLatin1String("double")) {
                    const QPoint at = table->visualRect(table->model()->index(1, 1)).center();
                    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
                } else {
                    buttonOf(dialog, step)->click();
                }
            }
        });
        machi(t)->trigger();
        QCOMPARE(QString::fromStdString(t.model.Text1.str()), tile);
        QVERIFY(t.picture("ENDPAI")->isVisible());
        QCOMPARE(t.picture("ENDPAI")->image(), src(tile.toLatin1().constData()));
        QVERIFY(!machi(t)->isEnabled());
        QCOMPARE(t.host.beeps, 0);
    }
};

QTEST_MAIN(WaitsTest)
#include "waits_test.moc"
