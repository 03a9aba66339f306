// SPDX-License-Identifier: GPL-3.0-or-later
// tenho-icon: draws the program's icon, the 中 tile standing in a square, as
// PNG files for the desktop's icon theme.
//
//     tenho-icon OUTPUT_FOLDER NAME SIZE...
//
// writes OUTPUT_FOLDER/SIZExSIZE/NAME.png for every SIZE.
#include "entry/qt/tile_art.h"
#include "model/tile.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: tenho-icon OUTPUT_FOLDER NAME SIZE...\n");
        return 2;
    }
    const QDir out(args[1]);
    const int image = tenho::paletteIndex(tenho::Code('9', '1'));
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int side = args[i].toInt(&ok);
        if (!ok || side <= 0) {
            std::fprintf(stderr, "tenho-icon: bad size %s\n", qPrintable(args[i]));
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1").arg(side);
        const QString file =
            out.filePath(folder + QLatin1Char('/') + args[2] + QStringLiteral(".png"));
        if (!out.mkpath(folder) || !tenho::qt::tileIconPixmap(image, side).save(file)) {
            std::fprintf(stderr, "tenho-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
