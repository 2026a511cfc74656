#include "editing/CDayPrinter.h"

#include "printing/PrintDays.h"
#include "settings/WeightUnitSetting.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

CDayPrinter::DialogRunner &DialogRunnerHook()
{
    static CDayPrinter::DialogRunner runner;
    return runner;
}

} // namespace

CDayPrinter::CDayPrinter(QWidget *parent)
    : m_parent(parent)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setDocName(QCoreApplication::translate("CDayPrinter", "Training log"));
    m_printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

CDayPrinter::~CDayPrinter() = default;

QString CDayPrinter::NothingToPrintMessage()
{
    return QCoreApplication::translate("CDayPrinter",
                                       "There is nothing to print: no training day is selected.");
}

QString CDayPrinter::PrintFailedMessage()
{
    return QCoreApplication::translate(
        "CDayPrinter",
        "The training log could not be printed. Check the printer or the "
        "file name and try again.");
}

void CDayPrinter::SetDialogRunner(DialogRunner runner)
{
    DialogRunnerHook() = std::move(runner);
}

int CDayPrinter::Run(QDialog &dialog)
{
    if (DialogRunnerHook())
        return DialogRunnerHook()(dialog);
    return dialog.exec();
}

bool CDayPrinter::HasDays(const QList<const TrainingDay *> &days) const
{
    for (const TrainingDay *day : days) {
        if (day)
            return true;
    }
    MessageBox::Information(m_parent, NothingToPrintMessage());
    return false;
}

bool CDayPrinter::Print(const QList<const TrainingDay *> &days)
{
    if (!HasDays(days))
        return false;
    QPrintDialog dialog(m_printer.get(), m_parent);
    dialog.setWindowTitle(QCoreApplication::translate("CDayPrinter", "Print"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (Run(dialog) != QDialog::Accepted)
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = PrintDays(m_printer.get(), days, WeightUnitSetting::Read());
    QGuiApplication::restoreOverrideCursor();
    if (!printed)
        MessageBox::Error(m_parent, PrintFailedMessage());
    return printed;
}

bool CDayPrinter::Preview(const QList<const TrainingDay *> &days)
{
    if (!HasDays(days))
        return false;
    m_printer->setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog dialog(m_printer.get(), m_parent);
    dialog.setWindowTitle(QCoreApplication::translate("CDayPrinter", "Print preview"));
    dialog.resize(900, 760);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&days, unit = WeightUnitSetting::Read()](QPrinter *printer) {
                         PrintDays(printer, days, unit);
                     });
    Run(dialog);
    return true;
}
