#include "common/DiaryText.h"

#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"

#include <QRegularExpression>
#include <QtDebug>

#include <algorithm>

namespace testsupport {

namespace {

bool AddExercise(Workout &workout, const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"re(^(\S+?)(?: (\d+)x(\d+))?(?: ([\d.]+))?$)re"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    auto entry = std::make_unique<ExerciseEntry>();
    entry->SetName(match.captured(1));
    if (match.hasCaptured(2)) {
        entry->SetSets(match.captured(2).toInt());
        entry->SetReps(match.captured(3).toInt());
    }
    if (match.hasCaptured(4))
        entry->SetWeight(match.captured(4).toFloat());
    workout.AddExercise(std::move(entry));
    return true;
}

bool AddDay(DiaryDatabase &database, const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"re(^(\d+)\.(\d+)\.(\d+)(?: "([^"]*)")?((?: \S+?(?:\[[^\]]*\])?)*)$)re"));
    static const QRegularExpression workoutForm(
        QStringLiteral(R"re( ([^\s\[]+)(?:\[([^\]]*)\])?)re"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    auto day = std::make_unique<TrainingDay>();
    day->SetDate(DateValue::FromDate(match.captured(3).toInt(), match.captured(2).toInt(),
                                     match.captured(1).toInt()));
    day->SetNotes(match.captured(4));
    for (auto parts = workoutForm.globalMatch(match.captured(5)); parts.hasNext();) {
        const QRegularExpressionMatch part = parts.next();
        auto workout = std::make_unique<Workout>();
        workout->SetName(part.captured(1));
        if (part.hasCaptured(2)) {
            for (const QString &exercise : part.captured(2).split(QLatin1Char(',')))
                if (!AddExercise(*workout, exercise))
                    return false;
        }
        day->AddWorkout(std::move(workout));
    }
    database.AddDay(std::move(day));
    return true;
}

} // namespace

bool BuildDiary(DiaryDatabase &database, const QString &text)
{
    for (const QString &day : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        if (!AddDay(database, day)) {
            qWarning() << "not a day in the test notation:" << day;
            return false;
        }
    }
    return true;
}

QString DescribeDay(const TrainingDay &day)
{
    const DateValue date = day.GetDate();
    QString text =
        QStringLiteral("%1.%2.%3").arg(date.GetDay()).arg(date.GetMonth()).arg(date.GetYear());
    if (!day.GetNotes().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(day.GetNotes());
    for (int w = 0; w < day.GetWorkoutCount(); ++w) {
        const Workout &workout = *day.GetWorkout(w);
        text += QLatin1Char(' ') + workout.GetName();
        QStringList exercises;
        for (int e = 0; e < workout.GetExerciseCount(); ++e) {
            const ExerciseEntry &entry = *workout.GetExercise(e);
            QString one = entry.GetName() +
                QStringLiteral(" %1x%2").arg(entry.GetSets()).arg(entry.GetReps());
            if (entry.GetWeight() > 0)
                one += QLatin1Char(' ') + QString::number(entry.GetWeight());
            exercises.append(one);
        }
        if (!exercises.isEmpty())
            text += QLatin1Char('[') + exercises.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    return text;
}

QString DescribeDiary(const DiaryDatabase &database)
{
    QList<const TrainingDay *> days;
    for (int i = 0; i < database.GetDayCount(); ++i)
        days.append(database.GetDay(i));
    std::stable_sort(days.begin(), days.end(), [](const TrainingDay *a, const TrainingDay *b) {
        return a->GetDate().DayKey() < b->GetDate().DayKey();
    });
    QStringList texts;
    for (const TrainingDay *day : days)
        texts.append(DescribeDay(*day));
    return texts.join(QStringLiteral("; "));
}

} // namespace testsupport
