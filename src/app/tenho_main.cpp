// tenho: the window program.
#include "entry/qt/tenho_window.h"
#include "model/qt/fonts.h"
#include "model/qt/tile_art.h"
#include "model/tenho.h"
#include "shell/qt/qt_host.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tenho::qt::installJapaneseFonts();
    QApplication::setWindowIcon(tenho::qt::tileIcon(tenho::paletteIndex(tenho::Code('9', '1'))));

    tenho::qt::QtHost host;
    tenho::TENHO model(host);
    model.appPath = QCoreApplication::applicationDirPath().toStdString();
    model.Form_Load();

    tenho::qt::TenhoWindow window(model);
    host.setOwner(&window);
    window.show();
    return app.exec();
}
