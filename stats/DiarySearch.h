#pragma once

#include "stats/TextFold.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

class DiaryDatabase;

// Where in a day a search matched.
enum class SearchField { DayNote, Workout, Exercise, ExerciseNote };

// One field of the diary that holds the searched text.
struct SearchMatch
{
    QDate date;
    SearchField field = SearchField::Workout;
    QString text; // the field's whole text
    int start = 0; // the first match in text, for highlighting
    int length = 0;

    friend bool operator==(const SearchMatch &, const SearchMatch &) = default;
};

// Finds text in the diary's workout names, exercise names, exercise notes and day notes,
// ignoring case and accents (TextFold). The diary's texts are read and folded by Rebuild, once
// per change of the diary; each Find then compares the folded texts only. Texts the diary shares
// between its entries are folded once, and texts already folded by an earlier Rebuild are not
// folded again.
class DiarySearch
{
public:
    // Reads the diary's texts; call again whenever the diary changed.
    void Rebuild(const DiaryDatabase &database);
    // Every field that contains text, newest day first; within a day the day's note, then each
    // workout's name followed by its exercises' names and notes. Nothing for a text without
    // anything to find.
    QList<SearchMatch> Find(QStringView text) const;
    // False for a text that folds to nothing or to spaces only.
    static bool HasSomethingToFind(QStringView text);

    // "day note", "workout", "exercise", "exercise note".
    static QString FieldName(SearchField field);
    // A field's text on one line: line breaks and tabs become spaces, so every character keeps
    // its place (and a match its start).
    static QString OneLine(QString text);

private:
    struct Text
    {
        QString original; // also keeps the diary's text alive, so its address stays its own
        TextFold fold;
    };
    struct Field
    {
        qint64 dayKey;
        int text; // index into m_texts
        SearchField field;
    };
    using TextKey = std::pair<const QChar *, qsizetype>;

    int TextIndex(const QString &text, std::vector<Text> &previous,
                  const QHash<TextKey, int> &previousIndex);

    std::vector<Text> m_texts;
    QHash<TextKey, int> m_textIndex; // by the address and size of the diary's text
    std::vector<Field> m_fields; // newest day first
};
