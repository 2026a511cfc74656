#pragma once

#include <QLocale>
#include <QString>

// Numbers as the programs show them to people.

// A number with its noun, singular for one: "1 day", "3 days", "1 entry", "2 entries". The
// plural is the singular with an "s" unless given.
QString CountText(qsizetype count, const QString &singular, const QString &plural = QString());
// The same in the programs' language: source is the numerus text "%n day(s)" of the context
// "CountText" (marked with QT_TRANSLATE_N_NOOP); with its translation loaded that is shown,
// otherwise the English text above, so English never reads "(s)".
QString CountText(qsizetype count, const char *source, const QString &singular,
                  const QString &plural = QString());

// A value rounded to at most maxDecimals decimals and shown with no more than it needs:
// 199.75, 100.5, 100.
QString DecimalText(double value, int maxDecimals = 2, const QLocale &locale = QLocale::c());
