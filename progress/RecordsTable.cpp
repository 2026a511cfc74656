#include "progress/RecordsTable.h"

#include "model/NumberText.h"
#include "stats/MeasureUnits.h"
#include "stats/PersonalRecords.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

namespace RecordsTable {

namespace {

QString Weight(double weight, WeightUnit unit)
{
    return FormatNumber(weight) + QLatin1Char(' ') + unit.ShownSymbol();
}

QString Lift(double weight, int reps, WeightUnit unit)
{
    return QStringLiteral("%1 \u00d7 %2").arg(Weight(weight, unit)).arg(reps);
}

QString DateText(const QDate &date)
{
    return date.isValid() ? AppLanguage::Locale().toString(date, QLocale::ShortFormat) : QString();
}

void SetRow(QTableWidget *table, int row, const QString &label, const QString &value,
            const QDate &date)
{
    const QString shown = date.isValid() ? value : QStringLiteral("\u2014");
    table->setItem(row, RecordColumn, new QTableWidgetItem(label));
    auto *valueItem = new QTableWidgetItem(shown);
    valueItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The dash of a record not yet set is read as a word, not as a punctuation mark.
    if (!date.isValid())
        valueItem->setData(Qt::AccessibleTextRole, QObject::tr("none yet"));
    table->setItem(row, ValueColumn, valueItem);
    auto *dateItem = new QTableWidgetItem(DateText(date));
    dateItem->setData(Qt::UserRole, date);
    table->setItem(row, DateColumn, dateItem);
}

} // namespace

QString FormatNumber(double value)
{
    // Weights as the diary holds them, to the hundredth.
    return DecimalText(value, 2, QLocale());
}

QTableWidget *Create(QWidget *parent)
{
    auto *table = new QTableWidget(0, ColumnCount, parent);
    table->setHorizontalHeaderLabels({QCoreApplication::translate("RecordsTable", "Record"),
                                      QCoreApplication::translate("RecordsTable", "Best"),
                                      QCoreApplication::translate("RecordsTable", "Date")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // nine rows always fit
    table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(RecordColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(DateColumn, QHeaderView::ResizeToContents);
    return table;
}

void Show(QTableWidget *table, const ExerciseRecords &heldRecords, WeightUnit unit)
{
    const ExerciseRecords records = MeasureUnits::Shown(heldRecords, unit);
    table->setRowCount(int(RepRanges.size()) + 3);
    int row = 0;
    for (size_t i = 0; i < RepRanges.size(); ++i) {
        const LiftRecord &lift = records.byRange[i];
        const QString label = RepRanges[i].maxReps == 1
            ? QCoreApplication::translate("RecordsTable", "Heaviest, 1 rep")
            : QCoreApplication::translate("RecordsTable", "Heaviest, %1 reps")
                  .arg(RepRanges[i].Label());
        SetRow(table, row++, label, Lift(lift.weight, lift.reps, unit), lift.date);
    }
    const LiftRecord &best = records.bestEstimateLift;
    SetRow(table, row++, QCoreApplication::translate("RecordsTable", "Estimated 1RM"),
           QStringLiteral("%1 (%2)").arg(Weight(records.bestEstimate, unit),
                                         Lift(best.weight, best.reps, unit)),
           best.date);
    SetRow(table, row++, QCoreApplication::translate("RecordsTable", "Highest day volume"),
           Weight(records.bestVolume, unit), records.bestVolumeDate);
    SetRow(table, row++, QCoreApplication::translate("RecordsTable", "Most reps, weight 0"),
           QString::number(records.mostBodyweightReps), records.mostBodyweightRepsDate);
    // The table is as wide as its columns, so the chart beside it gets the rest.
    table->resizeColumnsToContents();
    table->setFixedWidth(table->horizontalHeader()->length() + 2 * table->frameWidth());
}

} // namespace RecordsTable
