// repbook-cli as a script sees it: exit codes, output, and a diary file that changes only when
// an import succeeds, also while another program has the diary open.

#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunCli(QStringList arguments)
{
    QProcess process;
    if (arguments.removeOne(QStringLiteral("/dev/full"))) // standard output onto a full disk
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QCoreApplication::applicationDirPath() + "/repbook-cli", arguments);
    const bool ended =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_diary = m_dir.filePath(QStringLiteral("Database.rpd"));
        QVERIFY(testsupport::WriteDiary(m_diary, QStringLiteral("28.3.2025 Mobility")));
    }
    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // expected in standard output or error
        QTest::addColumn<bool>("changesDiary");
        QTest::addColumn<QString>("notShown");

        const auto row = [](const char *name, const QStringList &arguments, int exitCode,
                            const QString &output, bool changesDiary = false,
                            const QString &notShown = QString()) {
            QTest::newRow(name) << arguments << exitCode << output << changesDiary << notShown;
        };
        row("help", {"--help"}, 0, "Commands:");
        row("no command", {}, 2, "Usage:");
        row("unknown command", {"frobnicate"}, 2, "unknown command");
        row("export csv, a range that ends on the day",
            {"export", "--from", "2025-03-28", "--to", "2025-03-28"}, 0,
            "2025-03-28,,1,Mobility,Not yet,,,,,,,,,\r\n");
        row("export json", {"export", "--format", "JSON"}, 0,
            R"("name":"Mobility","status":"Not yet")");
        row("export json range", {"export", "--format", "json", "--from", "2025-03-29"}, 0,
            "\"days\":[\n]}");
        row("export in pounds", {"export", "--unit", "LB"}, 0,
            ",Negative,Weight (lb),Exercise notes,", false, "Weight (kg)");
        row("export bad unit", {"export", "--unit", "stone"}, 2,
            "unknown unit \"stone\"; use kg or lb");
        row("export bad format", {"export", "--format", "xml"}, 2, "unknown format");
        row("export bad date", {"export", "--to", "2025-13-01"}, 2, "no date");
        row("export into a missing folder", {"export", "-o", "/nonexistent/x.csv"}, 1,
            "could not be written to:\n/nonexistent/x.csv\nThe folder /nonexistent does not exist.",
            false, "No such file");
        row("export onto a full disk", {"export", "/dev/full"}, 1,
            "could not be written to standard output");
        row("export onto a folder", {"export", "-o", "."}, 1, "It is a folder.");
        row("export reversed range", {"export", "--from", "2025-05-01", "--to", "2025-04-01"}, 2,
            "--from 2025-05-01 lies after --to 2025-04-01", false, "Mobility");
        row("diary before the command", {"--diary", "DIARY", "check"}, 0,
            "sound, 1 day, 2025-03-28");
        row("unknown option before the command", {"--frob", "check"}, 2,
            "unknown option \"--frob\"");
        row("import dry run", {"import", Data("strong.csv"), "--dry-run"}, 0,
            "Strong CSV: 2 workouts with 5 exercises to add (1 new day), 2025-03-28 to 2025-03-30",
            false, "2025-03-30  new day");
        row("import dry run, each date", {"import", Data("strong.csv"), "-n", "--verbose"}, 0,
            "2025-03-30  new day, 1 workout, 1 exercise; 0 already there");
        row("import", {"import", Data("strong.csv")}, 0,
            "Added 2 workouts with 5 exercises (1 new day), 2025-03-28 to 2025-03-30.", true);
        row("import liftlog, no name close to Deadlift", // so no proposal for it
            {"import", Data("liftlog.csv"), "--format", "liftlog"}, 0,
            "Added 2 workouts with 5 exercises (2 new days), 2025-06-02 to 2025-06-03.", true,
            "\"Deadlift\" is no exercise");
        row("import while another program saves", {"import", Data("hevy.csv"), "+saving"}, 1,
            "being saved by another program");
        row("import bad map", {"import", Data("strong.csv"), "--map", "Squat="}, 2,
            "--map \"Squat=\"");
        row("import broken", {"import", Data("broken_quotes.csv")}, 1,
            "Line 2 opens a quoted field");
        row("import empty", {"import", Data("empty.csv")}, 1, "the file is empty");
        row("import without file", {"import"}, 2, "exactly one file");
        row("import bad format", {"import", Data("hevy.csv"), "--format", "excel"}, 2,
            "unknown format");
        row("check", {"check"}, 0, "sound, 1 day, 2025-03-28 to 2025-03-28");
        row("records of an empty log", {"records"}, 1, "No exercise is marked Done");
        row("find", {"find", "MOBÍL"}, 0, "2025-03-28\tworkout\tMobility\n");
        row("find nothing", {"find", "squat"}, 1, "not found");
        row("find outside the dates", {"find", "mobility", "--to", "2025-03-27"}, 1, "not found");
        row("find without text", {"find"}, 2, "exactly one text");
        row("find bad date", {"find", "mobility", "--from", "2025-02-30"}, 2, "no date");
        row("restore without file", {"restore"}, 2, "exactly one");
        row("restore damaged", {"restore", Data("hevy.csv")}, 1, "hevy.csv");
        row("check damaged", {"check", Data("hevy.csv")}, 1, "fails its integrity check");
        // "+copy" and "+damaged" put a conflict copy that adds a date, or a damaged one, beside the
        // diary; a copy stays until it is merged.
        row("merge nothing", {"merge"}, 0, "Nothing to merge.");
        row("merge dry run", {"merge", "-n", "+copy"}, 0, "would take 1 dates (2025-03-30)");
        row("merge", {"merge", "+copy"}, 0, "took 1 dates (2025-03-30)", true);
        row("merge damaged", {"merge", "+damaged"}, 1, "fails its integrity check");
        row("check lists copies", {"check", "+copy"}, 0, "Database.sync-conflict-");
    }
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QFETCH(bool, changesDiary);
        QFETCH(QString, notShown);
        const QString copyPath =
            m_dir.filePath(QStringLiteral("Database.sync-conflict-20251201-101010-ABCDEFG.rpd"));
        const bool damaged = arguments.removeOne(QStringLiteral("+damaged"));
        const bool copy = arguments.removeOne(QStringLiteral("+copy")) || damaged;
        if (copy)
            QVERIFY(testsupport::WriteDiary(copyPath, "28.3.2025 Mobility; 30.3.2025 Legs"));
        if (damaged)
            QVERIFY(testsupport::WriteFile(copyPath,
                                           testsupport::ReadFile(copyPath).replace(3, 1, "X")));
        if (arguments.contains(QLatin1String("DIARY")))
            arguments.replace(arguments.indexOf(QLatin1String("DIARY")), m_diary);
        else if (!arguments.isEmpty() && arguments.first() != QLatin1String("--help"))
            arguments << QStringLiteral("--diary") << m_diary;
        QLockFile saving(m_diary + QStringLiteral(".lock"));
        QVERIFY(!arguments.removeOne(QStringLiteral("+saving")) || saving.lock());
        const QByteArray before = testsupport::ReadFile(m_diary);
        const Run run = RunCli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(output), qPrintable(run.out + run.err));
        QVERIFY2(notShown.isEmpty() || !(run.out + run.err).contains(notShown),
                 qPrintable(run.out + run.err));
        QCOMPARE(testsupport::ReadFile(m_diary) != before, changesDiary);
        QCOMPARE(QFile::remove(copyPath), copy && !changesDiary);
        QVERIFY(run.exitCode == 0 || !run.err.isEmpty());
    }
    void importWhileAnotherProgramHasTheDiary()
    {
        // This process plays the diary program: it has the file open and an unsaved change.
        DiaryDatabase diary;
        SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
        QVERIFY(file.Open(m_diary));
        QVERIFY(testsupport::BuildDiary(diary, QStringLiteral("5.1.2025 Unsaved")));

        QCOMPARE(RunCli({"import", Data("strong.csv"), "--diary", m_diary}).exitCode, 0);
        QVERIFY(file.Save().ok);
        // Both the import and the program's own change are in the file.
        QCOMPARE(testsupport::DescribeDiaryFile(m_diary),
                 QStringLiteral(R"(5.1.2025 Unsaved; 28.3.2025 "Good session" Mobility )"
                                R"(Push_Day:done[Bench_Press_(Barbell) 1x10 40 "warm-up", )"
                                R"(Bench_Press_(Barbell) 2x8 60, Bench_Press_(Barbell) 1x12 45 )"
                                R"("drop set", Dips 1x15 done "to failure; slow, controlled"]; )"
                                R"(30.3.2025 Legs:done[Squat 1x5 100])"));
    }
    // Remembered choices and --map rules rename the file's exercises; a close name is pointed out.
    void importJoinsNames()
    {
        const QString map = m_dir.filePath(QStringLiteral("ImportNames.txt"));
        const QString names = m_dir.filePath(QStringLiteral("UEList.txt"));
        QVERIFY(
            testsupport::WriteFile(map, "Strong CSV\tDips\tDip\nHevy CSV\tSquat\tBack squat\n"));
        QVERIFY(testsupport::WriteFile(names, "Squats\n"));
        const Run run = RunCli({"import", Data("strong.csv"), "--diary", m_diary, "--map",
                                "Bench Press (Barbell) = Bench press"});
        QVERIFY(QFile::remove(map) && QFile::remove(names));
        // Only the name no choice joins is pointed out.
        QVERIFY2(run.exitCode == 0 && run.out.count("is no exercise") == 1 &&
                     run.out.contains("\"Squat\" is no exercise of the diary; the closest is "
                                      "\"Squats\" (--map \"Squat=Squats\" joins them)"),
                 qPrintable(run.out));
        QVERIFY(testsupport::DescribeDiaryFile(m_diary).contains(QStringLiteral(
            R"(Push_Day:done[Bench_press 1x10 40 "warm-up", Bench_press 2x8 60, Bench_press 1x12 45 )"
            R"("drop set", Dip 1x15 done )")));
    }
    // A backup made now brings the diary back after an import changed it.
    void backupAndRestore()
    {
        const QByteArray original = testsupport::ReadFile(m_diary);
        const Run backup = RunCli({"backup", "--diary", m_diary});
        QCOMPARE(backup.exitCode, 0);
        const QString copy = backup.out.trimmed();
        QCOMPARE(QFileInfo(copy).absolutePath(), m_dir.filePath(QStringLiteral("Backups")));
        QCOMPARE(testsupport::ReadFile(copy), original);

        QCOMPARE(RunCli({"import", Data("fitnotes.csv"), "--diary", m_diary}).exitCode, 0);
        QVERIFY(testsupport::ReadFile(m_diary) != original);
        const QByteArray imported = testsupport::ReadFile(m_diary);
        const Run restore = RunCli({"restore", copy, "--diary", m_diary});
        QVERIFY2(restore.exitCode == 0 && restore.out.contains("Restored 1 day from"),
                 qPrintable(restore.out));
        QCOMPARE(testsupport::ReadFile(m_diary), original);
        // The diary as it was before the restore was kept as a backup first.
        bool kept = false;
        const QDir backups(m_dir.filePath(QStringLiteral("Backups")));
        for (const QString &name : backups.entryList(QDir::Files))
            kept = kept || testsupport::ReadFile(backups.filePath(name)) == imported;
        QVERIFY(kept);

        // A damaged diary: check names the newest backup that passes its check, the kept one.
        QVERIFY(testsupport::WriteFile(m_diary, "x"));
        const Run check = RunCli({"check", "--diary", m_diary});
        QVERIFY2(check.exitCode == 1 &&
                     check.err.contains(QLatin1String("newest sound backup is the backup of ")) &&
                     check.err.contains(QLatin1String(" with 2 days:\n") + backups.path()),
                 qPrintable(check.err));
    }
    // Records of a name given in other case and spacing; an equal later lift keeps the first date.
    void recordsTable()
    {
        QVERIFY(testsupport::WriteDiary(m_diary,
                                        QStringLiteral("1.3.2025 Push[Bench_press 3x5 100]; "
                                                       "8.3.2025 Push[Bench_press 3x5 100]; "
                                                       "10.3.2025 Push[Bench_press 3x1 120]")));

        const Run run = RunCli({"records", " BENCH press ", "--diary", m_diary});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
                 QStringLiteral("Bench press\n"
                                "  Heaviest, 1 rep              120 kg x 1  2025-03-10\n"
                                "  Heaviest, 4\u20136 reps           100 kg x 5  2025-03-01\n"
                                "  Estimated 1RM       120 kg (120 kg x 1)  2025-03-10\n"
                                "  Highest day volume              1500 kg  2025-03-01\n"));
        QCOMPARE(RunCli({"records", "Squat", "--diary", m_diary}).exitCode, 1);
        QVERIFY(RunCli({"records", "--unit", "lb", "--diary", m_diary})
                    .out.simplified()
                    .contains("Estimated 1RM 264.6 lb (264.6 lb x 1)"));
    }

private:
    static QString Data(const QString &name) { return testsupport::dataFile("exchange/" + name); }
    QTemporaryDir m_dir;
    QString m_diary;
};

REPBOOK_TEST_MAIN_CORE(TestCli)
#include "tst_cli.moc"
