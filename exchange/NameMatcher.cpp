#include "exchange/NameMatcher.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace NameMatcher {

namespace {

// Longer keys are compared only when equal: the distance costs their lengths multiplied.
constexpr qsizetype MaxDistanceKey = 80;

// How many edits two keys of that length may be apart and still be proposed.
int AllowedEdits(qsizetype length)
{
    if (length < 5)
        return 0;
    return length < 10 ? 1 : 2;
}

// Levenshtein distance, or limit + 1 once it is sure to exceed limit.
int EditDistance(const QString &a, const QString &b, int limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    QList<int> previous(b.size() + 1);
    QList<int> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        int rowBest = current[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int substitute = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitute});
            rowBest = std::min(rowBest, current[j]);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace

QString Key(const QString &name)
{
    static const QRegularExpression suffix(QStringLiteral("\\s*[(\\[][^()\\[\\]]*[)\\]]\\s*$"));
    QString text = name.simplified().toLower();
    for (;;) {
        const QString shorter = QString(text).remove(suffix);
        if (shorter.isEmpty() || shorter == text)
            break;
        text = shorter;
    }
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (QString &word : words) {
        if (word.size() > 3 && word.endsWith(u's') && !word.endsWith(QLatin1String("ss")))
            word.chop(1);
    }
    return words.join(u' ');
}

namespace {

// The closest of known, whose keys are given in the same order.
QString ClosestOf(const QString &name, const QStringList &known, const QStringList &keys)
{
    const QString key = Key(name);
    if (key.isEmpty())
        return QString();
    // Equal but for case and blanks first, then equal keys, then the fewest edits.
    for (const QString &candidate : known) {
        if (candidate.simplified().compare(name.simplified(), Qt::CaseInsensitive) == 0)
            return candidate;
    }
    const int allowed = key.size() > MaxDistanceKey ? 0 : AllowedEdits(key.size());
    QString best;
    int bestEdits = allowed + 1;
    for (qsizetype i = 0; i < known.size(); ++i) {
        const QString &candidate = known[i];
        const QString &other = keys[i];
        if (other.isEmpty() || (other != key && other.size() > MaxDistanceKey + allowed))
            continue;
        const int edits = other == key ? 0 : EditDistance(key, other, bestEdits - 1);
        if (edits < bestEdits) {
            best = candidate;
            bestEdits = edits;
            if (edits == 0)
                break;
        }
    }
    return best;
}

} // namespace

QString Closest(const QString &name, const QStringList &known)
{
    QStringList keys;
    for (const QString &candidate : known)
        keys.append(Key(candidate));
    return ClosestOf(name, known, keys);
}

QStringList KnownNames(const DiaryDatabase &diary, const QStringList &nameList)
{
    QStringList names;
    QSet<QString> seen;
    const auto add = [&](const QString &name) {
        if (!name.trimmed().isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    };
    for (const QString &name : nameList)
        add(name);
    for (int d = 0; d < diary.GetDayCount(); ++d) {
        const TrainingDay &day = *diary.GetDay(d);
        for (int w = 0; w < day.GetWorkoutCount(); ++w) {
            const Workout &workout = *day.GetWorkout(w);
            for (int e = 0; e < workout.GetExerciseCount(); ++e)
                add(workout.GetExercise(e)->GetName());
        }
    }
    return names;
}

QList<Proposal> Propose(const DiaryDatabase &days, const QStringList &known,
                        const QHash<QString, QString> &remembered)
{
    const QSet<QString> knownSet(known.cbegin(), known.cend());
    QStringList keys;
    for (const QString &candidate : known)
        keys.append(Key(candidate));
    QSet<QString> listed;
    QList<Proposal> proposals;
    for (int d = 0; d < days.GetDayCount(); ++d) {
        const TrainingDay &day = *days.GetDay(d);
        for (int w = 0; w < day.GetWorkoutCount(); ++w) {
            const Workout &workout = *day.GetWorkout(w);
            for (int e = 0; e < workout.GetExerciseCount(); ++e) {
                const QString name = workout.GetExercise(e)->GetName();
                if (name.isEmpty() || knownSet.contains(name) || listed.contains(name))
                    continue;
                listed.insert(name);
                Proposal proposal;
                proposal.imported = name;
                proposal.remembered = remembered.contains(name);
                proposal.proposed =
                    proposal.remembered ? remembered.value(name) : ClosestOf(name, known, keys);
                proposals.append(proposal);
            }
        }
    }
    return proposals;
}

ImportedData WithNames(const ImportedData &data, const QHash<QString, QString> &mapping)
{
    ImportedData renamed;
    renamed.formatName = data.formatName;
    renamed.skipped = data.skipped;
    for (int d = 0; d < data.days->GetDayCount(); ++d) {
        auto day = std::make_unique<TrainingDay>();
        day->CopyExactFrom(*data.days->GetDay(d));
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            Workout &workout = *day->GetWorkout(w);
            for (int e = 0; e < workout.GetExerciseCount(); ++e) {
                ExerciseEntry &entry = *workout.GetExercise(e);
                const QString name = mapping.value(entry.GetName());
                if (!name.trimmed().isEmpty())
                    entry.SetName(name.trimmed());
            }
        }
        renamed.days->AddDay(std::move(day));
    }
    return renamed;
}

} // namespace NameMatcher
