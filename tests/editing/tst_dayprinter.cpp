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
    void nothingToPrint_data();
    void nothingToPrint();
    void failureIsReported();
    void previewShowsThePages();

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

void TestDayPrinter::nothingToPrint_data()
{
    QTest::addColumn<bool>("preview");
    QTest::newRow("print") << false;
    QTest::newRow("preview") << true;
}

void TestDayPrinter::nothingToPrint()
{
    QFETCH(bool, preview);
    bool dialogShown = false;
    CDayPrinter::SetDialogRunner([&](QDialog &) {
        dialogShown = true;
        return int(QDialog::Rejected);
    });
    MessageBox::setNextAnswers({QMessageBox::Ok});
    CDayPrinter printer(nullptr);
    QVERIFY(!(preview ? printer.Preview({}) : printer.Print({nullptr})));
    QVERIFY(!dialogShown);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().icon, QMessageBox::Information);
    QCOMPARE(shown.first().text, CDayPrinter::NothingToPrintMessage());
}

void TestDayPrinter::failureIsReported()
{
    const auto day = MakeDay(1, QStringLiteral("Push"));
    const QString path = m_dir.filePath(QStringLiteral("no-such-folder/log.pdf"));
    CDayPrinter::SetDialogRunner([&](QDialog &dialog) {
        auto *print = qobject_cast<QPrintDialog *>(&dialog);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    });
    MessageBox::setNextAnswers({QMessageBox::Ok});
    CDayPrinter printer(nullptr);
    QVERIFY(!printer.Print({day.get()}));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().icon, QMessageBox::Critical);
    QCOMPARE(shown.first().text, CDayPrinter::PrintFailedMessage());
}

void TestDayPrinter::previewShowsThePages()
{
    std::vector<std::unique_ptr<TrainingDay>> days;
    QList<const TrainingDay *> selection;
    for (int i = 1; i <= 3; ++i) {
        days.push_back(MakeDay(i, QStringLiteral("Workout %1").arg(i)));
        selection.append(days.back().get());
    }
    int pages = -1;
    QString title;
    CDayPrinter::SetDialogRunner([&](QDialog &dialog) {
        title = dialog.windowTitle();
        dialog.show();
        auto *view = dialog.findChild<QPrintPreviewWidget *>();
        if (view) {
            view->updatePreview();
            pages = view->pageCount();
        }
        dialog.reject();
        return int(QDialog::Rejected);
    });
    CDayPrinter printer(nullptr);
    // A page range left from an earlier print does not shorten the preview.
    printer.Printer()->setPrintRange(QPrinter::PageRange);
    printer.Printer()->setFromTo(2, 2);
    QVERIFY(printer.Preview(selection));
    QCOMPARE(title, QStringLiteral("Print preview"));
    QCOMPARE(pages, 1); // three short days share one page
}

REPBOOK_TEST_MAIN(TestDayPrinter)
#include "tst_dayprinter.moc"
