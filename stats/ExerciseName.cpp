#include "stats/ExerciseName.h"

namespace ExerciseName {

QString Key(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

bool Matches(QStringView name, const QString &key)
{
    const QStringView trimmed = name.trimmed();
    // Simple case folding keeps the length, so most names are told apart without comparing.
    return !key.isEmpty() && trimmed.size() == key.size() &&
        trimmed.compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace ExerciseName
