#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "model/SingleInstance.h"

#include <QProcess>

namespace {

const QString LockName = QStringLiteral("Singletone.lock");

// The id of a process that has ended: a lock it left behind belongs to nobody.
qint64 DeadProcessId()
{
    QProcess process;
    process.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    if (!process.waitForStarted())
        return -1;
    const qint64 pid = process.processId();
    process.kill();
    process.waitForFinished();
    return pid;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondHolderRefused()
    {
        SingleInstance first(LockName);
        SingleInstance second(LockName);
        QVERIFY(first.TryAcquire());
        QVERIFY(!second.TryAcquire());
        QVERIFY(first.IsHeld());
        QVERIFY(!second.IsHeld());
        // Asking again changes nothing for either.
        QVERIFY(first.TryAcquire());
        QVERIFY(!second.TryAcquire());
    }
    void crashedHolderDoesNotBlock()
    {
        const qint64 pid = DeadProcessId();
        QVERIFY(pid > 0);
        SingleInstance instance(LockName);
        // What a copy that crashed leaves behind: a lock file naming a process that is gone.
        QVERIFY(
            testsupport::WriteFile(instance.LockPath(), QByteArray::number(pid) + "\nsleep\n\n"));
        QVERIFY(instance.TryAcquire());
        SingleInstance other(LockName);
        QVERIFY(!other.TryAcquire());
    }
};

REPBOOK_TEST_MAIN_CORE(TestSingleInstance)

#include "tst_singleinstance.moc"
