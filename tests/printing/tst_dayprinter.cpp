#include "common/TestMain.h"
#include "editing/CDayPrinter.h"
#include "model/TrainingDay.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<TrainingDay> MakeDay(int day, const QString &workoutName)
{
    auto training = std::make_unique<TrainingDay>();
    training->SetDate(DateValue::FromDate(2007, 3, day));
    auto workout = std::make_unique<Workout>();
    workout->SetName(workoutName);
    auto exercise = std::make_unique<ExerciseEntry>();
    exercise->SetName(QStringLiteral("Squat"));
    exercise->SetWeight(100);
    workout->AddExercise(std::move(exercise));
    training->AddWorkout(std::move(workout));
    return training;
}

bool IsPdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

class TestDayPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void cleanup();
    void printGoesToTheChosenFile();
    void cancelledPrintWritesNothing();

private:
    QTemporaryDir m_dir;
};

void TestDayPrinter::cleanup()
{
    CDayPrinter::SetDialogRunner({});
    QVERIFY2(MessageBox::takeUnexpected().isEmpty(), "a message box nobody expected");
    MessageBox::takeShown();
}

void TestDayPrinter::printGoesToTheChosenFile()
{
    const auto first = MakeDay(1, QStringLiteral("Push"));
    const auto second = MakeDay(2, QStringLiteral("Pull"));
    const QString path = m_dir.filePath(QStringLiteral("log.pdf"));
    QStringList titles;
    CDayPrinter::SetDialogRunner([&](QDialog &dialog) {
        titles.append(dialog.windowTitle());
        auto *print = qobject_cast<QPrintDialog *>(&dialog);
        if (!print)
            return int(QDialog::Rejected);
        // What the user picks in the dialog: print to a PDF file.
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    });
    QWidget window;
    CDayPrinter printer(&window);
    QVERIFY(printer.Print({first.get(), second.get()}));
    QCOMPARE(titles, QStringList {QStringLiteral("Print")});
    QVERIFY(IsPdf(path));
    QVERIFY(MessageBox::takeShown().isEmpty());
    // The choice is kept for the next print.
    QCOMPARE(printer.Printer()->outputFileName(), path);
}

void TestDayPrinter::cancelledPrintWritesNothing()
{
    const auto day = MakeDay(1, QStringLiteral("Push"));
    const QString path = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    CDayPrinter printer(nullptr);
    printer.Printer()->setOutputFormat(QPrinter::PdfFormat);
    printer.Printer()->setOutputFileName(path);
    CDayPrinter::SetDialogRunner([](QDialog &) { return int(QDialog::Rejected); });
    QVERIFY(!printer.Print({day.get()}));
    QVERIFY(!QFile::exists(path));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

REPBOOK_TEST_MAIN(TestDayPrinter)
#include "tst_dayprinter.moc"
