#include "DayFixtures.h"
#include "common/TestMain.h"
#include "editing/ApplyProgramFlow.h"
#include "editing/CApplyProgramDlg.h"
#include "editing/IProgramApplyTarget.h"
#include "editing/ProgramApplier.h"
#include "model/DataFolder.h"
#include "model/TrainingProgram.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

using namespace dayfixtures;

namespace {

// April 2026: the 1st is a Wednesday, the 12th a Sunday. Row 1 of the calendar starts on
// Monday 30 March.
const DateValue RangeStart = DateValue::FromDate(2026, 4, 1);
constexpr int RangeDays = 11; // Wednesday 1 .. Sunday 12
constexpr int RangeCells = 14; // two week rows

DateValue April(int day)
{
    return DateValue::FromDate(2026, 4, day);
}

// The calendar of the main window as the walk sees it: week rows from the Monday on or before
// the start, cells referring to the diary's days of their dates.
class FakeCalendar : public IProgramApplyTarget
{
public:
    FakeCalendar(DiaryDatabase &diary, const DateValue &start)
        : m_firstShown(start - start.GetDayOfWeekIndex())
    {
        for (int i = 0; i < diary.GetDayCount(); ++i)
            m_cells.insert(KeyOf(diary.GetDay(i)->GetDate()), diary.GetDay(i));
    }

    DateValue DateAt(int row, int col) const { return m_firstShown + ((row - 1) * 7 + col - 1); }

    bool CellHoldsDay(int row, int col) const override
    {
        return m_cells.contains(KeyOf(DateAt(row, col)));
    }
    void AttachDay(int row, int col, TrainingDay *day) override
    {
        if (day->GetDate() != DateAt(row, col))
            misplaced.append(QStringLiteral("%1,%2").arg(row).arg(col));
        m_cells.insert(KeyOf(DateAt(row, col)), day);
        attached.append(day->GetDate().GetDay());
    }

    QList<int> attached; // days of the month, in the order they arrived
    QStringList misplaced;

private:
    static qint64 KeyOf(const DateValue &date) { return date.DayKey(); }

    DateValue m_firstShown;
    QMap<qint64, TrainingDay *> m_cells;
};

// A program from a list of workout names, one per program day; "-" is a rest day.
std::unique_ptr<TrainingProgram> MakeProgram(const QStringList &days)
{
    auto program = std::make_unique<TrainingProgram>();
    for (const QString &name : days) {
        auto day = std::make_unique<TrainingDay>();
        if (name != QLatin1String("-"))
            day->AddWorkout(MakeWorkout(name, Named(name, 1)));
        program->AddDay(std::move(day));
    }
    return program;
}

// "day:workout" for every diary day of April, ordered by date.
QStringList AprilDays(DiaryDatabase &diary)
{
    QMap<int, QString> byDay;
    for (int i = 0; i < diary.GetDayCount(); ++i) {
        const TrainingDay *day = diary.GetDay(i);
        const QString workout = day->IsEmpty() ? QString() : day->GetWorkout(0)->GetName();
        if (day->GetDate().GetMonth() == 4)
            byDay.insert(day->GetDate().GetDay(), workout);
        else
            byDay.insert(-day->GetDate().GetDay(), workout); // March would show as negative
    }
    QStringList result;
    for (auto it = byDay.cbegin(); it != byDay.cend(); ++it)
        result.append(QStringLiteral("%1:%2").arg(it.key()).arg(it.value()));
    return result;
}

} // namespace

class TestApplyProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void walk_data();
    void walk();
    void copiesFollowTheCopyRules();
    void stopFlagEndsAfterTheCurrentDay();
    void delayKeepsTheWindowAnswering();
    void invalidRangeAppliesNothing();

    void weekdayBoxes();
    void flow_data();
    void flow();
};

void TestApplyProgram::initTestCase()
{
    MessageBox::setTestMode(true);
    FileDialog::setTestMode(true);
}

void TestApplyProgram::cleanup()
{
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    QCOMPARE(FileDialog::takeUnexpected(), QStringList());
}

void TestApplyProgram::walk_data()
{
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QList<int>>("weekdays"); // Monday 0 .. Sunday 6
    QTest::addColumn<QList<int>>("existing"); // April days that hold "Old" before
    QTest::addColumn<QStringList>("expected");

    const QList<int> mwf = {0, 2, 4};
    QTest::newRow("A, B on Mon/Wed/Fri") << QStringList {"A", "B"} << mwf << QList<int> {}
                                         << QStringList {"1:A", "3:B", "6:A", "8:B", "10:A"};
    QTest::newRow("Wednesday 8 holds a day") << QStringList {"A", "B"} << mwf << QList<int> {8}
                                             << QStringList {"1:A", "3:B", "6:A", "8:Old", "10:B"};
    QTest::newRow("a rest day uses up a date")
        << QStringList {"A", "-", "B"} << mwf << QList<int> {} << QStringList {"1:A", "6:B", "8:A"};
    QTest::newRow("only rest days")
        << QStringList {"-", "-"} << mwf << QList<int> {} << QStringList {};
    QTest::newRow("no weekday ticked")
        << QStringList {"A", "B"} << QList<int> {} << QList<int> {} << QStringList {};
    QTest::newRow("every day, the program cycles")
        << QStringList {"A", "B", "C"} << QList<int> {0, 1, 2, 3, 4, 5, 6} << QList<int> {2, 3}
        << QStringList {"1:A", "2:Old", "3:Old", "4:B",  "5:C",  "6:A",
                        "7:B", "8:C",   "9:A",   "10:B", "11:C", "12:A"};
    QTest::newRow("weekend only") << QStringList {"A"} << QList<int> {5, 6} << QList<int> {}
                                  << QStringList {"4:A", "5:A", "11:A", "12:A"};
}

void TestApplyProgram::walk()
{
    QFETCH(QStringList, program);
    QFETCH(QList<int>, weekdays);
    QFETCH(QList<int>, existing);
    QFETCH(QStringList, expected);

    DiaryDatabase diary;
    for (const int day : existing) {
        auto old = std::make_unique<TrainingDay>();
        old->SetDate(April(day));
        old->AddWorkout(MakeWorkout(QStringLiteral("Old")));
        diary.AddDay(std::move(old));
    }
    diary.SetModified(false);
    const auto prog = MakeProgram(program);
    FakeCalendar calendar(diary, RangeStart);

    int cellsVisited = 0;
    bool stop = true;
    ProgramApplier applier(*prog, diary, calendar);
    applier.SetRange(RangeStart, RangeDays);
    applier.SetDayFilter(
        [&weekdays](const DateValue &date) { return weekdays.contains(date.GetDayOfWeekIndex()); });
    applier.SetStopFlag(&stop);
    applier.SetProcessEvents([&cellsVisited] { ++cellsVisited; });

    const int written = applier.Apply();

    QCOMPARE(AprilDays(diary), expected);
    QCOMPARE(written, expected.size() - existing.size());
    QCOMPARE(diary.GetDayCount(), expected.size());
    QCOMPARE(diary.IsModified(), written > 0);
    QCOMPARE(calendar.misplaced, QStringList());
    QCOMPARE(calendar.attached.size(), written);
    QVERIFY(std::is_sorted(calendar.attached.cbegin(), calendar.attached.cend()));
    // The whole range is walked, whether or not anything is applied.
    QCOMPARE(cellsVisited, RangeCells);
    QVERIFY(stop);
}

void TestApplyProgram::copiesFollowTheCopyRules()
{
    TrainingProgram program;
    auto programDay = std::make_unique<TrainingDay>();
    programDay->SetNotes(QStringLiteral("Heavy day\nwarm up well"));
    programDay->AddWorkout(
        MakeWorkout(QStringLiteral("Legs"),
                    {{QStringLiteral("Squat"), ProgressStatus::Failed, 5, 5, 100},
                     {QStringLiteral("Lunge"), ProgressStatus::Done, 3, 12, 0}},
                    ProgressStatus::Done));
    program.AddDay(std::move(programDay));

    DiaryDatabase diary;
    FakeCalendar calendar(diary, RangeStart);
    ProgramApplier applier(program, diary, calendar);
    applier.SetRange(RangeStart, 0); // Wednesday 1 only
    QCOMPARE(applier.Apply(), 1);

    QCOMPARE(diary.GetDayCount(), 1);
    const TrainingDay *day = diary.GetDay(0);
    QCOMPARE(day->GetDate(), April(1));
    QCOMPARE(day->GetNotes(), QStringLiteral("Heavy day\nwarm up well"));
    const Workout *workout = day->GetWorkout(0);
    QCOMPARE(workout->GetName(), QStringLiteral("Legs"));
    QCOMPARE(workout->GetStatus(), ProgressStatus::NotYet);
    QCOMPARE(ExerciseNames(*workout), (QStringList {"Squat", "Lunge"}));
    // A weight above 0 arrives Done; the other exercise starts Not yet.
    QCOMPARE(workout->GetExercise(0)->GetStatus(), ProgressStatus::Done);
    QCOMPARE(workout->GetExercise(0)->GetWeight(), 100.0f);
    QCOMPARE(workout->GetExercise(0)->GetReps(), 5);
    QCOMPARE(workout->GetExercise(1)->GetStatus(), ProgressStatus::NotYet);
    QCOMPARE(workout->GetExercise(1)->GetReps(), 12);
    // The program keeps its own day.
    QCOMPARE(program.GetDay(0)->GetDate(), DateValue());
}

void TestApplyProgram::stopFlagEndsAfterTheCurrentDay()
{
    const auto program = MakeProgram({"A", "B"});
    DiaryDatabase diary;
    FakeCalendar calendar(diary, RangeStart);
    bool stop = false;
    ProgramApplier applier(*program, diary, calendar);
    applier.SetRange(RangeStart, RangeDays);
    applier.SetDelay(true);
    applier.SetStopFlag(&stop);
    // Escape arrives while the second day is shown.
    applier.SetProcessEvents([&] {
        if (diary.GetDayCount() == 2)
            stop = true;
    });

    QCOMPARE(applier.Apply(), 2);
    QCOMPARE(AprilDays(diary), (QStringList {"1:A", "2:B"}));
    QVERIFY(stop);
}

void TestApplyProgram::delayKeepsTheWindowAnswering()
{
    const auto program = MakeProgram({"A"});
    for (const bool delay : {false, true}) {
        DiaryDatabase diary;
        FakeCalendar calendar(diary, RangeStart);
        int calls = 0;
        ProgramApplier applier(*program, diary, calendar);
        applier.SetRange(RangeStart, 1); // two days
        applier.SetDelay(delay);
        applier.SetProcessEvents([&calls] { ++calls; });
        QCOMPARE(applier.Apply(), 2);
        // Without the delay events are processed once per cell; the pauses process them too.
        if (delay)
            QVERIFY2(calls > 7 + 2, qPrintable(QString::number(calls)));
        else
            QCOMPARE(calls, 7);
    }
}

void TestApplyProgram::invalidRangeAppliesNothing()
{
    const auto program = MakeProgram({"A"});
    DiaryDatabase diary;
    FakeCalendar calendar(diary, RangeStart);
    ProgramApplier applier(*program, diary, calendar);
    applier.SetRange(DateValue::MakeInvalid(), 10);
    QCOMPARE(applier.Apply(), 0);
    applier.SetRange(RangeStart, -1);
    QCOMPARE(applier.Apply(), 0);
    // A range reaching past the last calendar year ends without walking forever.
    applier.SetRange(DateValue::FromDate(9999, 12, 27), 30);
    QCOMPARE(applier.Apply(), 0);
    QCOMPARE(diary.GetDayCount(), 0);
}

void TestApplyProgram::weekdayBoxes()
{
    {
        CApplyProgramDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Apply program"));
        QList<bool> ticked;
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(dialog.WeekdayBox(i)->text(), CApplyProgramDlg::WeekdayName(i));
            ticked.append(dialog.WeekdayBox(i)->isChecked());
        }
        QCOMPARE(ticked, (QList<bool> {true, false, true, false, true, false, false}));
        QVERIFY(dialog.IsDayChosen(April(6))); // Monday
        QVERIFY(!dialog.IsDayChosen(April(7))); // Tuesday
        QVERIFY(!dialog.IsDayChosen(DateValue::MakeInvalid()));
        QVERIFY(!dialog.IsDayChosen(DateValue::MakeNull()));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.WeekdayBox(0), Qt::Key_Space);
        QTest::keyClick(dialog.WeekdayBox(6), Qt::Key_Space);
        QVERIFY(!dialog.IsDayChosen(April(6)));
        QVERIFY(dialog.IsDayChosen(April(12))); // Sunday
    }
    // The choice is not remembered.
    CApplyProgramDlg again;
    QVERIFY(again.IsDayChosen(April(6)));
    QVERIFY(!again.IsDayChosen(April(12)));
}

void TestApplyProgram::flow_data()
{
    QTest::addColumn<bool>("askForFile"); // no file name handed over
    QTest::addColumn<QString>("file"); // "good", "damaged" or "" (file dialog cancelled)
    QTest::addColumn<bool>("confirmWeekdays");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("expected");

    const QStringList applied = {"1:A", "3:B", "6:A", "8:B", "10:A"};
    QTest::newRow("file handed over") << false << "good" << true << 5 << applied;
    QTest::newRow("file chosen") << true << "good" << true << 5 << applied;
    QTest::newRow("file dialog cancelled") << true << "" << false << -1 << QStringList {};
    QTest::newRow("weekdays cancelled") << false << "good" << false << -1 << QStringList {};
    QTest::newRow("damaged file: nothing, no message")
        << false << "damaged" << true << 0 << QStringList {};
}

void TestApplyProgram::flow()
{
    QFETCH(bool, askForFile);
    QFETCH(QString, file);
    QFETCH(bool, confirmWeekdays);
    QFETCH(int, result);
    QFETCH(QStringList, expected);

    QTemporaryDir folder;
    QString path;
    if (!file.isEmpty()) {
        path = folder.filePath(QStringLiteral("program.rpp"));
        const auto program = MakeProgram({"A", "B"});
        program->SetPath(path);
        QVERIFY(program->Save());
        if (file == QLatin1String("damaged")) {
            QFile bytes(path);
            QVERIFY(bytes.open(QIODevice::Append));
            bytes.write("extra\r\n");
        }
    }
    if (askForFile)
        FileDialog::setNextFileNames({path});

    QWidget window;
    ModalDriver driver(&window);
    if (confirmWeekdays || file == QLatin1String("good")) {
        driver.Then([confirmWeekdays](QWidget *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Apply program"));
            const char *button = confirmWeekdays ? "okButton" : "cancelButton";
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(QLatin1String(button)),
                              Qt::LeftButton);
        });
    }

    DiaryDatabase diary;
    FakeCalendar calendar(diary, RangeStart);
    bool stop = true;
    ApplyProgramFlow::Request request;
    request.fileName = askForFile ? QString() : path;
    request.start = RangeStart;
    request.days = RangeDays;
    const int written = ApplyProgramFlow::Run(&window, request, diary, calendar, stop, [] {});

    QCOMPARE(written, result);
    QCOMPARE(AprilDays(diary), expected);
    QCOMPARE(driver.Unexpected(), QStringList());
    QCOMPARE(driver.Pending(), 0);
    QCOMPARE(MessageBox::takeShown().size(), 0);
}

REPBOOK_TEST_MAIN(TestApplyProgram)
#include "tst_applyprogram.moc"
