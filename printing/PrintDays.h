#pragma once

#include "model/WeightUnit.h"

#include <QList>

class QPrinter;
class TrainingDay;

// Prints the days as a training log (DayPrintDocument) on the printer, which may print to paper
// or to a PDF file, weights in the unit; the page range chosen in the print dialog is honoured.
// False when nothing could be printed: no days, or the printer could not be started.
bool PrintDays(QPrinter *printer, const QList<const TrainingDay *> &days, WeightUnit unit);
