#include "common/DiaryText.h"

#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"

#include <QRegularExpression>
#include <QtDebug>

#include <algorithm>

namespace testsupport {

namespace {

QString Name(const QString &text)
{
    return QString(text).replace(u'_', u' ');
}

// "done", "failed", "s<number>"; the default when empty.
ProgressStatus Status(const QString &text, ProgressStatus otherwise)
{
    if (text == QLatin1String("done"))
        return ProgressStatus::Done;
    if (text == QLatin1String("failed"))
        return ProgressStatus::Failed;
    return text.isEmpty() ? otherwise : static_cast<ProgressStatus>(text.mid(1).toInt());
}

QString StatusText(ProgressStatus status)
{
    switch (status) {
    case ProgressStatus::NotYet:
        return QStringLiteral("notyet");
    case ProgressStatus::Done:
        return QStringLiteral("done");
    case ProgressStatus::Failed:
        return QStringLiteral("failed");
    }
    return QStringLiteral("s%1").arg(int(status));
}

bool AddExercise(Workout &workout, const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        R"re(^(\S+?)(?: (\d+)x(\d+)(?:\+(\d+)(?:-(\d+))?)?)?(?: ([\d.]+))?(?: (done|failed|notyet|s-?\d+))?(?: "([^"]*)")?$)re"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    auto entry = std::make_unique<ExerciseEntry>();
    entry->SetName(Name(match.captured(1)));
    if (match.hasCaptured(2)) {
        entry->SetSets(match.captured(2).toInt());
        entry->SetReps(match.captured(3).toInt());
        entry->SetForced(match.captured(4).toInt());
        entry->SetNegative(match.captured(5).toInt());
    }
    if (match.hasCaptured(6))
        entry->SetWeight(match.captured(6).toFloat());
    if (match.hasCaptured(7))
        entry->SetStatus(Status(match.captured(7), ProgressStatus::NotYet));
    entry->SetNote(match.captured(8));
    workout.AddExercise(std::move(entry));
    return true;
}

// A workout: name, status and the exercises' text (null when none are given).
std::unique_ptr<Workout> MakeWorkout(const QString &name, const QString &status,
                                     const QString &exercises)
{
    auto workout = std::make_unique<Workout>();
    workout->SetName(Name(name));
    if (!exercises.isNull()) {
        for (const QString &exercise : exercises.split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (!AddExercise(*workout, exercise))
                return nullptr;
    }
    workout->SetStatus(Status(status, ProgressStatus::NotYet), false);
    return workout;
}

const QRegularExpression &WorkoutForm()
{
    static const QRegularExpression form(
        QStringLiteral(R"re( ([^\s\[:]+)(?::(\w+))?(?:\[([^\]]*)\])?)re"));
    return form;
}

} // namespace

std::unique_ptr<Workout> BuildWorkout(const QString &text)
{
    const QRegularExpressionMatch match = WorkoutForm().match(QLatin1Char(' ') + text.trimmed());
    auto workout = match.hasMatch() && match.capturedLength() == text.trimmed().size() + 1
        ? MakeWorkout(match.captured(1), match.captured(2), match.captured(3))
        : nullptr;
    if (!workout)
        qWarning() << "not a workout in the test notation:" << text;
    return workout;
}

std::unique_ptr<TrainingDay> BuildDay(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        R"re(^(?:(\d+)\.(\d+)\.(\d+)|-)(?: "([^"]*)")?((?: [^\s\[]+(?:\[[^\]]*\])?)*)$)re"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        qWarning() << "not a day in the test notation:" << text;
        return nullptr;
    }
    auto day = std::make_unique<TrainingDay>();
    if (match.hasCaptured(1))
        day->SetDate(DateValue::FromDate(match.captured(3).toInt(), match.captured(2).toInt(),
                                         match.captured(1).toInt()));
    day->SetNotes(match.captured(4));
    for (auto parts = WorkoutForm().globalMatch(match.captured(5)); parts.hasNext();) {
        const QRegularExpressionMatch part = parts.next();
        auto workout = MakeWorkout(part.captured(1), part.captured(2), part.captured(3));
        if (!workout) {
            qWarning() << "not a workout in the test notation:" << part.captured(0);
            return nullptr;
        }
        day->AddWorkout(std::move(workout));
    }
    return day;
}

bool BuildDiary(DiaryDatabase &database, const QString &text)
{
    for (const QString &dayText : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        auto day = BuildDay(dayText);
        if (!day)
            return false;
        database.AddDay(std::move(day));
    }
    return true;
}

bool WriteDiary(const QString &path, const QString &text)
{
    DiaryDatabase database;
    database.SetPath(path);
    return BuildDiary(database, text) && database.Save();
}

QString DateText(const DateValue &date)
{
    return QStringLiteral("%1.%2.%3").arg(date.GetDay()).arg(date.GetMonth()).arg(date.GetYear());
}

QString DescribeDay(const TrainingDay &day)
{
    const auto name = [](const QString &text) { return QString(text).replace(u' ', u'_'); };
    QString text = DateText(day.GetDate());
    if (!day.GetNotes().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(day.GetNotes());
    for (int w = 0; w < day.GetWorkoutCount(); ++w) {
        const Workout &workout = *day.GetWorkout(w);
        text += QLatin1Char(' ') + name(workout.GetName());
        if (workout.GetStatus() != ProgressStatus::NotYet)
            text += QLatin1Char(':') + StatusText(workout.GetStatus());
        QStringList exercises;
        for (int e = 0; e < workout.GetExerciseCount(); ++e) {
            const ExerciseEntry &entry = *workout.GetExercise(e);
            QString one = name(entry.GetName()) +
                QStringLiteral(" %1x%2").arg(entry.GetSets()).arg(entry.GetReps());
            if (entry.GetForced() > 0 || entry.GetNegative() > 0)
                one += QStringLiteral("+%1-%2").arg(entry.GetForced()).arg(entry.GetNegative());
            if (entry.GetWeight() > 0)
                one += QLatin1Char(' ') + QString::number(entry.GetWeight());
            const ProgressStatus implied =
                entry.GetWeight() > 0 ? ProgressStatus::Done : ProgressStatus::NotYet;
            if (entry.GetStatus() != implied)
                one += QLatin1Char(' ') + StatusText(entry.GetStatus());
            if (!entry.GetNote().isEmpty())
                one += QStringLiteral(" \"%1\"").arg(entry.GetNote());
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

QString DescribeDiaryFile(const QString &path)
{
    DiaryDatabase database;
    return database.Open(path) ? DescribeDiary(database) : QStringLiteral("<unreadable>");
}

QString DecemberDays(const QString &words)
{
    QStringList days;
    for (const QString &word : words.split(u' ', Qt::SkipEmptyParts))
        days.append(QStringLiteral("%1.12.2026 \"%2\"")
                        .arg(word.section(u':', 0, 0), word.section(u':', 1)));
    return days.join(QStringLiteral("; "));
}

QString DayNumbers(const QList<DateValue> &dates)
{
    QStringList days;
    for (const DateValue &date : dates)
        days.append(QString::number(date.GetDay()));
    return days.join(u' ');
}

} // namespace testsupport
