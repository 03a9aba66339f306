// Real drags from the palette, through QDrag::exec and the platform's drag
// manager. The offscreen platform ends every drag at once, so this test runs
// on the minimal platform (see tests/CMakeLists.txt).
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "entry/qt/tenho_window.h"
#include "entry/qt/tile_picture.h"
#include "model/qt/fonts.h"
#include "model/tenho.h"
#include "shell/qt/qt_host.h"

using namespace tenho;

namespace {

class CountingHost : public qt::QtHost {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

}  // namespace

class PaletteDragTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void init()
    {
        host_ = std::make_unique<CountingHost>();
        model_ = std::make_unique<TENHO>(*host_);
        model_->Form_Load();
        window_ = std::make_unique<qt::TenhoWindow>(*model_);
        host_->setOwner(window_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        model_.reset();
        host_.reset();
    }

    void dragFromPaletteToHand()
    {
        const QPoint from = centreOf(window_->picture(QStringLiteral("HAI"), 4));
        const QPoint to = centreOf(window_->findChild<QWidget*>(QStringLiteral("Frame1")));
        drag(from, to);
        QTRY_COMPARE(model_->List[0].count(), 1);
        QCOMPARE(model_->List[0].item(0), Code::fromText("05"));
        QTRY_VERIFY(window_->picture(QStringLiteral("T_HAI"), 0)->isVisible());
        QCOMPARE(window_->picture(QStringLiteral("T_HAI"), 0)->image(), 4);
    }

    void pressAndReleaseOnOnePaletteTileAddsIt()
    {
        const QPoint at = centreOf(window_->picture(QStringLiteral("HAI"), 33));
        drag(at, at);
        QTRY_COMPARE(model_->List[0].count(), 1);
        QCOMPARE(model_->List[0].item(0), Code::fromText("91"));
    }

    void dragEndingOnAnotherPaletteTileAddsThatTile()
    {
        const QPoint from = centreOf(window_->picture(QStringLiteral("HAI"), 0));
        const QPoint to = centreOf(window_->picture(QStringLiteral("HAI"), 27));
        drag(from, to);
        QTRY_COMPARE(model_->List[0].count(), 1);
        QCOMPARE(model_->List[0].item(0), Code::fromText("31"));
    }

private:
    QPoint centreOf(QWidget* w) const
    {
        return w->mapTo(window_.get(), w->rect().center());
    }

    // Presses on `from`; the press starts the drag, whose event loop then
    // sees the move and the release that the timer sends.
    void drag(QPoint from, QPoint to)
    {
        QWindow* window = window_->windowHandle();
        QTest::mouseMove(window, from);
        QTimer::singleShot(50, window, [window, from, to] {
            QTest::mouseMove(window, (from + to) / 2);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        });
        QTest::mousePress(window, Qt::LeftButton, {}, from);
    }

    std::unique_ptr<CountingHost> host_;
    std::unique_ptr<TENHO> model_;
    std::unique_ptr<qt::TenhoWindow> window_;
};

QTEST_MAIN(PaletteDragTest)
#include "palette_drag_test.moc"
