// tenho: the window program.
#include <QApplication>

#include "entry/qt/tenho_window.h"
#include "model/qt/fonts.h"
#include "model/tenho.h"
#include "shell/qt/qt_host.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tenho::qt::installJapaneseFonts();

    tenho::qt::QtHost host;
    tenho::TENHO model(host);
    model.appPath = QCoreApplication::applicationDirPath().toStdString();
    model.Form_Load();

    tenho::qt::TenhoWindow window(model);
    host.setOwner(&window);
    window.show();
    return app.exec();
}
