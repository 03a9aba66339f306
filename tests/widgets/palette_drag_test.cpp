// SPDX-License-Identifier: GPL-3.0-or-later
// Real drags from the palette, through QDrag::exec and the platform's drag
// manager. The offscreen platform ends every drag at once, so this test runs
// on the minimal platform (see tests/CMakeLists.txt).
#include "widget_test_support.h"

#include <QDrag>
#include <QWindow>

using namespace tenho;
using namespace tenho::testing;

class PaletteDragTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void init()
    {
        table_ = std::make_unique<Table>();
        QVERIFY(QTest::qWaitForWindowExposed(table_->window.get()));
    }

    void cleanup() { table_.reset(); }

    void dragFromPaletteToHand()
    {
        drag(table_->picture("HAI", src("05")), table_->control("Frame1"));
        QVERIFY(dragged_);
        QTRY_COMPARE(table_->model.List[0].count(), 1);
        QCOMPARE(table_->model.List[0].item(0), Code::fromText("05"));
        QTRY_VERIFY(table_->picture("T_HAI", 0)->isVisible());
        QCOMPARE(table_->picture("T_HAI", 0)->image(), src("05"));
    }

    void pressAndReleaseOnOnePaletteTileAddsIt()
    {
        qt::TilePicture* chun = table_->picture("HAI", src("91"));
        drag(chun, chun);
        QVERIFY(!dragged_);
        QTRY_COMPARE(table_->model.List[0].count(), 1);
        QCOMPARE(table_->model.List[0].item(0), Code::fromText("91"));
    }

    void dragEndingOnAnotherPaletteTileAddsThatTile()
    {
        drag(table_->picture("HAI", src("01")), table_->picture("HAI", src("31")));
        QTRY_COMPARE(table_->model.List[0].count(), 1);
        QCOMPARE(table_->model.List[0].item(0), Code::fromText("31"));
    }

    void dragOntoAPlaceholderOrAMeldDoesNothing()
    {
        Table& t = *table_;
        t.host.nakiAnswers = {NakiCheckButton::Pon};
        drag(t.picture("HAI", src("91")), t.control("Frame2"));
        QTRY_VERIFY(t.model.meldPresent(1));
        QTRY_VERIFY(t.picture("JUMP", 0)->isVisible());
        // The placeholder and the meld lie in frames that take drops; the
        // drop must stop at them.
        drag(t.picture("HAI", src("05")), t.picture("JUMP", 0));
        drag(t.picture("HAI", src("05")), t.picture("NAKI1", 1));
        QTest::qWait(50);
        QCOMPARE(t.model.List[0].count(), 0);
        QCOMPARE(t.model.meldCount(), 1);
    }

    void aCancelledDragEntersNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape over the hand") << QStringLiteral("escape");
        QTest::newRow("Escape back over the source tile") << QStringLiteral("escape-on-source");
        QTest::newRow("released outside the window") << QStringLiteral("outside");
        QTest::newRow("released on 計算") << QStringLiteral("button");
        QTest::newRow("released on the wind list") << QStringLiteral("list");
        QTest::newRow("released on the table") << QStringLiteral("felt");
    }

    void aCancelledDragEntersNothing()
    {
        QFETCH(QString, how);
        Table& t = *table_;
        const QPoint start = at(t.picture("HAI", src("05")));
        const QPoint hand = at(t.control("Frame1"));
        const QPoint off = start - QPoint(0, 40);  // over the palette tile above
        if (how == u"escape") {
            gesture(start, {off, hand}, End::Escape);
        } else if (how == u"escape-on-source") {
            gesture(start, {off, start + QPoint(2, 0)}, End::Escape);
        } else if (how == u"outside") {
            gesture(start, {off, QPoint(-60, -60)}, End::Release);
        } else if (how == u"button") {
            gesture(start, {off, at(t.control("cmdKEISAN"))}, End::Release);
        } else if (how == u"list") {
            gesture(start, {off, at(t.control("I_list"))}, End::Release);
        } else {
            const QWidget* felt = t.window->centralWidget();
            gesture(start, {off, felt->mapTo(t.window.get(), QPoint(4, felt->height() / 2))},
                    End::Release);
        }
        QVERIFY(dragged_);
        expectNothingEntered();
        // A press and release after it still enters the tile.
        QTest::mouseClick(t.picture("HAI", src("05")), Qt::LeftButton);
        QTRY_COMPARE(t.model.List[0].count(), 1);
    }

private:
    enum class End { Release, Escape };

    QPoint at(QWidget* w) const { return w->mapTo(table_->window.get(), w->rect().center()); }

    // Presses on `from` and releases on `to`, passing half way between.
    void drag(QWidget* from, QWidget* to)
    {
        const QPoint start = at(from);
        const QPoint end = at(to);
        gesture(start, {(start + end) / 2, end}, End::Release);
    }

    // Presses at `start` (window coordinates), then moves the pointer along
    // `path`. The first move that leaves the press starts the drag, whose
    // event loop sees the rest of the path, then Escape or the release.
    void gesture(QPoint start, const QList<QPoint>& path, End end)
    {
        QWindow* window = table_->window->windowHandle();
        QTest::mouseMove(window, start);
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        dragged_ = false;
        QTimer::singleShot(0, window, [this, window, path, end] {
            // A drag under way has its QDrag until it ends.
            dragged_ = table_->window->findChild<QDrag*>() != nullptr;
            for (qsizetype i = 1; i < path.size(); ++i) QTest::mouseMove(window, path[i]);
            if (end == End::Escape) QTest::keyClick(window, Qt::Key_Escape);
            QTest::mouseRelease(window, Qt::LeftButton, {}, path.last());
        });
        QTest::mouseMove(window, path.first());
        QTest::qWait(10);
    }

    // Nothing on the table, no beep, no dialog.
    void expectNothingEntered()
    {
        QTest::qWait(30);
        const TENHO& m = table_->model;
        for (const TileList& list : m.List) QCOMPARE(list.count(), 0);
        QCOMPARE(m.List2.count(), 0);
        QVERIFY(m.Text1.empty());
        QCOMPARE(table_->host.beeps, 0);
        QVERIFY(table_->host.nakiChiVisible.empty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!table_->picture("T_HAI", 0)->isVisible());
    }

    std::unique_ptr<Table> table_;
    bool dragged_ = false;
};

QTEST_MAIN(PaletteDragTest)
#include "palette_drag_test.moc"
