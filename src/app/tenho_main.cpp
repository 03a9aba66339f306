// SPDX-License-Identifier: GPL-3.0-or-later
// tenho: the window program.
#include "shell/qt/single_instance.h"
#include "shell/qt/window_program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // One calculator at a time: a second start ends here, without a word and
    // before it has opened a window.
    tenho::qt::SingleInstance instance;
    if (!instance.acquire()) return 0;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TENHO_APP_ID));
    tenho::qt::WindowProgram program;
    program.start();
    return app.exec();
}
