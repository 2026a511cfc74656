#include "DayFixtures.h"
#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "editing/CDayPrinter.h"
#include "model/IProgramApplyTarget.h"
#include "model/ProgramApplier.h"
#include "widgets/MessageBox.h"

#include <QMap>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

using namespace dayfixtures;

namespace {

// April 2026: the 1st is a Wednesday, the 12th a Sunday. Row 1 of the calendar starts on
// Monday 30 March.
const DateValue RangeStart = DateValue::FromDate(2026, 4, 1);
constexpr int RangeDays = 11; // Wednesday 1 .. Sunday 12
constexpr int RangeCells = 14; // two week rows

// The calendar of the main window as the walk sees it: week rows from the Monday on or before
// the start, cells referring to the diary's days of their dates.
class FakeCalendar : public IProgramApplyTarget
{
public:
    FakeCalendar(DiaryDatabase &diary, const DateValue &start)
        : m_firstShown(start - start.GetDayOfWeekIndex())
    {
        for (int i = 0; i < diary.GetDayCount(); ++i)
            m_cells.insert(diary.GetDay(i)->GetDate().DayKey(), diary.GetDay(i));
    }

    DateValue DateAt(int row, int col) const { return m_firstShown + ((row - 1) * 7 + col - 1); }

    bool CellHoldsDay(int row, int col) const override
    {
        return m_cells.contains(DateAt(row, col).DayKey());
    }
    void AttachDay(int row, int col, TrainingDay *day) override
    {
        if (day->GetDate() != DateAt(row, col))
            misplaced.append(QStringLiteral("%1,%2").arg(row).arg(col));
        m_cells.insert(DateAt(row, col).DayKey(), day);
        attached.append(day->GetDate().GetDay());
    }

    QList<int> attached; // days of the month, in the order they arrived
    QStringList misplaced;

private:
    DateValue m_firstShown;
    QMap<qint64, TrainingDay *> m_cells;
};

// "day of the month:workout" for every diary day, ordered by date.
QStringList AprilDays(DiaryDatabase &diary)
{
    QMap<qint64, QString> byDate;
    for (int i = 0; i < diary.GetDayCount(); ++i) {
        const TrainingDay *day = diary.GetDay(i);
        const QString workout = day->IsEmpty() ? QString() : day->GetWorkout(0)->GetName();
        byDate.insert(day->GetDate().DayKey(),
                      QString::number(day->GetDate().GetDay()) + u':' + workout);
    }
    return byDate.values();
}

} // namespace

// What the main window does with days: applies a program over a range of the calendar, prints
// and previews days, and tells the user when there is nothing to print, the dialog is cancelled
// or the file cannot be written.
class TestApplyProgram : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(); }
    void cleanup()
    {
        CDayPrinter::SetDialogRunner(nullptr);
        REPBOOK_END_GUI_CASE();
    }

    void walk_data();
    void walk();

    void printAndPreview_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("withDay");
        QTest::addColumn<int>("answer"); // of the print dialog
        QTest::addColumn<QString>("file"); // inside a temporary folder
        QTest::addColumn<bool>("done");
        QTest::addColumn<int>("told"); // the icon of the box shown, NoIcon for none
        const auto r = [](const char *name, bool preview, bool withDay, int answer,
                          const char *file, bool done, int told) {
            QTest::newRow(name) << preview << withDay << answer << QString(file) << done << told;
        };
        const int ok = QDialog::Accepted, none = QMessageBox::NoIcon;
        const int info = QMessageBox::Information;
        r("printed", false, true, ok, "log.pdf", true, none);
        r("cancelled", false, true, QDialog::Rejected, "log.pdf", false, none);
        r("nothing to print", false, false, ok, "log.pdf", false, info);
        r("the file cannot be written", false, true, ok, "missing/log.pdf", false,
          QMessageBox::Critical);
        r("preview", true, true, ok, "", true, none);
        r("nothing to preview", true, false, ok, "", false, info);
    }

    void printAndPreview()
    {
        QFETCH(bool, preview);
        QFETCH(bool, withDay);
        QFETCH(int, answer);
        QFETCH(QString, file);
        QFETCH(bool, done);
        QFETCH(int, told);

        const auto day = dayfixtures::BuildDay(QStringLiteral("5.3.2007 W[Bench 3x10 60]"));
        const QList<const TrainingDay *> days {withDay ? day.get() : nullptr};
        QStringList opened;
        int previewPages = 0;
        CDayPrinter::SetDialogRunner([&](QDialog &dialog) {
            opened.append(QLatin1String(dialog.metaObject()->className()));
            if (auto *pages = dialog.findChild<QPrintPreviewWidget *>()) {
                pages->updatePreview();
                previewPages = pages->pageCount();
            }
            return answer;
        });
        QTemporaryDir folder;
        CDayPrinter printer(nullptr);
        printer.Printer()->setOutputFormat(QPrinter::PdfFormat);
        const QString path = folder.filePath(file);
        printer.Printer()->setOutputFileName(path);
        if (told != QMessageBox::NoIcon)
            MessageBox::setNextAnswers({QMessageBox::Ok});

        QCOMPARE(preview ? printer.Preview(days) : printer.Print(days), done);
        const QList<MessageBox::Shown> boxes = MessageBox::takeShown();
        QCOMPARE(boxes.isEmpty() ? int(QMessageBox::NoIcon) : int(boxes.first().icon), told);
        const QString dialogClass = QLatin1String(preview ? "QPrintPreviewDialog" : "QPrintDialog");
        QCOMPARE(opened, withDay ? QStringList {dialogClass} : QStringList());
        QCOMPARE(previewPages, preview && withDay ? 1 : 0);
        if (!preview)
            QCOMPARE(QFileInfo(path).size() > 0, done);
    }
};

void TestApplyProgram::walk_data()
{
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QList<int>>("weekdays"); // Monday 0 .. Sunday 6
    QTest::addColumn<QList<int>>("existing"); // April days that hold "Old" before
    // Escape arrives while the diary holds this many days, with a pause shown on each; 0: never
    QTest::addColumn<int>("escapeAt");
    QTest::addColumn<QStringList>("expected");

    const QStringList ab = {"A", "B"};
    const QList<int> mwf = {0, 2, 4}, every = {0, 1, 2, 3, 4, 5, 6}, none;
    QTest::newRow("A, B on Mon/Wed/Fri")
        << ab << mwf << none << 0 << QStringList {"1:A", "3:B", "6:A", "8:B", "10:A"};
    QTest::newRow("Wednesday 8 holds a day")
        << ab << mwf << QList<int> {8} << 0 << QStringList {"1:A", "3:B", "6:A", "8:Old", "10:B"};
    QTest::newRow("a rest day uses up a date")
        << QStringList {"A", "-", "B"} << mwf << none << 0 << QStringList {"1:A", "6:B", "8:A"};
    QTest::newRow("only rest days") << QStringList {"-", "-"} << mwf << none << 0 << QStringList {};
    QTest::newRow("no weekday ticked") << ab << none << none << 0 << QStringList {};
    QTest::newRow("every day, the program cycles")
        << QStringList {"A", "B", "C"} << every << QList<int> {2, 3} << 0
        << QStringList {"1:A", "2:Old", "3:Old", "4:B",  "5:C",  "6:A",
                        "7:B", "8:C",   "9:A",   "10:B", "11:C", "12:A"};
    QTest::newRow("weekend only") << QStringList {"A"} << QList<int> {5, 6} << none << 0
                                  << QStringList {"4:A", "5:A", "11:A", "12:A"};
    QTest::newRow("Escape ends the walk after the current day")
        << ab << every << none << 2 << QStringList {"1:A", "2:B"};
    QTest::newRow("a program without days ends at once")
        << QStringList {} << every << none << 0 << QStringList {};
}

void TestApplyProgram::walk()
{
    QFETCH(QStringList, program);
    QFETCH(QList<int>, weekdays);
    QFETCH(QList<int>, existing);
    QFETCH(int, escapeAt);
    QFETCH(QStringList, expected);

    DiaryDatabase diary;
    for (const int day : existing)
        QVERIFY(BuildDiary(diary, QStringLiteral("%1.4.2026 Old").arg(day)));
    diary.SetModified(false);
    const auto prog = MakeProgram(program);
    FakeCalendar calendar(diary, RangeStart);

    int visited = 0;
    bool stop = false; // set again by the applier when it is done
    ProgramApplier applier(*prog, diary, calendar);
    applier.SetRange(RangeStart, RangeDays);
    applier.SetDayFilter(
        [&weekdays](const DateValue &date) { return weekdays.contains(date.GetDayOfWeekIndex()); });
    applier.SetStopFlag(&stop);
    applier.SetDelay(escapeAt > 0);
    applier.SetProcessEvents([&] {
        ++visited;
        if (escapeAt > 0 && diary.GetDayCount() == escapeAt)
            stop = true;
    });

    const int written = applier.Apply();

    QCOMPARE(AprilDays(diary), expected);
    QCOMPARE(written, expected.size() - existing.size());
    QCOMPARE(diary.GetDayCount(), expected.size());
    QCOMPARE(diary.IsModified(), written > 0);
    QCOMPARE(calendar.misplaced, QStringList());
    QCOMPARE(calendar.attached.size(), written);
    QVERIFY(std::is_sorted(calendar.attached.cbegin(), calendar.attached.cend()));
    // The whole range is walked, whether or not anything is applied; a program without days
    // ends at once. (A pause answers events too: a walk with pauses is not counted.)
    if (escapeAt == 0)
        QCOMPARE(visited, program.isEmpty() ? 0 : RangeCells);
    QVERIFY(stop);
}

REPBOOK_TEST_MAIN(TestApplyProgram)
#include "tst_applyprogram.moc"
