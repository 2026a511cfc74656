#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <utility>

// Text as the diary's search compares it: compatibility decomposition with the combining marks
// dropped, then case folding, so that "e" finds "É" and "é", and "fi" the ligature "ﬁ". Line
// breaks and tabs fold to spaces.
class TextFold
{
public:
    // Folds text and remembers where each folded character came from.
    explicit TextFold(QStringView text);

    // Folds text alone.
    static QString Fold(QStringView text);

    const QString &Folded() const { return m_folded; }
    // The part of the original text that the folded characters [start, start + length) came
    // from, with the combining marks that follow it: {start, length} in the original.
    std::pair<int, int> OriginalSpan(QStringView original, int start, int length) const;

private:
    // Index in the original of each folded character; empty while every character of the
    // original folded to exactly one (the common case, and then the positions agree).
    QList<int> m_origin;
    QString m_folded;
};
