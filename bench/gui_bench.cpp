// SPDX-License-Identifier: GPL-3.0-or-later
// Times what a player waits for at the window: from the splash's tick to the
// main window painted, and from the release of the mouse on 計算 to the result
// dialog painted (the first calculation of a run and the later ones). Each run
// is a fresh process that starts the window program as tenho does, on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
//     tenho_gui_bench [RUNS]          RUNS fresh starts (default 7), medians printed
#include "entry/qt/tenho_window.h"
#include "model/tenho.h"
#include "shell/qt/opning.h"
#include "shell/qt/window_program.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tenho;

constexpr int kCalculations = 12;

double preciseMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Watches every event of the run: the splash's timer tick, and the exposure
// of the main window and of each result dialog. The time is taken once the
// exposure has been handled, painting included.
class Probe : public QObject {
public:
    Probe(qt::WindowProgram& program) : program_(program) {}

    double tick = 0;
    double windowPainted = 0;
    double splashGone = 0;
    double releaseAt = 0;
    std::vector<double> calculations;
    std::function<void()> afterWindow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && watched == program_.splash().timer() && tick == 0) {
            tick = preciseMs();
            return false;
        }
        if (event->type() == QEvent::Hide && watched == &program_.splash() && splashGone == 0) {
            splashGone = preciseMs();
            return false;
        }
        if (event->type() != QEvent::Expose) return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (window == nullptr || !window->isExposed()) return false;
        QWidget* widget = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window) widget = w;
        if (widget == nullptr) return false;
        if (widget == &program_.window() && windowPainted == 0) {
            // The splash watches this exposure too: it is left to go its
            // way, and the time taken once it has been handled.
            windowPainted = -1;
            QTimer::singleShot(0, this, [this] {
                windowPainted = preciseMs();
                if (afterWindow) QTimer::singleShot(0, afterWindow);
            });
            return false;
        }
        if (widget->objectName() == QLatin1String("HAN_number") && releaseAt > 0) {
            watched->event(event);
            calculations.push_back(preciseMs() - releaseAt);
            releaseAt = 0;
            QPushButton* again = widget->findChild<QPushButton*>(QStringLiteral("Command1"));
            QTimer::singleShot(0, again, [again] { again->click(); });
            return true;
        }
        return false;
    }

private:
    qt::WindowProgram& program_;
};

// Three hands that price differently: a plain ron, a riichi tsumo with dora,
// and a yakuman.
void enterHand(TENHO& t, int which)
{
    t.cmdRESET_Click();
    const auto tiles = [&t](const char* text) {
        for (const char* p = text; p[0] != '\0'; p += 2)
            t.Frame1_DragDrop(paletteIndex(Code(p[0], p[1])));
    };
    switch (which % 3) {
    case 0:
        tiles("02030405060712131422232425");
        t.Frame7_DragDrop(paletteIndex(Code('2', '5')));
        break;
    case 1:
        tiles("01020304050611121321222323");
        t.Frame7_DragDrop(paletteIndex(Code('2', '3')));
        t.clickC_OPTION(0);
        t.Frame6_DragDrop(paletteIndex(Code('0', '8')));
        t.selectTUMO_END();
        break;
    default:
        tiles("01091119212931415161718191");
        t.Frame7_DragDrop(paletteIndex(Code('0', '1')));
        break;
    }
    t.B_list = 0;
    t.I_list = 1;
}

int child(int argc, char** argv)
{
    QApplication app(argc, argv);
    qt::WindowProgram program;
    Probe probe(program);
    app.installEventFilter(&probe);

    QPushButton* keisan = program.window().findChild<QPushButton*>(QStringLiteral("cmdKEISAN"));
    int done = 0;
    std::function<void()> calculate;
    calculate = [&] {
        if (done == kCalculations) {
            std::printf("window %.3f\n", probe.windowPainted - probe.tick);
            std::printf("gap %.3f\n", probe.windowPainted - probe.splashGone);
            for (std::size_t i = 0; i < probe.calculations.size(); ++i)
                std::printf("%s %.3f\n", i == 0 ? "first" : "later", probe.calculations[i]);
            std::printf("close %.3f\n", preciseMs());
            std::fflush(stdout);
            program.window().close();
            return;
        }
        enterHand(program.model(), done);
        program.window().refresh();
        QWindow* w = program.window().windowHandle();
        const QPoint at = keisan->mapTo(&program.window(), keisan->rect().center());
        QTest::mousePress(w, Qt::LeftButton, {}, at);
        probe.releaseAt = preciseMs();
        QTest::mouseRelease(w, Qt::LeftButton, {}, at);
        ++done;
        QTimer::singleShot(20, calculate);
    };
    probe.afterWindow = [&] { QTimer::singleShot(200, calculate); };
    program.start();
    return app.exec();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--child") return child(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!env.contains(QStringLiteral("QT_QPA_FONTDIR")))
        env.insert(QStringLiteral("QT_QPA_FONTDIR"), QStringLiteral("/usr/share/fonts"));
    // Each run takes the single-instance lock; a folder of the bench's own
    // keeps it from meeting a calculator that is open.
    const QTemporaryDir runtime;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    std::map<std::string, std::vector<double>> figures;
    for (int run = 0; run < runs; ++run) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            std::fprintf(stderr, "tenho_gui_bench: run %d failed\n", run + 1);
            return 1;
        }
        const double ended = preciseMs();
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2) continue;
            const double value = words[1].toDouble();
            if (words[0] == "close")
                figures["close"].push_back(ended - value);
            else
                figures[words[0].toStdString()].push_back(value);
        }
    }

    const std::pair<const char*, const char*> rows[] = {
        {"window", "splash tick -> main window painted"},
        {"gap", "splash gone -> main window painted (< 0: overlap)"},
        {"first", "release on 計算 -> result dialog painted (first of a run)"},
        {"later", "release on 計算 -> result dialog painted (later ones)"},
        {"close", "main window closed -> process ended"},
    };
    std::printf("%-58s %5s %8s %8s %8s\n", "ms", "n", "min", "median", "max");
    for (const auto& [key, what] : rows) {
        const std::vector<double>& v = figures[key];
        if (v.empty()) continue;
        std::printf("%-58s %5zu %8.1f %8.1f %8.1f\n", what, v.size(),
                    *std::min_element(v.begin(), v.end()), median(v),
                    *std::max_element(v.begin(), v.end()));
    }
    return 0;
}
