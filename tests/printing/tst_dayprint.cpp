#include "common/TestMain.h"
#include "model/TrainingDay.h"
#include "printing/DayPrintDocument.h"
#include "printing/PrintDays.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

struct ExerciseSpec
{
    QString name;
    int sets;
    int reps;
    float weight;
    QString note;
    ProgressStatus status;
};

std::unique_ptr<Workout> MakeWorkout(const QString &name, ProgressStatus status,
                                     const QList<ExerciseSpec> &exercises)
{
    auto workout = std::make_unique<Workout>();
    workout->SetName(name);
    for (const ExerciseSpec &wanted : exercises) {
        auto entry = std::make_unique<ExerciseEntry>();
        entry->SetName(wanted.name);
        entry->SetSets(wanted.sets);
        entry->SetReps(wanted.reps);
        entry->SetForced(1);
        entry->SetNegative(2);
        entry->SetWeight(wanted.weight);
        entry->SetNote(wanted.note);
        entry->SetStatus(wanted.status);
        workout->AddExercise(std::move(entry));
    }
    workout->SetStatus(status, false);
    return workout;
}

std::unique_ptr<TrainingDay> MakeDay(int year, int month, int day, const QString &notes)
{
    auto training = std::make_unique<TrainingDay>();
    training->SetDate(DateValue::FromDate(year, month, day));
    training->SetNotes(notes);
    return training;
}

// A day with one workout of the given number of exercises, named "<prefix> 1".."<prefix> n".
std::unique_ptr<TrainingDay> MakeLongDay(int day, int exercises, const QString &prefix)
{
    auto training = MakeDay(2007, 3, day, QString());
    QList<ExerciseSpec> specs;
    for (int i = 1; i <= exercises; ++i)
        specs.append({prefix + QLatin1Char(' ') + QString::number(i), 3, 10, 20, QString(),
                      ProgressStatus::NotYet});
    training->AddWorkout(MakeWorkout(prefix, ProgressStatus::NotYet, specs));
    return training;
}

// The two days of the selection the tests print.
struct TwoDays
{
    TwoDays()
    {
        first = MakeDay(2007, 3, 1, QStringLiteral("Felt strong.\nSleep 8 h."));
        first->AddWorkout(
            MakeWorkout(QStringLiteral("Chest day"), ProgressStatus::Done,
                        {{QStringLiteral("Bench press"), 5, 8, 82.5f,
                          QStringLiteral("last set hard"), ProgressStatus::Done},
                         {QStringLiteral("Dips"), 3, 12, 0, QString(), ProgressStatus::Failed}}));
        first->AddWorkout(MakeWorkout(QStringLiteral("Abs"), ProgressStatus::NotYet, {}));
        second = MakeDay(2007, 3, 2, QString());
        second->AddWorkout(
            MakeWorkout(QStringLiteral("Leg day"), ProgressStatus::Failed,
                        {{QStringLiteral("Squat"), 4, 6, 140, QString(), ProgressStatus::Failed}}));
    }
    QList<const TrainingDay *> Days() const { return {first.get(), second.get()}; }

    std::unique_ptr<TrainingDay> first;
    std::unique_ptr<TrainingDay> second;
};

// Pages of a PDF file, counted from its page objects.
int PdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    if (!data.startsWith("%PDF-"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(data).count(page));
}

// The text of a PDF file through pdftotext, or a null string when the tool is not installed.
QString PdfText(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::unique_ptr<QPrinter> PdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return printer;
}

} // namespace

class TestDayPrint : public QObject
{
    Q_OBJECT

private slots:
    void printedTexts_data();
    void printedTexts();
    void twoDaySelectionPrintsToPdf();
    void pdfHoldsTheLogAsText();
    void dayThatDoesNotFitStartsTheNextPage();
    void longDayRunsOverSeveralPages();
    void longNotesRunOverPages();
    void pageRangeOfThePrintDialog();
    void nothingToPrint();

private:
    QTemporaryDir m_dir;
};

void TestDayPrint::printedTexts_data()
{
    QTest::addColumn<float>("weight");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("weightText");
    QTest::addColumn<QString>("statusText");

    QTest::newRow("whole weight") << 80.0f << 1 << QStringLiteral("80") << QStringLiteral("Done");
    QTest::newRow("half kilogram")
        << 82.5f << 1 << QStringLiteral("82.5") << QStringLiteral("Done");
    QTest::newRow("small fraction")
        << 0.1f << 2 << QStringLiteral("0.1") << QStringLiteral("Failed");
    QTest::newRow("no weight") << 0.0f << 0 << QStringLiteral("0") << QStringLiteral("Not yet");
    QTest::newRow("unknown stored status")
        << 0.0f << 7 << QStringLiteral("0") << QStringLiteral("Not yet");
}

void TestDayPrint::printedTexts()
{
    QFETCH(float, weight);
    QFETCH(int, status);
    QFETCH(QString, weightText);
    QFETCH(QString, statusText);

    auto day = MakeDay(2007, 3, 1, QStringLiteral("Line one\nLine two"));
    day->AddWorkout(MakeWorkout(
        QStringLiteral("Push"), ProgressStatus(status),
        {{QStringLiteral("Press"), 5, 8, weight, QStringLiteral("easy"), ProgressStatus(status)}}));
    // A weight above 0 marks the entry Done; put the status under test back.
    day->GetWorkout(0)->GetExercise(0)->SetStatus(ProgressStatus(status));

    const DayPrintDocument document({day.get()});
    QCOMPARE(document.Days().size(), 1);
    const PrintedDay &printed = document.Days().first();
    QCOMPARE(printed.date, QStringLiteral("Thursday, 1 March 2007"));
    QCOMPARE(printed.notes, QStringLiteral("Line one\nLine two"));
    QCOMPARE(printed.workouts.size(), 1);
    QCOMPARE(printed.workouts.first().name, QStringLiteral("Push"));
    QCOMPARE(printed.workouts.first().status, statusText);
    const PrintedExercise &row = printed.workouts.first().exercises.first();
    QCOMPARE(row.name, QStringLiteral("Press"));
    QCOMPARE(row.sets, QStringLiteral("5"));
    QCOMPARE(row.reps, QStringLiteral("8"));
    QCOMPARE(row.forced, QStringLiteral("1"));
    QCOMPARE(row.negative, QStringLiteral("2"));
    QCOMPARE(row.weight, weightText);
    QCOMPARE(row.note, QStringLiteral("easy"));
    QCOMPARE(row.status, statusText);
}

void TestDayPrint::twoDaySelectionPrintsToPdf()
{
    const TwoDays days;
    const QString path = m_dir.filePath(QStringLiteral("two-days.pdf"));
    auto printer = PdfPrinter(path);
    QVERIFY(PrintDays(printer.get(), days.Days()));
    printer.reset(); // finishes the file

    QCOMPARE(PdfPageCount(path), 1);
    QPdfWriter writer(m_dir.filePath(QStringLiteral("layout.pdf")));
    DayPrintDocument document(days.Days());
    QVERIFY(document.Print(&writer));
    QCOMPARE(document.PageCount(), 1);
    QCOMPARE(document.FirstPageOf(0), 0);
    QCOMPARE(document.FirstPageOf(1), 0);
    QCOMPARE(document.Days().at(1).workouts.first().exercises.first().weight,
             QStringLiteral("140"));
}

void TestDayPrint::pdfHoldsTheLogAsText()
{
    const TwoDays days;
    const QString path = m_dir.filePath(QStringLiteral("text.pdf"));
    {
        auto printer = PdfPrinter(path);
        QVERIFY(PrintDays(printer.get(), days.Days()));
    }
    const QString text = PdfText(path);
    if (text.isNull())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QStringList expected = {QStringLiteral("Thursday, 1 March 2007"),
                                  QStringLiteral("Friday, 2 March 2007"),
                                  QStringLiteral("Chest day"),
                                  QStringLiteral("Bench press"),
                                  QStringLiteral("82.5"),
                                  QStringLiteral("last set hard"),
                                  QStringLiteral("Dips"),
                                  QStringLiteral("Failed"),
                                  QStringLiteral("Abs"),
                                  QStringLiteral("No exercises."),
                                  QStringLiteral("Leg day"),
                                  QStringLiteral("Squat"),
                                  QStringLiteral("140"),
                                  QStringLiteral("Felt strong."),
                                  QStringLiteral("Sleep 8 h."),
                                  QStringLiteral("Negative"),
                                  QStringLiteral("Page 1 of 1")};
    for (const QString &piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" missing in:\n") + text));
    // In reading order: the first day before the second.
    QVERIFY(text.indexOf(QStringLiteral("Bench press")) < text.indexOf(QStringLiteral("Squat")));
}

void TestDayPrint::dayThatDoesNotFitStartsTheNextPage()
{
    // Two days that each take most of a page: the second moves whole to page 2 instead of
    // being split.
    auto first = MakeLongDay(1, 25, QStringLiteral("Upper"));
    auto second = MakeLongDay(2, 25, QStringLiteral("Lower"));
    const QString path = m_dir.filePath(QStringLiteral("two-pages.pdf"));
    DayPrintDocument document({first.get(), second.get()});
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(document.Print(&writer));
    }
    QCOMPARE(document.PageCount(), 2);
    QCOMPARE(document.FirstPageOf(1), 1);
    QCOMPARE(PdfPageCount(path), 2);
    const QString text = PdfText(path);
    if (!text.isNull()) {
        const QStringList pages = text.split(QLatin1Char('\f'));
        QVERIFY(pages.at(0).contains(QStringLiteral("Upper 25")));
        QVERIFY(!pages.at(0).contains(QStringLiteral("Lower")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Lower 1")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Page 2 of 2")));
    }
}

void TestDayPrint::longDayRunsOverSeveralPages()
{
    auto day = MakeLongDay(1, 120, QStringLiteral("Circuit"));
    const QString path = m_dir.filePath(QStringLiteral("long.pdf"));
    DayPrintDocument document({day.get()});
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(document.Print(&writer));
    }
    QVERIFY2(document.PageCount() >= 3, qPrintable(QString::number(document.PageCount())));
    QCOMPARE(PdfPageCount(path), document.PageCount());
    const QString text = PdfText(path);
    if (!text.isNull()) {
        const QStringList pages = text.split(QLatin1Char('\f'));
        QVERIFY(pages.at(1).contains(QStringLiteral("Thursday, 1 March 2007 (continued)")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Circuit (continued)")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Negative")));
        for (int i = 1; i <= 120; ++i) {
            const QRegularExpression name(QStringLiteral("\\bCircuit %1\\b").arg(i));
            QVERIFY2(text.contains(name), qPrintable(QString::number(i)));
        }
    }
}

void TestDayPrint::longNotesRunOverPages()
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines.append(QStringLiteral("Note line %1").arg(i));
    auto day = MakeDay(2007, 3, 5, lines.join(QLatin1Char('\n')));
    const QString path = m_dir.filePath(QStringLiteral("notes.pdf"));
    DayPrintDocument document({day.get()});
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(document.Print(&writer));
    }
    QCOMPARE(document.PageCount(), 3);
    QCOMPARE(PdfPageCount(path), 3);
    const QString text = PdfText(path);
    if (!text.isNull()) {
        const QStringList pages = text.split(QLatin1Char('\f'));
        QVERIFY(pages.at(0).contains(QStringLiteral("No workouts.")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Monday, 5 March 2007 (continued)")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Notes (continued)")));
        QVERIFY(pages.at(2).contains(QStringLiteral("Note line 150")));
    }
}

void TestDayPrint::pageRangeOfThePrintDialog()
{
    auto day = MakeLongDay(1, 120, QStringLiteral("Circuit"));
    const QString path = m_dir.filePath(QStringLiteral("range.pdf"));
    {
        auto printer = PdfPrinter(path);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 2);
        QVERIFY(PrintDays(printer.get(), {day.get()}));
    }
    QCOMPARE(PdfPageCount(path), 1);
    const QString text = PdfText(path);
    if (!text.isNull())
        QVERIFY(text.contains(QStringLiteral("Page 2 of")));
}

void TestDayPrint::nothingToPrint()
{
    const QString path = m_dir.filePath(QStringLiteral("empty.pdf"));
    auto printer = PdfPrinter(path);
    QVERIFY(!PrintDays(printer.get(), {}));
    QVERIFY(!PrintDays(printer.get(), {nullptr}));
    QVERIFY(!PrintDays(nullptr, {}));
    DayPrintDocument document({});
    QVERIFY(document.IsEmpty());
    QCOMPARE(document.FirstPageOf(0), -1);
}

REPBOOK_TEST_MAIN_GUI(TestDayPrint)
#include "tst_dayprint.moc"
