#include "printing/PrintDays.h"

#include "printing/DayPrintDocument.h"

#include <QPrinter>

bool PrintDays(QPrinter *printer, const QList<const TrainingDay *> &days, WeightUnit unit)
{
    if (!printer)
        return false;
    DayPrintDocument document(days, unit);
    if (printer->printRange() == QPrinter::PageRange)
        return document.Print(printer, printer->fromPage(), printer->toPage());
    return document.Print(printer);
}
