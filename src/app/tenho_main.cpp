// SPDX-License-Identifier: GPL-3.0-or-later
// tenho: the window program.
#include "shell/addresses.h"
#include "shell/qt/single_instance.h"
#include "shell/qt/window_program.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tenho [--help | --version]\n"
    "\n"
    "Starts the mahjong hand calculator's window. It takes no other arguments;\n"
    "tenho-score scores hands from the command line.\n"
    "\n"
    "  -h, --help     this text\n"
    "  --version      print the version\n";

}  // namespace

int main(int argc, char** argv)
{
    // Read before any window opens, so that these work without a display.
    // The program has no options of its own beyond them.
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--version") continue;
        const bool option = arg.size() > 1 && arg[0] == '-';
        std::fprintf(stderr, "tenho: %s '%s'\nTry 'tenho --help'.\n",
                     option ? "unknown option" : "unexpected argument", argv[i]);
        return 2;
    }
    if (argc > 1) {
        if (std::strcmp(argv[1], "--version") == 0)
            std::printf("tenho %.*s\n", static_cast<int>(tenho::kVersion.size()),
                        tenho::kVersion.data());
        else
            std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    }

    // One calculator at a time: a second start brings the running one to the
    // front and ends here, without a word and before it has opened a window.
    tenho::qt::SingleInstance instance;
    if (!instance.acquire()) {
        instance.knock();
        return 0;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TENHO_APP_ID));
    tenho::qt::WindowProgram program;
    instance.listen();
    QObject::connect(&instance, &tenho::qt::SingleInstance::knocked, &program,
                     &tenho::qt::WindowProgram::bringToFront);
    // The run is over when the main window closes: a new start is welcome
    // from that moment on, not only once the process has gone.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &instance,
                     &tenho::qt::SingleInstance::release);
    program.start();
    return app.exec();
}
