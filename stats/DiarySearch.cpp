#include "stats/DiarySearch.h"

#include "model/DiaryDatabase.h"
#include "stats/DatedDays.h"
#include "stats/StatsDate.h"

#include <algorithm>
#include <utility>

int DiarySearch::TextIndex(const QString &text, std::vector<Text> &previous,
                           const QHash<TextKey, int> &previousIndex)
{
    // The diary never changes a text in place: a text with the same address and size is the
    // same text, as long as a copy is kept (Text::original) so the storage cannot be reused.
    const TextKey key {text.constData(), text.size()};
    auto found = m_textIndex.constFind(key);
    if (found != m_textIndex.cend())
        return *found;
    const int index = int(m_texts.size());
    const int before = previousIndex.value(key, -1);
    if (before >= 0)
        m_texts.push_back(std::move(previous[size_t(before)])); // each is taken once
    else
        m_texts.push_back({text, TextFold(text)});
    m_textIndex.insert(key, index);
    return index;
}

void DiarySearch::Rebuild(const DiaryDatabase &database)
{
    std::vector<DatedDays::DatedDay> days = DatedDays::InDateOrder(database);
    std::reverse(days.begin(), days.end()); // newest first
    // Texts still in the diary are taken over from the last Rebuild; the others are dropped.
    std::vector<Text> previous = std::exchange(m_texts, {});
    const QHash<TextKey, int> previousIndex = std::exchange(m_textIndex, {});
    m_fields.clear();
    const auto add = [&](qint64 dayKey, const QString &text, SearchField field) {
        if (!text.isEmpty())
            m_fields.push_back({dayKey, TextIndex(text, previous, previousIndex), field});
    };
    for (const auto &[dayKey, day] : days) {
        add(dayKey, day->GetNotes(), SearchField::DayNote);
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            const Workout *workout = day->GetWorkout(w);
            add(dayKey, workout->GetName(), SearchField::Workout);
            for (int e = 0; e < workout->GetExerciseCount(); ++e) {
                const ExerciseEntry *entry = workout->GetExercise(e);
                add(dayKey, entry->GetName(), SearchField::Exercise);
                add(dayKey, entry->GetNote(), SearchField::ExerciseNote);
            }
        }
    }
}

QList<SearchMatch> DiarySearch::Find(QStringView text) const
{
    QList<SearchMatch> matches;
    const QString needle = TextFold::Fold(text);
    if (needle.trimmed().isEmpty())
        return matches;
    // Each distinct text is compared once; the fields then only look their text up.
    std::vector<std::pair<int, int>> spans(m_texts.size(), {-1, 0});
    for (size_t t = 0; t < m_texts.size(); ++t) {
        const Text &candidate = m_texts[t];
        const qsizetype at = candidate.fold.Folded().indexOf(needle);
        if (at >= 0)
            spans[t] = candidate.fold.OriginalSpan(candidate.original, int(at), int(needle.size()));
    }
    for (const Field &field : m_fields) {
        const auto [start, length] = spans[size_t(field.text)];
        if (start >= 0)
            matches.append({StatsDate::FromKey(field.dayKey), field.field,
                            m_texts[size_t(field.text)].original, start, length});
    }
    return matches;
}

bool DiarySearch::HasSomethingToFind(QStringView text)
{
    return !TextFold::Fold(text).trimmed().isEmpty();
}

QString DiarySearch::FieldName(SearchField field)
{
    switch (field) {
    case SearchField::DayNote:
        return QStringLiteral("day note");
    case SearchField::Workout:
        return QStringLiteral("workout");
    case SearchField::Exercise:
        return QStringLiteral("exercise");
    case SearchField::ExerciseNote:
        return QStringLiteral("exercise note");
    }
    return QString();
}

QString DiarySearch::OneLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}
