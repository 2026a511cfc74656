#include "DayFixtures.h"
#include "common/TestMain.h"
#include "editing/DayCellSpeech.h"

using namespace dayfixtures;

// What a calendar or program day cell says: the date, each workout with its status, the note.
class TestDayCellSpeech : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
};

void TestDayCellSpeech::names_data()
{
    // Workouts as "name=status" with 0 Not yet, 1 Done, 2 Failed; "-" for a cell without a day.
    QTest::addColumn<QStringList>("workouts");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<QString>("name");

    const QDate monday(2026, 12, 7);
    QTest::newRow("today, every status, note")
        << QStringList {QStringLiteral("Chest=1"), QStringLiteral("Back=0"),
                        QStringLiteral("Legs=2")}
        << QStringLiteral("felt strong") << monday << true
        << QStringLiteral("Monday 7 December 2026, today: Chest, Done; Back, Not yet; Legs, "
                          "Failed; has a note");
    QTest::newRow("empty day") << QStringList() << QString() << monday.addDays(1) << true
                               << QStringLiteral("Tuesday 8 December 2026: no workouts");
    QTest::newRow("no day") << QStringList {QStringLiteral("-")} << QString() << monday.addDays(1)
                            << true << QStringLiteral("Tuesday 8 December 2026: no workouts");
    QTest::newRow("note, no workouts")
        << QStringList() << QStringLiteral("rest") << monday.addDays(-3) << true
        << QStringLiteral("Friday 4 December 2026: no workouts; has a note");
    QTest::newRow("blank note") << QStringList {QStringLiteral("Run=1")} << QStringLiteral("  \n")
                                << monday.addDays(24) << true
                                << QStringLiteral("Thursday 31 December 2026: Run, Done");
    QTest::newRow("outside the range")
        << QStringList {QStringLiteral("-")} << QString() << monday.addDays(-1) << false
        << QStringLiteral("Sunday 6 December 2026, outside the range");
    QTest::newRow("today outside the range")
        << QStringList {QStringLiteral("-")} << QString() << monday << false
        << QStringLiteral("Monday 7 December 2026, today, outside the range");
    // Program days show their workouts as not yet done, whatever they keep.
    QTest::newRow("program day") << QStringList {QStringLiteral("Push=1"), QStringLiteral("Pull=2")}
                                 << QStringLiteral("deload") << QDate() << true
                                 << QStringLiteral(
                                        "Day 2: Push, Not yet; Pull, Not yet; has a note");
    QTest::newRow("empty program day")
        << QStringList() << QString() << QDate() << true << QStringLiteral("Day 2: no workouts");
}

void TestDayCellSpeech::names()
{
    QFETCH(QStringList, workouts);
    QFETCH(QString, note);
    QFETCH(QDate, date);
    QFETCH(bool, inRange);
    QFETCH(QString, name);

    TrainingDay day;
    day.SetNotes(note);
    for (const QString &workout : workouts) {
        if (workout != QStringLiteral("-"))
            day.AddWorkout(BuildWorkout(QString(workout).replace(u'=', QStringLiteral(":s"))));
    }
    const TrainingDay *shown = workouts.contains(QStringLiteral("-")) ? nullptr : &day;
    if (date.isValid())
        QCOMPARE(DayCellSpeech::CalendarName(date, QDate(2026, 12, 7), inRange, shown), name);
    else
        QCOMPARE(DayCellSpeech::ProgramName(QStringLiteral("Day 2"), shown), name);
    QCOMPARE(DayCellSpeech::Description(shown), note.trimmed().isEmpty() ? QString() : note);
}

REPBOOK_TEST_MAIN(TestDayCellSpeech)
#include "tst_daycellspeech.moc"
