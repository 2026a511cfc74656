#pragma once

#include "model/ProgressStatus.h"

#include <QString>

#include <optional>

class Workout;

// The question the day dialog asks on OK when a workout's status disagrees with its exercises.
namespace StatusCheck {

struct Question
{
    QString text; // the question shown, with the workout's name filled in
    ProgressStatus answerYes; // the workout's status after the user answers Yes
};

// The question for a workout whose status is `status` and whose exercises count `done` Done and
// `failed` Failed ones; none when they agree. A status other than the three known ones counts as
// Done.
std::optional<Question> QuestionFor(const QString &workoutName, ProgressStatus status, int done,
                                    int failed);

// The same for a workout as it stands; a workout without exercises is never asked about.
std::optional<Question> QuestionFor(const Workout &workout);

} // namespace StatusCheck
