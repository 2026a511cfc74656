#include "DayFixtures.h"
#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "editing/CDayPrinter.h"
#include "widgets/MessageBox.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

// Printing and previewing days: what is printed, and what the user is told when there is
// nothing to print, the dialog is cancelled or the file cannot be written.
class TestDayPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(); }
    void cleanup()
    {
        CDayPrinter::SetDialogRunner(nullptr);
        REPBOOK_END_GUI_CASE();
    }

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

REPBOOK_TEST_MAIN(TestDayPrinter)

#include "tst_dayprinter.moc"
