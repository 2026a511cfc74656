#include "model/StatusCheck.h"

#include "model/Workout.h"

#include <QCoreApplication>

namespace StatusCheck {

namespace {

// Whether some or all exercises carry the status that differs from the workout's.
enum class Share { Some, All };

Question Ask(Share share, ProgressStatus exerciseStatus, ProgressStatus workoutStatus,
             ProgressStatus answer, const QString &name)
{
    const QString text =
        (share == Share::Some
             ? QCoreApplication::translate("StatusCheck",
                                           "Some exercises in '%1' workout are marked as '%2', "
                                           "but workout itself is marked as '%3'.\nDo you want "
                                           "to mark workout as '%4'?")
             : QCoreApplication::translate("StatusCheck",
                                           "All exercises in '%1' workout are marked as '%2', "
                                           "but workout itself is marked as '%3'.\nDo you want "
                                           "to mark workout as '%4'?"))
            .arg(name, StatusName(exerciseStatus), StatusName(workoutStatus), StatusName(answer));
    return {text, answer};
}

} // namespace

std::optional<Question> QuestionFor(const QString &workoutName, ProgressStatus status, int done,
                                    int failed)
{
    switch (status) {
    case ProgressStatus::NotYet:
        if (done > 0)
            return Ask(Share::Some, ProgressStatus::Done, ProgressStatus::NotYet,
                       ProgressStatus::Done, workoutName);
        if (failed > 0)
            return Ask(Share::Some, ProgressStatus::Failed, ProgressStatus::NotYet,
                       ProgressStatus::Failed, workoutName);
        return std::nullopt;
    case ProgressStatus::Failed:
        if (done > 0)
            return Ask(Share::Some, ProgressStatus::Done, ProgressStatus::Failed,
                       ProgressStatus::Done, workoutName);
        return std::nullopt;
    case ProgressStatus::Done:
    default:
        if (done > 0)
            return std::nullopt;
        if (failed > 0)
            return Ask(Share::Some, ProgressStatus::Failed, ProgressStatus::Done,
                       ProgressStatus::Failed, workoutName);
        return Ask(Share::All, ProgressStatus::NotYet, ProgressStatus::Done, ProgressStatus::NotYet,
                   workoutName);
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
