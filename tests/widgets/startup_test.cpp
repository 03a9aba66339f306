// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the command line, one instance per user (also after a crash, and
// whatever other users leave in the way), a second start that brings the
// running window forward, and the splash whose single tick shows the main
// window after three seconds.
#include "shell/qt/opning.h"
#include "shell/qt/single_instance.h"
#include "shell/qt/window_program.h"
#include "widget_test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace tenho;
using namespace tenho::testing;

namespace {

constexpr unsigned kNobody = 65534;

// The pid a lock file names, or 0.
qint64 lockHolder(const QString& path)
{
    QLockFile probe(path);
    qint64 pid = 0;
    QString host, app;
    return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
}

bool chownTo(const QString& path, unsigned user)
{
    return ::lchown(QFile::encodeName(path).constData(), user, user) == 0;
}

unsigned ownerOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_uid : ~0u;
}

unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// The program, started with its lock in `runtime`.
void start(QProcess& p, const QString& runtime, const QStringList& args = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TENHO_PROGRAM_PATH), args);
    QVERIFY(p.waitForStarted(10000));
}

void stop(QProcess& p)
{
    if (p.state() == QProcess::NotRunning) return;
    p.kill();
    p.waitForFinished(10000);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qt::installJapaneseFonts(); }

    void theCommandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto words = [](std::initializer_list<const char*> list) {
            QStringList out;
            for (const char* w : list) out << QString::fromUtf8(w);
            return out;
        };
        const auto text = [](const char* t) { return QString::fromUtf8(t); };
        const QString usage = QStringLiteral("usage: tenho [--help | --version]\n");
        QTest::newRow("--version")
            << words({"--version"}) << 0 << text("tenho 0.97\n") << QString();
        QTest::newRow("--help") << words({"--help"}) << 0 << usage << QString();
        QTest::newRow("-h") << words({"-h"}) << 0 << usage << QString();
        QTest::newRow("unknown option")
            << words({"--frobnicate"}) << 2 << QString()
            << text("tenho: unknown option '--frobnicate'\nTry 'tenho --help'.\n");
        QTest::newRow("a word")
            << words({"hand.txt"}) << 2 << QString()
            << text("tenho: unexpected argument 'hand.txt'\nTry 'tenho --help'.\n");
        QTest::newRow("--version and more")
            << words({"--version", "-x"}) << 2 << QString()
            << text("tenho: unknown option '-x'\nTry 'tenho --help'.\n");
        QTest::newRow("Qt's own option")
            << words({"-platform", "offscreen"}) << 2 << QString()
            << text("tenho: unknown option '-platform'\nTry 'tenho --help'.\n");
    }

    void theCommandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        // No display at all: these never open a window.
        QTemporaryDir runtime;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TENHO_PROGRAM_PATH), args);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QString stdOut = QString::fromUtf8(p.readAllStandardOutput());
        if (out.endsWith(QLatin1String("]\n")))
            QVERIFY2(stdOut.startsWith(out), qPrintable(stdOut));
        else
            QCOMPARE(stdOut, out);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), err);
        QVERIFY(!QFile::exists(QDir(runtime.path()).filePath(QStringLiteral("tenho.lock"))));
    }

    void aHeldLockRefusesALeftOneIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("tenho.lock"));
        {
            qt::SingleInstance first(dir.path());
            QVERIFY(first.acquire());
            QCOMPARE(first.lockPath(), path);
            qt::SingleInstance second(dir.path());
            QVERIFY(!second.acquire());
        }
        // Released at the end of the first: the next one runs.
        {
            qt::SingleInstance next(dir.path());
            QVERIFY(next.acquire());
        }
        // A lock left by a crash names a process that has gone.
        QProcess gone;
        gone.start(QStringLiteral("/bin/true"), {});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile left(path);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write(QByteArray::number(pid) + "\ntenho\n" + QSysInfo::machineHostName().toUtf8() +
                   "\n");
        left.close();
        qt::SingleInstance after(dir.path());
        QVERIFY(after.acquire());
        QCOMPARE(lockHolder(path), QCoreApplication::applicationPid());
    }

    void aLockFileOfAnotherUserNeverBlocks()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("tenho.lock"));
        {
            // Seen as another user sees it: the file is held by a live
            // process, and it is not theirs.
            QLockFile held(path);
            QVERIFY(held.tryLock(0));
            QVERIFY(!qt::SingleInstance(dir.path()).acquire());
            qt::SingleInstance other(dir.path(), qt::SingleInstance::currentUser() + 1);
            QVERIFY(other.acquire());
        }
        {
            // And for real where the test may give the file away.
            QLockFile held(path);
            QVERIFY(held.tryLock(0));
            if (!chownTo(path, kNobody)) QSKIP("cannot give a file to another user here");
            qt::SingleInstance mine(dir.path());
            QVERIFY(mine.acquire());
            QCOMPARE(ownerOf(path), qt::SingleInstance::currentUser());
            QCOMPARE(lockHolder(path), QCoreApplication::applicationPid());
        }
    }

    void theFolderIsOneOnlyTheUserCanWrite()
    {
        QTemporaryDir base;
        const QDir b(base.path());
        QVERIFY(b.mkpath(QStringLiteral("run")) && b.mkpath(QStringLiteral("tmp")) &&
                b.mkpath(QStringLiteral("cache")));
        const QString run = b.filePath(QStringLiteral("run"));
        const QString tmp = b.filePath(QStringLiteral("tmp"));
        const QString cache = b.filePath(QStringLiteral("cache/tenho"));
        const unsigned me = qt::SingleInstance::currentUser();
        const QString mineInTmp = QDir(tmp).filePath(QStringLiteral("tenho-%1").arg(me));

        // The runtime folder of the session, narrowed to 0700 when it is ours.
        QVERIFY(QFile::setPermissions(run, QFile::Permissions(0x7777)));
        QCOMPARE(qt::SingleInstance::userFolder(run, tmp, cache, me), run);
        QCOMPARE(modeOf(run), 0700u);

        // None: a folder of the user's own in the temporary folder, 0700.
        QCOMPARE(qt::SingleInstance::userFolder(QString(), tmp, cache, me), mineInTmp);
        QCOMPARE(modeOf(mineInTmp), 0700u);
        QCOMPARE(ownerOf(mineInTmp), me);

        // A runtime folder that is a link, or not the user's, is passed over.
        QVERIFY(QFile::link(run, b.filePath(QStringLiteral("link"))));
        QCOMPARE(qt::SingleInstance::userFolder(b.filePath(QStringLiteral("link")), tmp, cache, me),
                 mineInTmp);
        // Nor is the folder in the temporary folder, or the cache folder, when
        // it belongs to someone else: then there is no lock at all.
        QCOMPARE(qt::SingleInstance::userFolder(run, tmp, cache, me + 1), QString());
        QVERIFY(qt::SingleInstance(QString()).acquire());

        // Someone made the user's folder in the temporary folder first (a
        // link to elsewhere): the cache folder is taken instead.
        QVERIFY(QDir(mineInTmp).removeRecursively());
        QVERIFY(QFile::link(run, mineInTmp));
        QCOMPARE(qt::SingleInstance::userFolder(QString(), tmp, cache, me), cache);
        QCOMPARE(modeOf(cache), 0700u);

        if (!chownTo(run, kNobody)) QSKIP("cannot give a folder to another user here");
        QCOMPARE(qt::SingleInstance::userFolder(run, tmp, cache, me), cache);
    }

    void aSecondStartEndsAtOnceAndACrashDoesNotBlockTheNext()
    {
        QTemporaryDir runtime;
        const QString lock = runtime.filePath(QStringLiteral("tenho.lock"));
        QProcess first;
        start(first, runtime.path());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(lock), first.processId(), 10000);

        QProcess second;
        QElapsedTimer clock;
        clock.start();
        start(second, runtime.path());
        QVERIFY(second.waitForFinished(10000));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QCOMPARE(second.readAllStandardError(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running);

        // The first one crashes; its lock file stays behind.
        first.kill();
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(QFile::exists(lock));

        QProcess third;
        start(third, runtime.path());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(lock), third.processId(), 10000);
        QCOMPARE(third.state(), QProcess::Running);
        stop(third);
    }

    void aSecondStartBringsTheRunningWindowForward()
    {
        QTemporaryDir runtime;
        qt::SingleInstance instance(runtime.path());
        QVERIFY(instance.acquire());
        QVERIFY(instance.listen());
        qt::WindowProgram program(std::make_unique<CountingHost>());
        connect(&instance, &qt::SingleInstance::knocked, &program,
                &qt::WindowProgram::bringToFront);
        program.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
        program.window().showMinimized();
        QTRY_VERIFY(program.window().isMinimized());

        QProcess second;
        start(second, runtime.path());
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QCOMPARE(second.readAllStandardError(), QByteArray());
        QTRY_VERIFY(!program.window().isMinimized());
        QVERIFY(program.window().isVisible());
        QTRY_VERIFY(program.window().isActiveWindow());

        // Nobody listening (an instance still starting, or hung): the second
        // start waits a moment, then ends all the same.
        instance.release();
        QVERIFY(instance.acquire());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!qt::SingleInstance(runtime.path()).knock(300));
        QVERIFY(clock.elapsed() < 2000);
    }

    void theSplashTicksOnceAfterThreeSecondsAndShowsTheWindow()
    {
        CountingHost host;
        TENHO model(host);
        model.Form_Load();
        qt::TenhoWindow window(model);
        host.setOwner(&window);
        qt::Opning splash(&window);
        QCOMPARE(splash.titleLabel()->text(), QStringLiteral("天和 麻雀点数計算"));
        QVERIFY(splash.creditsLabel()->text().contains(QStringLiteral("天和 プロジェクト")));
        QCOMPARE(splash.timer()->interval(), 3000);
        QVERIFY(splash.timer()->isSingleShot());

        // Right after the tick, both are up: no moment without a window.
        bool bothUpAtTheTick = false;
        connect(splash.timer(), &QTimer::timeout, this,
                [&] { bothUpAtTheTick = window.isVisible() && splash.isVisible(); });

        QElapsedTimer clock;
        clock.start();
        splash.show();
        QVERIFY(splash.timer()->isActive());
        QTest::qWait(2500);
        QVERIFY(splash.isVisible());
        QVERIFY(!window.isVisible());
        // Only the tick closes it.
        splash.close();
        QVERIFY(splash.isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
        QVERIFY(clock.elapsed() >= 3000);
        QVERIFY(bothUpAtTheTick);
        QTRY_VERIFY(!splash.isVisible());
        QVERIFY(window.isVisible());
        QVERIFY(!splash.timer()->isActive());
        QCOMPARE(
            window.windowTitle(),
            QStringLiteral(" 天和 麻雀点数計算　　 [  あとづけ（○）　食いタン（×）　連和（×） ]"));
    }

    void runFromTheBuildTreeTheProjectsPageIsTheBuildTreesCopy()
    {
        const QString programFolder = QFileInfo(QStringLiteral(TENHO_PROGRAM_PATH)).absolutePath();
        const QString page = QDir(programFolder).filePath(QStringLiteral("data/index.html"));
        QVERIFY(QFileInfo(page).isFile());
        QCOMPARE(qt::WindowProgram::buildTreePage(programFolder),
                 QUrl::fromLocalFile(page).toString());
        // Installed, the program has no build tree around it.
        QTemporaryDir installed;
        QVERIFY(QDir(installed.path()).mkpath(QStringLiteral("data")));
        QFile copy(QDir(installed.path()).filePath(QStringLiteral("data/index.html")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.close();
        QCOMPARE(qt::WindowProgram::buildTreePage(installed.path()), QString());

        // The menu item and both links of the version dialog open it.
        Table t;
        t.model.homePage = QUrl::fromLocalFile(page).toString().toStdString();
        QString shown;
        whenModal([&](QWidget* dialog) {
            shown = dialog->findChild<QLabel*>(QStringLiteral("Label4"))->text();
            QTest::mouseClick(dialog->findChild<QLabel*>(QStringLiteral("Label4")), Qt::LeftButton);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        t.control<QAction>("VER")->trigger();
        t.control<QAction>("HP_URL")->trigger();
        QCOMPARE(shown, QUrl::fromLocalFile(page).toString());
        QCOMPARE(t.host.openedUrls.size(), std::size_t{2});
        for (const QUrl& url : t.host.openedUrls) QCOMPARE(url, QUrl::fromLocalFile(page));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
