#include "editing/DateListText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace DateListText {

namespace {

constexpr int ListedDates = 10;

} // namespace

QString Short(const QList<DateValue> &dates)
{
    QStringList texts;
    for (const DateValue &date : dates.mid(0, ListedDates))
        texts.append(QLocale().toString(date.ToQDate(), QLocale::ShortFormat));
    if (dates.size() > ListedDates)
        texts.append(QCoreApplication::translate("DateListText", "and %1 more")
                         .arg(dates.size() - ListedDates));
    return texts.join(QStringLiteral(", "));
}

} // namespace DateListText
