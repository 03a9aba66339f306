// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: one instance per user, also after a crash, and the splash whose
// single tick shows the main window after three seconds.
#include "shell/qt/opning.h"
#include "shell/qt/single_instance.h"
#include "widget_test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

using namespace tenho;
using namespace tenho::testing;

namespace {

// The pid a lock file names, or 0.
qint64 lockHolder(const QString& path)
{
    QLockFile probe(path);
    qint64 pid = 0;
    QString host, app;
    return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
}

// The program, started with its lock in `runtime`.
void start(QProcess& p, const QString& runtime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TENHO_PROGRAM_PATH), {});
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

    void aHeldLockRefusesALeftOneIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tenho.lock"));
        {
            qt::SingleInstance first(path);
            QVERIFY(first.acquire());
            qt::SingleInstance second(path);
            QVERIFY(!second.acquire());
        }
        // Released at the end of the first: the next one runs.
        {
            qt::SingleInstance next(path);
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
        qt::SingleInstance after(path);
        QVERIFY(after.acquire());
        QCOMPARE(lockHolder(path), QCoreApplication::applicationPid());
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
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.timer()->isActive());
        QCOMPARE(
            window.windowTitle(),
            QStringLiteral(" 天和 麻雀点数計算　　 [  あとづけ（○）　食いタン（×）　連和（×） ]"));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
