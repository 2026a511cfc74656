#pragma once

#include "model/ProgressStatus.h"

#include <QString>
#include <QStringView>

// How the statistics recognise an exercise: names match case-insensitively with surrounding
// spaces ignored ("Bench press" and " bench PRESS " are one exercise).
namespace ExerciseName {

// The form under which an exercise is grouped; empty for a name that is only spaces.
QString Key(const QString &name);
// True when name denotes the exercise of key (a Key() result); allocates nothing.
bool Matches(QStringView name, const QString &key);

} // namespace ExerciseName

// Which exercise entries count as performed: Done ones, and Failed ones too when asked. Not yet
// never counts.
struct PerformedFilter
{
    bool countFailed = false;

    bool Counts(ProgressStatus status) const
    {
        return status == ProgressStatus::Done || (countFailed && status == ProgressStatus::Failed);
    }
};
