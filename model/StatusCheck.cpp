#include "model/StatusCheck.h"

#include "model/Workout.h"

namespace StatusCheck {

namespace {

Question Ask(const char *quantifier, const char *exerciseStatus, const char *workoutStatus,
             ProgressStatus answer, const QString &name)
{
    QString text = QStringLiteral("%1 exercises in '%2' workout are marked as '%3', but workout "
                                  "itself is marked as '%4'.\nDo you want to mark workout as "
                                  "'%5'?")
                       .arg(QLatin1String(quantifier), name, QLatin1String(exerciseStatus),
                            QLatin1String(workoutStatus), StatusName(answer));
    return {text, answer};
}

} // namespace

std::optional<Question> QuestionFor(const QString &workoutName, ProgressStatus status, int done,
                                    int failed)
{
    switch (status) {
    case ProgressStatus::NotYet:
        if (done > 0)
            return Ask("Some", "Done", "Not yet", ProgressStatus::Done, workoutName);
        if (failed > 0)
            return Ask("Some", "Failed", "Not yet", ProgressStatus::Failed, workoutName);
        return std::nullopt;
    case ProgressStatus::Failed:
        if (done > 0)
            return Ask("Some", "Done", "Failed", ProgressStatus::Done, workoutName);
        return std::nullopt;
    case ProgressStatus::Done:
    default:
        if (done > 0)
            return std::nullopt;
        if (failed > 0)
            return Ask("Some", "Failed", "Done", ProgressStatus::Failed, workoutName);
        return Ask("All", "Not yet", "Done", ProgressStatus::NotYet, workoutName);
    }
}

std::optional<Question> QuestionFor(const Workout &workout)
{
    if (workout.IsEmpty())
        return std::nullopt;
    int done = 0;
    int failed = 0;
    for (int i = 0; i < workout.GetExerciseCount(); ++i) {
        const ProgressStatus status = workout.GetExercise(i)->GetStatus();
        done += status == ProgressStatus::Done ? 1 : 0;
        failed += status == ProgressStatus::Failed ? 1 : 0;
    }
    return QuestionFor(workout.GetName(), workout.GetStatus(), done, failed);
}

} // namespace StatusCheck
