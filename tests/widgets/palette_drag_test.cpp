// SPDX-License-Identifier: GPL-3.0-or-later
// Real drags from the palette, through QDrag::exec and the platform's drag
// manager. The offscreen platform ends every drag at once, so this test runs
// on the minimal platform (see tests/CMakeLists.txt).
#include "widget_test_support.h"

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
        QTRY_COMPARE(table_->model.List[0].count(), 1);
        QCOMPARE(table_->model.List[0].item(0), Code::fromText("05"));
        QTRY_VERIFY(table_->picture("T_HAI", 0)->isVisible());
        QCOMPARE(table_->picture("T_HAI", 0)->image(), src("05"));
    }

    void pressAndReleaseOnOnePaletteTileAddsIt()
    {
        qt::TilePicture* chun = table_->picture("HAI", src("91"));
        drag(chun, chun);
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
        t.host.nakiAnswers = {1};
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

private:
    // Presses on `from`; the press starts the drag, whose event loop then
    // sees the moves and the release that the timer sends.
    void drag(QWidget* from, QWidget* to)
    {
        QWidget* top = table_->window.get();
        const QPoint start = from->mapTo(top, from->rect().center());
        const QPoint end = to->mapTo(top, to->rect().center());
        QWindow* window = top->windowHandle();
        QTest::mouseMove(window, start);
        QTimer::singleShot(50, window, [window, start, end] {
            QTest::mouseMove(window, (start + end) / 2);
            QTest::mouseMove(window, end);
            QTest::mouseRelease(window, Qt::LeftButton, {}, end);
        });
        QTest::mousePress(window, Qt::LeftButton, {}, start);
    }

    std::unique_ptr<Table> table_;
};

QTEST_MAIN(PaletteDragTest)
#include "palette_drag_test.moc"
