#include "cli/RecordsCommand.h"

#include "model/DiaryDatabase.h"
#include "stats/ExerciseName.h"
#include "stats/MeasureUnits.h"
#include "stats/PersonalRecords.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

const QCommandLineOption FailedOption(
    {QStringLiteral("failed")},
    QCoreApplication::translate("RecordsCommand", "Count Failed exercises as well as Done."));

QString Number(double value)
{
    return QString::number(value, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString DateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString Weight(double weight, WeightUnit unit)
{
    return Number(weight) + u' ' + unit.ShownSymbol();
}

QString Lift(const LiftRecord &lift, WeightUnit unit)
{
    return QCoreApplication::translate("RecordsCommand", "%1 x %2")
        .arg(Weight(lift.weight, unit))
        .arg(lift.reps);
}

// The rows (record, best, date) of one exercise's records that are set, weights in the unit.
QList<QStringList> Rows(const ExerciseRecords &heldRecords, WeightUnit unit)
{
    const ExerciseRecords records = MeasureUnits::Shown(heldRecords, unit);
    QList<QStringList> rows;
    for (size_t r = 0; r < RepRanges.size(); ++r) {
        const LiftRecord &lift = records.byRange[r];
        if (lift.IsSet())
            rows.append({(RepRanges[r].maxReps == 1
                              ? QCoreApplication::translate("RecordsCommand", "Heaviest, %1 rep")
                              : QCoreApplication::translate("RecordsCommand", "Heaviest, %1 reps"))
                             .arg(RepRanges[r].Label()),
                         Lift(lift, unit), DateText(lift.date)});
    }
    if (records.bestEstimateLift.IsSet())
        rows.append({QCoreApplication::translate("RecordsCommand", "Estimated 1RM"),
                     QStringLiteral("%1 (%2)").arg(Weight(records.bestEstimate, unit),
                                                   Lift(records.bestEstimateLift, unit)),
                     DateText(records.bestEstimateLift.date)});
    if (records.bestVolumeDate.isValid())
        rows.append({QCoreApplication::translate("RecordsCommand", "Highest day volume"),
                     Weight(records.bestVolume, unit), DateText(records.bestVolumeDate)});
    if (records.mostBodyweightRepsDate.isValid())
        rows.append({QCoreApplication::translate("RecordsCommand", "Most reps, weight 0"),
                     QString::number(records.mostBodyweightReps),
                     DateText(records.mostBodyweightRepsDate)});
    return rows;
}

QString Table(const ExerciseRecords &records, WeightUnit unit)
{
    const QList<QStringList> rows = Rows(records, unit);
    int widths[2] = {0, 0};
    for (const QStringList &row : rows) {
        widths[0] = std::max(widths[0], int(row[0].size()));
        widths[1] = std::max(widths[1], int(row[1].size()));
    }
    QString text = records.name + u'\n';
    for (const QStringList &row : rows)
        text += QStringLiteral("  %1  %2  %3\n")
                    .arg(row[0], -widths[0])
                    .arg(row[1], widths[1])
                    .arg(row[2]);
    return text;
}

} // namespace

RecordsCommand::RecordsCommand()
    : Command(QStringLiteral("records"),
              QCoreApplication::translate(
                  "RecordsCommand",
                  "Prints the personal records of an exercise, or of every performed "
                  "exercise, most recently trained first."))
{
}

void RecordsCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOption(FailedOption);
    AddUnitOption(parser);
    parser.addPositionalArgument(
        QStringLiteral("EXERCISE"),
        QCoreApplication::translate("RecordsCommand",
                                    "The exercise (case and surrounding spaces do not "
                                    "matter); all exercises when left out."),
        QStringLiteral("[EXERCISE]"));
}

int RecordsCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList names = parser.positionalArguments();
    if (names.size() > 1)
        return Usage(
            QCoreApplication::translate("RecordsCommand",
                                        "records takes one exercise at most (quote a name with "
                                        "spaces)."));
    WeightUnit unit;
    if (const int read = ReadUnitOption(parser, unit); read != Done)
        return read;
    DiaryDatabase diary;
    if (const int loaded = LoadDiary(parser, diary); loaded != Done)
        return loaded;
    const PerformedFilter filter {.countFailed = parser.isSet(FailedOption)};
    QList<ExerciseRecords> all;
    if (names.isEmpty())
        all = PersonalRecords::ForAll(diary, filter);
    else
        all.append(PersonalRecords::ForExercise(diary, names.first(), filter));
    all.removeIf([](const ExerciseRecords &records) { return records.IsEmpty(); });
    if (all.isEmpty()) {
        PrintError(names.isEmpty()
                       ? QCoreApplication::translate("RecordsCommand",
                                                     "No exercise is marked Done in the diary yet.")
                       : QCoreApplication::translate("RecordsCommand", "\"%1\" was never done.")
                             .arg(names.first()));
        return Failed;
    }
    QStringList tables;
    for (const ExerciseRecords &records : all)
        tables.append(Table(records, unit));
    PrintOut(tables.join(u'\n'));
    return Done;
}
