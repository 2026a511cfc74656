#include "printing/PrintDays.h"

#include "printing/DayPrintDocument.h"

#include <QPrinter>

bool PrintDays(QPrinter *printer, const QList<const TrainingDay *> &days)
{
    if (!printer)
        return false;
    DayPrintDocument document(days);
    if (printer->printRange() == QPrinter::PageRange)
        return document.Print(printer, printer->fromPage(), printer->toPage());
    return document.Print(printer);
}
