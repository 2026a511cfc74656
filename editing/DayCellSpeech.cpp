#include "editing/DayCellSpeech.h"

#include "model/ProgressStatus.h"
#include "model/TrainingDay.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("DayCellSpeech", text);
}

// ": Chest, Done; Back, Not yet; has a note" or ": no workouts".
QString WorkoutsPart(const TrainingDay *day, bool programMode)
{
    QStringList parts;
    for (int i = 0; day && i < day->GetWorkoutCount(); ++i) {
        const Workout *workout = day->GetWorkout(i);
        const ProgressStatus shown = programMode ? ProgressStatus::NotYet : workout->GetStatus();
        parts << QStringLiteral("%1, %2").arg(workout->GetName(), StatusName(shown));
    }
    if (parts.isEmpty())
        parts << Tr("no workouts");
    if (day && !day->GetNotes().trimmed().isEmpty())
        parts << Tr("has a note");
    return QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

} // namespace

namespace DayCellSpeech {

QString CalendarName(const QDate &date, const QDate &today, bool inRange, const TrainingDay *day)
{
    QString name = AppLanguage::Locale().toString(date, QStringLiteral("dddd d MMMM yyyy"));
    if (date == today)
        name += Tr(", today");
    if (!inRange)
        return name + Tr(", outside the range");
    return name + WorkoutsPart(day, false);
}

QString ProgramName(const QString &label, const TrainingDay *day)
{
    return label + WorkoutsPart(day, true);
}

QString Description(const TrainingDay *day)
{
    return day && !day->GetNotes().trimmed().isEmpty() ? day->GetNotes() : QString();
}

} // namespace DayCellSpeech
