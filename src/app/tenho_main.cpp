// SPDX-License-Identifier: GPL-3.0-or-later
// tenho: the window program.
#include "entry/qt/fonts.h"
#include "entry/qt/tenho_window.h"
#include "entry/qt/tile_art.h"
#include "model/tenho.h"
#include "shell/qt/opning.h"
#include "shell/qt/qt_host.h"
#include "shell/qt/single_instance.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // One calculator at a time: a second start ends here, without a word and
    // before it has opened a window.
    tenho::qt::SingleInstance instance;
    if (!instance.acquire()) return 0;

    QApplication app(argc, argv);
    tenho::qt::installJapaneseFonts();
    QApplication::setWindowIcon(tenho::qt::tileIcon(tenho::paletteIndex(tenho::Code('9', '1'))));
    QGuiApplication::setDesktopFileName(QStringLiteral(TENHO_APP_ID));

    tenho::qt::QtHost host;
    tenho::TENHO model(host);
    model.appPath = QCoreApplication::applicationDirPath().toStdString();
    model.Form_Load();

    // The main window waits hidden behind the splash until its tick.
    tenho::qt::TenhoWindow window(model);
    host.setOwner(&window);
    tenho::qt::Opning splash(&window);
    splash.show();
    return app.exec();
}
