// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-screenshot: builds one hand on the real window and saves a picture of
// the window and of the result dialog, for the documentation. The hand goes
// in through the same handlers the window's drops call.
//
//     tenho-screenshot OUTPUT_FOLDER
#include "entry/qt/fonts.h"
#include "entry/qt/tenho_window.h"
#include "model/tenho.h"
#include "scoring/qt/han_number_dialog.h"
#include "shell/qt/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <deque>

namespace {

using namespace tenho;

// Answers the call dialogs from a script and photographs the result dialog
// instead of waiting for a person.
class ScreenshotHost : public qt::QtHost {
public:
    std::deque<int> nakiAnswers;
    std::deque<int> kanAnswers;
    QString resultPath;
    bool saved = false;

    int showNakiCheck(bool) override { return next(nakiAnswers); }
    int showKanCheck() override { return next(kanAnswers); }
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

private:
    static int next(std::deque<int>& answers)
    {
        if (answers.empty()) return -1;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};

int palette(const char* code) { return paletteIndex(Code::fromText(code)); }

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
    host.nakiAnswers = {1, 2};
    host.kanAnswers = {0};
    model.Frame2_DragDrop(palette("91"));
    model.Frame3_DragDrop(palette("11"));
    for (const char* code : {"02", "03", "04", "25", "26", "27", "18"})
        model.Frame1_DragDrop(palette(code));
    model.Frame7_DragDrop(palette("18"));
    model.Frame6_DragDrop(palette("01"));
    model.selectTUMO_END();
    model.I_list = 1;
    model.B_list = 0;
    window.refresh();
    window.show();

    int status = 0;
    QTimer::singleShot(500, &app, [&] {
        if (!window.grab().save(out.filePath(QStringLiteral("window.png")))) status = 1;
        model.cmdKEISAN_Click();
        window.refresh();
        if (!host.saved) status = 1;
        app.quit();
    });
    app.exec();
    if (status != 0) std::fprintf(stderr, "tenho-screenshot: could not save the pictures\n");
    return status;
}
