#include "common/TestMain.h"
#include "notifier/CRepminderApp.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

// Starts the built notifier itself. The test environment gives it a private runtime folder, so
// the lock it takes is this test's own.
class TestNotifierProcess : public QObject
{
    Q_OBJECT

private:
    static QString Program()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/repminder");
    }

    static QString LockPath()
    {
        return QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
            .filePath(QLatin1String(CRepminderApp::LockName));
    }

    static qint64 LockOwner()
    {
        QFile lock(LockPath());
        if (!lock.open(QIODevice::ReadOnly))
            return -1;
        return lock.readLine().trimmed().toLongLong();
    }

    static bool WaitForLockOwner(qint64 pid)
    {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (LockOwner() == pid)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    static void Stop(QProcess &process)
    {
        process.kill();
        process.waitForFinished(5000);
    }

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(Program()), qPrintable(Program())); }

    void cleanup() { QFile::remove(LockPath()); }

    void secondStartEndsAtOnce()
    {
        QProcess first;
        first.start(Program(), {});
        QVERIFY(first.waitForStarted());
        QVERIFY(WaitForLockOwner(first.processId()));

        QProcess second;
        second.start(Program(), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(LockOwner(), first.processId());
        Stop(first);
    }

    void lockOfAnEndedNotifierIsTakenOver()
    {
        // A process that has ended leaves a lock behind, as after a crash.
        QProcess ended;
        ended.start(QStringLiteral("/bin/true"), {});
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        QFile lock(LockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nrepminder\n" +
                   QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();

        QProcess notifier;
        notifier.start(Program(), {});
        QVERIFY(notifier.waitForStarted());
        QVERIFY(WaitForLockOwner(notifier.processId()));
        QVERIFY(!notifier.waitForFinished(500));
        Stop(notifier);
    }
};

REPBOOK_TEST_MAIN_CORE(TestNotifierProcess)

#include "tst_notifierprocess.moc"
