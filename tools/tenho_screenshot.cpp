// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-screenshot: types one hand into the real window and saves pictures of
// the window while the line is typed, of the window with the hand entered and
// of the result dialog, then types a hand of thirteen tiles and saves the
// waits table 待ち一覧, for the documentation. The keys go to the window as a
// person's would, and the line reaches the handlers the window's drops call.
//
//     tenho-screenshot OUTPUT_FOLDER
#include "entry/qt/fonts.h"
#include "entry/qt/tenho_window.h"
#include "model/tenho.h"
#include "scoring/qt/han_number_dialog.h"
#include "shell/qt/qt_host.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

namespace {

using namespace tenho;

// Photographs the result dialog instead of waiting for a person. The typed
// line answers the call dialogs itself; one that still came up is cancelled.
class ScreenshotHost : public qt::QtHost {
public:
    QString resultPath;
    bool saved = false;

    NakiCheckButton showNakiCheck(bool) override { return NakiCheckButton::Closed; }
    KanCheckButton showKanCheck() override { return KanCheckButton::Closed; }
    void beep() override {}
    void messageBox(std::string_view text) override
    {
        std::fprintf(stderr, "tenho-screenshot: %.*s\n", static_cast<int>(text.size()),
                     text.data());
    }

    HanNumberButton showHanNumber(const HAN_number& data) override
    {
        qt::HanNumberDialog dialog(data, owner());
        dialog.show();
        QApplication::processEvents();
        saved = dialog.grab().save(resultPath);
        return HanNumberButton::Command1;
    }
};

// Presses and releases one key on the widget with the focus.
void press(QWidget* window, int key, const QString& text = {})
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

void type(QWidget* window, const QString& line)
{
    for (QChar c : line) press(window, c.toUpper().unicode(), QString(c));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tenho-screenshot OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    qt::installJapaneseFonts();

    ScreenshotHost host;
    host.resultPath = out.filePath(QStringLiteral("result-dialog.png"));
    TENHO model(host);
    model.Form_Load();
    qt::TenhoWindow window(model);
    host.setOwner(&window);

    // Pon of 中, a closed kan of 一索, and 二三四萬 五六七筒 八索 waiting on 八索.
    window.show();
    window.activateWindow();

    int status = 0;
    const auto save = [&](QWidget& w, const char* name) {
        if (!w.grab().save(out.filePath(QString::fromLatin1(name)))) status = 1;
    };
    QTimer::singleShot(500, &app, [&] {
        type(&window, QStringLiteral("234m567p8s +8s (777z) [1111s] d1m"));
        QApplication::processEvents();
        save(window, "typing.png");
        press(&window, Qt::Key_Return);
        model.selectTUMO_END();
        model.I_list = 1;
        model.B_list = 0;
        window.refresh();
        QApplication::processEvents();
        save(window, "window.png");
        press(&window, Qt::Key_Return);  // on the emptied field: 計算
        if (!host.saved) status = 1;

        // 二三四四五六七萬 五六七筒 六七八索 with リーチ and an indicator: it
        // waits on 一萬, 四萬 and 七萬, each worth something else.
        model.cmdRESET_Click();
        window.refresh();
        type(&window, QStringLiteral("2344567m567p678s d4p"));
        press(&window, Qt::Key_Return);
        model.clickC_OPTION(0);
        model.I_list = 1;
        model.B_list = 0;
        window.refresh();
        bool waitsSaved = false;
        auto* poll = new QTimer(&app);
        poll->setInterval(20);
        QObject::connect(poll, &QTimer::timeout, [&] {
            QWidget* table = QApplication::activeModalWidget();
            if (!table || !table->isVisible()) return;
            poll->stop();
            QApplication::processEvents();
            waitsSaved = table->grab().save(out.filePath(QStringLiteral("waits.png")));
            table->close();
        });
        poll->start();
        window.findChild<QAction*>(QStringLiteral("MACHI"))->trigger();
        if (!waitsSaved) status = 1;
        app.quit();
    });
    app.exec();
    if (status != 0) std::fprintf(stderr, "tenho-screenshot: could not save the pictures\n");
    return status;
}
