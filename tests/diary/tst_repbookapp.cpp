#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookApp.h"
#include "diary/CRepbookDlg.h"
#include "diary/CUserDataDlg.h"
#include "diary/UserProfile.h"
#include "editing/CDayTabCtrl.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SingleInstance.h"
#include "model/TrainingDay.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <optional>

using namespace diarytest;

namespace {

// The question a diary that cannot be used asks; it says whether a damaged file is kept.
const QString CorruptedQuestion = QStringLiteral("Do you want to create new database?");
const QString FileKept = QStringLiteral("The damaged file will be kept beside the new one.");
const QDateTime Now(QDate(2007, 3, 20), QTime(9, 5, 7));

// Runs start-up; the main window, when it comes, is recorded and closed at once.
struct StartUp
{
    bool windowShown = false;
    int daysLoaded = -1;
    int result = 0;
    // What the shown window showed: cells that did not follow the diary, and the date of the day
    // in the workout area, if it showed one.
    QString cellsWrong;
    std::optional<DateValue> workoutAreaDate;

    void Run()
    {
        CRepbookApp app;
        app.SetMainWindowRunner([this, &app](CRepbookDlg &window) {
            windowShown = true;
            DiaryDatabase *database = app.GetDatabase();
            daysLoaded = database ? database->GetDayCount() : -1;
            if (database)
                cellsWrong = CellsNotFollowingTheDiary(window, *database);
            if (const TrainingDay *day = window.WorkoutArea()->GetDay())
                workoutAreaDate = day->GetDate();
        });
        result = app.Run();
        QVERIFY(!app.GetDatabase());
    }
};

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

// The diary starting: one copy at a time, a diary that is missing or damaged, the user data.
class TestRepbookApp : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(Now); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }

    void windowShowsTheDiaryAtStart_data()
    {
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<bool>("todayHasDay");
        const QString today = QStringLiteral(R"(20.3.2007 "Felt strong" Chest Back)");
        const QString before = QStringLiteral("12.3.2007 Legs");
        const QString after = QStringLiteral("2.4.2007 Core");
        QTest::newRow("days around today") << QStringList {before, today, after} << true;
        QTest::newRow("today without a day") << QStringList {before, after} << false;
        QTest::newRow("only today") << QStringList {today} << true;
    }
    void windowShowsTheDiaryAtStart()
    {
        QFETCH(QStringList, days);
        QFETCH(bool, todayHasDay);
        QVERIFY(WriteDiary(DataFolder::DatabasePath(), days.join(QStringLiteral("; "))));

        StartUp startUp;
        startUp.Run();

        QVERIFY(startUp.windowShown);
        QCOMPARE(startUp.daysLoaded, days.size());
        QCOMPARE(startUp.cellsWrong, QString());
        QCOMPARE(startUp.workoutAreaDate.has_value(), todayHasDay);
        if (todayHasDay)
            QCOMPARE(*startUp.workoutAreaDate, Date(2007, 3, 20));
    }
    void secondCopyEnds()
    {
        QVERIFY(WriteDiary(DataFolder::DatabasePath(), QStringLiteral("1.3.2007 Legs")));
        const QByteArray before = ReadFile(DataFolder::DatabasePath());

        SingleInstance firstCopy(QString::fromLatin1(CRepbookApp::LockName));
        QVERIFY(firstCopy.TryAcquire());
        MessageBox::setNextAnswers({QMessageBox::Ok});
        StartUp second;
        second.Run();

        QVERIFY(!second.windowShown);
        QVERIFY(second.result != 0);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).icon, QMessageBox::Warning);
        QCOMPARE(shown.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The first copy keeps its lock and its diary.
        QVERIFY(firstCopy.IsHeld());
        QCOMPARE(ReadFile(DataFolder::DatabasePath()), before);
    }
    void missingOrDamagedDiaryAsks_data()
    {
        // Text put in place of "Bench"; "<missing>": the Database folder holds no diary, which is
        // not a first start.
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<bool>("backup"); // a sound backup, and a newer damaged one, are there
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("outcome"); // "new", "restored" or "quit"

        const auto row = [](const char *name, const char *damage, bool backup, int answer,
                            const char *outcome) {
            QTest::newRow(name) << QByteArray(damage) << backup << answer << QString(outcome);
        };
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        row("missing, Yes: new empty diary", "<missing>", false, yes, "new");
        row("missing, No: closing", "<missing>", false, no, "quit");
        row("changed letter, Yes", "Bench!", false, yes, "new");
        row("changed letter, No", "Bench!", false, no, "quit");
        row("cut short, Yes", "", false, yes, "new");
        row("backup, restore it", "Bench!", true, yes, "restored");
        row("backup, new database", "", true, no, "new");
        row("backup, quit", "!", true, QMessageBox::Cancel, "quit");
    }
    void missingOrDamagedDiaryAsks()
    {
        QFETCH(QByteArray, damage);
        QFETCH(bool, backup);
        QFETCH(int, answer);
        QFETCH(QString, outcome);

        const bool missing = damage == "<missing>";
        const QString path = DataFolder::DatabasePath();
        QVERIFY(WriteDiary(path, QStringLiteral(R"(1.3.2007 "Bench day" Chest)")));
        const QByteArray sound = ReadFile(path);
        const DiaryBackups backups(path);
        if (backup) {
            Clock::SetFixed(Now.addSecs(-3600));
            QVERIFY(!backups.MakeNow().backup.isEmpty());
            Clock::SetFixed(Now);
            QVERIFY(WriteFile(backups.Folder() + QStringLiteral("/Database-20070320-090000.rpd"),
                              "damaged too"));
        }
        QByteArray damaged = sound;
        if (damage.isEmpty())
            damaged.truncate(damaged.indexOf("Chest")); // no end marker, no digest
        else
            damaged.replace("Bench", damage);
        QVERIFY(missing ? QFile::remove(path) : WriteFile(path, damaged));

        const bool newDiary = outcome == QLatin1String("new");
        MessageBox::setNextAnswers(missing && newDiary // nothing kept aside to tell of
                                       ? QList {MessageBox::Button(answer)}
                                       : QList {MessageBox::Button(answer), QMessageBox::Ok});
        StartUp startUp;
        startUp.Run();

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), missing && newDiary ? 1 : 2);
        if (backup) {
            QVERIFY2(
                shown.at(0).text.contains(QLatin1String(
                    "The newest sound backup is the backup of 20 March 2007, 08:05 with 1 day.")),
                qPrintable(shown.at(0).text));
            QCOMPARE(shown.at(0).buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        } else {
            QVERIFY(shown.at(0).text.contains(CorruptedQuestion));
            QCOMPARE(shown.at(0).text.contains(FileKept), !missing);
            QCOMPARE(shown.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(shown.at(0).icon, QMessageBox::Critical);
        if (shown.size() > 1)
            QCOMPARE(shown.at(1).icon, QMessageBox::Information);
        QCOMPARE(startUp.windowShown, outcome != QLatin1String("quit"));
        if (missing) {
            QCOMPARE(DatabaseFolderEntries(),
                     newDiary ? QStringList {"Database.rpd"} : QStringList());
            QCOMPARE(QFileInfo(path).size(), 0);
            QCOMPARE(startUp.daysLoaded, newDiary ? 0 : -1);
            QCOMPARE(startUp.result != 0, !newDiary);
            return;
        }

        const QString keptName = QStringLiteral("Database.rpd.damaged-20070320-090507");
        const QString keptPath = QDir(DataFolder::DatabaseFolder()).filePath(keptName);
        if (outcome == QLatin1String("quit")) {
            QCOMPARE(DatabaseFolderEntries(), QStringList {QStringLiteral("Database.rpd")});
            QCOMPARE(ReadFile(path), damaged);
            return;
        }
        // The damaged diary is kept byte for byte, and the user is told where.
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("The damaged database was kept as:\n%1")
                     .arg(QDir::toNativeSeparators(keptPath)));
        QCOMPARE(ReadFile(keptPath), damaged);
        QCOMPARE(DatabaseFolderEntries(), (QStringList {QStringLiteral("Database.rpd"), keptName}));
        const bool restored = outcome == QLatin1String("restored");
        QCOMPARE(ReadFile(path), restored ? sound : QByteArray());
        QCOMPARE(startUp.daysLoaded, restored ? 1 : 0);
    }
    void userDataStoredOnlyAfterOk()
    {
        SettingsStore settings;
        for (const bool ok : {false, true}) {
            WhenModal<CUserDataDlg>([ok](CUserDataDlg *dialog) {
                UserData data;
                data.firstName = QStringLiteral("Anna");
                dialog->SetData(data);
                ok ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(CUserDataDlg::Edit(nullptr, settings, false), ok);
            QCOMPARE(UserProfile::Load(settings).firstName, ok ? "Anna" : "");
        }
    }

    // The lock that keeps a second copy from starting, also after a copy crashed.
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
        QVERIFY(WriteFile(instance.LockPath(), QByteArray::number(pid) + "\nsleep\n\n"));
        QVERIFY(instance.TryAcquire());
        SingleInstance other(LockName);
        QVERIFY(!other.TryAcquire());
    }
};

REPBOOK_TEST_MAIN(TestRepbookApp)

#include "tst_repbookapp.moc"
