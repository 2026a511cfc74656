#include "common/TestMain.h"

#include "model/CMD5Checksum.h"
#include "model/Clock.h"
#include "model/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestEnvironmentServices : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void homeOverridesEverything();
    void executableFolderWithDatabase();
    void perUserFolderOtherwise();
    void ensureDatabaseFolder();
    void clockCanBeFixed();
    void md5_data();
    void md5();
    void md5OfFile();

private:
    void SetHome(const QByteArray &value) { qputenv("REPBOOK_HOME", value); }
};

void TestEnvironmentServices::cleanup()
{
    Clock::Reset();
}

void TestEnvironmentServices::homeOverridesEverything()
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("REPBOOK_HOME");
    SetHome(QFile::encodeName(home.path() + QStringLiteral("/diary/")));
    QCOMPARE(DataFolder::ProgramFolder(), home.path() + QStringLiteral("/diary"));
    QCOMPARE(DataFolder::DatabasePath(),
             home.path() + QStringLiteral("/diary/Database/Database.rpd"));
    QCOMPARE(DataFolder::ExerciseListPath(),
             home.path() + QStringLiteral("/diary/Database/UEList.txt"));
    QCOMPARE(DataFolder::WorkoutListPath(),
             home.path() + QStringLiteral("/diary/Database/UTList.txt"));
    SetHome(saved);
}

void TestEnvironmentServices::executableFolderWithDatabase()
{
    const QByteArray saved = qgetenv("REPBOOK_HOME");
    qunsetenv("REPBOOK_HOME");
    const QString database = QCoreApplication::applicationDirPath() + QStringLiteral("/Database");
    const bool existed = QFileInfo(database).isDir();
    QVERIFY(QDir().mkpath(database));
    QCOMPARE(DataFolder::ProgramFolder(), QCoreApplication::applicationDirPath());
    if (!existed)
        QDir().rmdir(database);
    SetHome(saved);
}

void TestEnvironmentServices::perUserFolderOtherwise()
{
    if (QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/Database")).isDir())
        QSKIP("The test executable's folder holds a Database folder.");
    const QByteArray saved = qgetenv("REPBOOK_HOME");
    qunsetenv("REPBOOK_HOME");
    // The test environment points XDG_DATA_HOME at its private folder.
    const QString expected =
        QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Ironvale/Repbook");
    QCOMPARE(DataFolder::ProgramFolder(), expected);
    QCOMPARE(DataFolder::DatabasePath(), expected + QStringLiteral("/Database/Database.rpd"));
    SetHome(saved);
}

void TestEnvironmentServices::ensureDatabaseFolder()
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("REPBOOK_HOME");
    SetHome(QFile::encodeName(home.path() + QStringLiteral("/fresh")));
    QVERIFY(!QFileInfo::exists(DataFolder::DatabaseFolder()));
    QVERIFY(DataFolder::EnsureDatabaseFolder());
    QVERIFY(QFileInfo(DataFolder::DatabaseFolder()).isDir());
    QVERIFY(DataFolder::EnsureDatabaseFolder());
    SetHome(saved);
}

void TestEnvironmentServices::clockCanBeFixed()
{
    const QDateTime moment(QDate(2007, 3, 5), QTime(18, 30));
    Clock::SetFixed(moment);
    QCOMPARE(Clock::Now(), moment);
    QCOMPARE(Clock::Today(), QDate(2007, 3, 5));
    QCOMPARE(Clock::TodayValue().GetValue(), DateValue::FromDate(2007, 3, 5).GetValue());
    Clock::Reset();
    QVERIFY(qAbs(Clock::Now().secsTo(QDateTime::currentDateTime())) < 5);
}

void TestEnvironmentServices::md5_data()
{
    // RFC 1321 test suite.
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("digest");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("d41d8cd98f00b204e9800998ecf8427e");
    QTest::newRow("a") << QByteArray("a") << QStringLiteral("0cc175b9c0f1b6a831c399e269772661");
    QTest::newRow("abc") << QByteArray("abc") << QStringLiteral("900150983cd24fb0d6963f7d28e17f72");
    QTest::newRow("digits")
        << QByteArray(
               "12345678901234567890123456789012345678901234567890123456789012345678901234567890")
        << QStringLiteral("57edf4a22be3c955ac49da2e2107b67a");
}

void TestEnvironmentServices::md5()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, digest);
    QCOMPARE(CMD5Checksum::GetMD5(data), digest);
}

void TestEnvironmentServices::md5OfFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("abc"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("abc");
    file.close();
    bool ok = false;
    QCOMPARE(CMD5Checksum::GetMD5(path, &ok), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
    QVERIFY(ok);
    QVERIFY(CMD5Checksum::GetMD5(dir.filePath(QStringLiteral("missing")), &ok).isEmpty());
    QVERIFY(!ok);
}

REPBOOK_TEST_MAIN_CORE(TestEnvironmentServices)
#include "TestEnvironmentServices.moc"
