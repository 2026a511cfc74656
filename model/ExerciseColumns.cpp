#include "model/ExerciseColumns.h"

#include "model/ExerciseEntry.h"
#include "model/TolerantNumber.h"

#include <QCoreApplication>

#include <stdexcept>

namespace ExerciseColumns {

namespace {

constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr double MaxCount = ExerciseEntry::MaxReps;
constexpr double MaxWeight = ExerciseEntry::MaxWeight;

// The weight's arrows step by whole units; typed values keep their two decimals.
const std::array<ColumnInfo, Count> Columns {{
    {" ", QT_TRANSLATE_NOOP("ExerciseColumns", "Status"), CellKind::Image, Centred},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Exercise"), "Exercise", CellKind::Text, Left},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Sets"), "Sets", CellKind::Spin, Centred,
     ExerciseEntry::MinSets, ExerciseEntry::MaxSets},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Reps"), "Reps", CellKind::Spin, Centred, 0, MaxCount, 0,
     1, true},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Forced"), "Forced", CellKind::Spin, Centred, 0,
     MaxCount},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Negative"), "Negative", CellKind::Spin, Centred, 0,
     MaxCount},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Weight"), "Weight", CellKind::Spin, Centred, 0,
     MaxWeight, 2, 1, true},
    {QT_TRANSLATE_NOOP("ExerciseColumns", "Note"), "Note", CellKind::Text, Left},
}};

int ReadCount(const QString &text)
{
    return TolerantNumber::ToInt(text.toUtf8());
}

} // namespace

const ColumnInfo &Info(int column)
{
    if (column < 0 || column >= Count)
        throw std::invalid_argument("column out of range");
    return Columns[static_cast<size_t>(column)];
}

ColumnInfo Info(int column, WeightUnit unit)
{
    ColumnInfo info = Info(column);
    if (column == Weight) {
        info.maximum = unit.Limit(MaxWeight);
        info.decimals = unit.Decimals();
    }
    return info;
}

QString Heading(int column, WeightUnit unit)
{
    const QString heading = QCoreApplication::translate("ExerciseColumns", Info(column).heading);
    return column == Weight ? unit.Labelled(heading) : heading;
}

RowTexts TextsOf(const ExerciseEntry &exercise, WeightUnit unit)
{
    RowTexts texts;
    texts[Exercise] = exercise.GetName();
    texts[Sets] = QString::number(exercise.GetSets());
    texts[Reps] = QString::number(exercise.GetReps());
    texts[Forced] = QString::number(exercise.GetForced());
    texts[Negative] = QString::number(exercise.GetNegative());
    texts[Weight] = unit.Text(exercise.GetWeight());
    texts[Note] = exercise.GetNote();
    return texts;
}

void ApplyTexts(ExerciseEntry &exercise, const RowTexts &texts, WeightUnit unit)
{
    // A cell that still shows what the exercise holds was not edited: its setter is not called,
    // so a weight nobody typed never marks the exercise Done.
    const RowTexts shown = TextsOf(exercise, unit);
    const auto edited = [&](Column column) {
        const auto index = static_cast<size_t>(column);
        return texts[index] != shown[index];
    };
    if (edited(Exercise))
        exercise.SetName(texts[Exercise]);
    if (edited(Sets))
        exercise.SetSets(ReadCount(texts[Sets]));
    if (edited(Reps))
        exercise.SetReps(ReadCount(texts[Reps]));
    if (edited(Forced))
        exercise.SetForced(ReadCount(texts[Forced]));
    if (edited(Negative))
        exercise.SetNegative(ReadCount(texts[Negative]));
    if (edited(Weight))
        exercise.SetWeight(
            static_cast<float>(unit.ToKg(TolerantNumber::ToDouble(texts[Weight].toUtf8()))));
    if (edited(Note))
        exercise.SetNote(texts[Note]);
}

} // namespace ExerciseColumns
