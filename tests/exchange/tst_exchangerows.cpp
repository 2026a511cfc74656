// What the diary's own CSV and JSON readers take, skip with a reason, or refuse as a whole; why
// an export could not be written.

#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "exchange/DiaryExport.h"
#include "exchange/ImportSource.h"
#include "model/DiaryDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <tuple>

class TestExchangeRows : public QObject
{
    Q_OBJECT

private slots:
    // The diary's own files. CSV rows the reader takes: days, workouts and exercises with every
    // field; a row with one field the reader cannot take is skipped, with the reason. JSON files
    // read, or refused as a whole.
    void ownFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("skipped"); // line: reason
        QTest::addColumn<QString>("error"); // empty: read
        // Rows below the header, one per line.
        const auto csv = [](const char *name, const QString &rows, const char *days,
                            const QString &skipped = QString()) {
            const QString header = "Date,Day notes,Workout no.,Workout name,Workout status,"
                                   "Exercise no.,Exercise name,Sets,Reps,Forced,Negative,"
                                   "Weight (kg),Exercise notes,Exercise status\n";
            QTest::newRow(name) << header + rows + u'\n' << QString::fromUtf8(days) << skipped
                                << QString();
        };
        csv("a day, a workout, two exercises",
            "2025-03-05,felt strong,1,Push,Done,1,Bench,3,10,1,2,60,slow,Done\n"
            "2025-03-05,felt strong,1,Push,Done,2,Fly,2,12,0,0,0,,Failed",
            "5.3.2025 \"felt strong\" Push:done[Bench 3x10+1-2 60 \"slow\", Fly 2x12 failed]");
        csv("a workout without exercises, a day without workouts",
            "2025-03-05,,1,Rest,,,,,,,,,,\n2025-03-06,sick,,,,,,,,,,,,",
            "5.3.2025 Rest; 6.3.2025 \"sick\"");
        csv("an exercise's position again: another day",
            "2025-03-05,,1,Push,,1,Bench,3,10,0,0,60,,\n2025-03-05,,1,Push,,1,Dips,1,8,0,0,0,,",
            "5.3.2025 Push[Bench 3x10 60 notyet]; 5.3.2025 Push[Dips 1x8]");
        const auto skipped = [&csv](const char *name, int field, const char *value,
                                    const char *reason) {
            QStringList fields = QString("2025-03-05,,1,Push,,1,Bench,3,10,0,0,60,,").split(u',');
            fields[field] = QString::fromUtf8(value);
            csv(name, fields.join(u','), "", "2: " + QString(reason));
        };
        const char *positions = "positions of workout and exercise must count from 1";
        skipped("date", 0, "yesterday", "unreadable date \"yesterday\"");
        skipped("workout 0", 2, "0", positions);
        skipped("workout x", 2, "x", "Workout no. is not a whole number");
        skipped("exercise x", 5, "x", "Exercise no. is not a whole number");
        skipped("an exercise without a workout", 2, "", positions);
        skipped("exercise 0", 5, "0", positions);
        skipped("workout status", 4, "maybe", "unknown workout status \"maybe\"");
        skipped("exercise status", 13, "soon", "unknown exercise status \"soon\"");
        skipped("weight", 11, "heavy", "unreadable weight \"heavy\"");
        skipped("too heavy", 11, "5000", "weight outside 0..500 kg");
        skipped("sets", 7, "0", "sets outside 1..20");
        skipped("reps", 8, "201", "reps outside 0..200");
        skipped("forced", 9, "-1", "forced reps outside 0..200");
        skipped("negative", 10, "999", "negative reps outside 0..200");
        const auto file = [](const char *head, const QString &days) {
            return QStringLiteral(R"({"format":"repbook-diary",%1"days":[%2]})")
                .arg(QString::fromUtf8(head), days);
        };
        const auto json = [](const char *name, const QString &text, const char *days,
                             const char *error = "") {
            QTest::newRow(name) << text << QString(days) << QString() << QString(error);
        };
        json("pounds",
             file(R"("version":2,"weightUnit":"lb",)",
                  R"({"date":"2025-03-05","notes":"n","workouts":[{"name":"W","status":"Done",)"
                  R"("exercises":[{"name":"Row","sets":3,"reps":8,"weight":100,"status":2}]}]})"),
             "5.3.2025 \"n\" W:done[Row 3x8 45.36 failed]");
        json("no diary export", R"({"format":"other","days":[]})", "",
             "Line 1: this JSON file is no Repbook diary export.");
        json("days not a list", R"({"format":"repbook-diary","days":{}})", "",
             "Line 1: this JSON file is no Repbook diary export.");
        json("a newer version", file(R"("version":3,)", ""), "",
             "Line 1: the file was written by a newer Repbook (version 3).");
        json("the last known version", file(R"("version":2,)", R"({"date":"2025-03-05"})"),
             "5.3.2025");
        json("an unknown unit", file(R"("version":2,"weightUnit":"stone",)", ""), "",
             "Line 1: unknown weight unit \"stone\".");
        json("an unreadable date", file("", R"({"date":"2025-03-05"},{"date":"yesterday"})"), "",
             "Day 2 of the file: unreadable date");
        // A day whose one exercise has the given fields besides its name.
        const auto exercise = [&file](const char *fields) {
            return file("",
                        QStringLiteral(R"({"date":"2025-03-05","workouts":[{"name":"W",)"
                                       R"("exercises":[{"name":"Row",%1}]}]})")
                            .arg(QString::fromUtf8(fields)));
        };
        json("a workout's unknown status",
             file("", R"({"date":"2025-03-05","workouts":[{"name":"W","status":"maybe"}]})"), "",
             "Day 1 of the file: unknown status \"maybe\"");
        json("an exercise's unknown status", exercise(R"("status":"soon")"), "",
             "Day 1 of the file: unknown status \"soon\"");
        json("reps out of range", exercise(R"("reps":300)"), "",
             "Day 1 of the file: reps outside 0..200");
        json("negative weight", exercise(R"("weight":-1)"), "",
             "Day 1 of the file: weight outside 0..500 kg");
    }

    void ownFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, days);
        QFETCH(QString, skipped);
        QFETCH(QString, error);
        ImportedData data;
        QString message;
        QCOMPARE(ImportSource::ReadData(file.toUtf8(), ImportSource::Format::Auto, data, message),
                 error.isEmpty());
        QVERIFY2(message.contains(error), qPrintable(message));
        if (!error.isEmpty())
            return;
        QCOMPARE(testsupport::DescribeDiary(*data.days), days);
        QStringList reasons;
        for (const auto &row : data.skipped)
            reasons.append(QStringLiteral("%1: %2").arg(row.line).arg(row.reason));
        QCOMPARE(reasons.join(u'\n'), skipped);
    }

    // An export that cannot be written says why, and names the file.
    void exportFailures_data()
    {
        QTest::addColumn<QString>("path"); // in a temporary folder unless absolute
        QTest::addColumn<QString>("cause"); // empty: written
        for (const auto &[name, path, cause] :
             {std::tuple {"written", "diary.csv", ""},
              {"a folder", ".", "It is a folder."},
              {"a missing folder", "missing/diary.csv", "does not exist."},
              {"a folder of the system", "/proc/diary.csv", "takes no new files."}})
            QTest::newRow(name) << QString(path) << QString(cause);
    }

    void exportFailures()
    {
        QFETCH(QString, path);
        QFETCH(QString, cause);
        QTemporaryDir folder;
        const QString target = QDir::isAbsolutePath(path) ? path : folder.filePath(path);
        QString error;
        QCOMPARE(DiaryExport::WriteFile(target, "Date\n", error), cause.isEmpty());
        if (cause.isEmpty())
            QCOMPARE(QFileInfo(target).size(), 5);
        else
            QVERIFY2(error.contains(cause) && error.contains(QDir::toNativeSeparators(target)),
                     qPrintable(error));
    }
};

REPBOOK_TEST_MAIN_CORE(TestExchangeRows)

#include "tst_exchangerows.moc"
