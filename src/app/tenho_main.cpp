// tenho: the window program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "model/tenho.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8(tenho::kTitle.data(),
                                            static_cast<qsizetype>(tenho::kTitle.size())));
    auto* label = new QLabel(QStringLiteral("準備中"), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(640, 400);
    window.show();
    return app.exec();
}
