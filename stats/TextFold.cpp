#include "stats/TextFold.h"

namespace {

bool IsMark(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

char16_t FoldAscii(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return char16_t(c + (u'a' - u'A'));
    if (c == u'\n' || c == u'\r' || c == u'\t')
        return u' ';
    return c;
}

// Appends the folded form of one code point (one or two UTF-16 units) to out.
void AppendFolded(QStringView character, QString &out)
{
    const QString decomposed = character.toString().normalized(QString::NormalizationForm_KD);
    for (const char32_t codePoint : decomposed.toUcs4()) {
        if (IsMark(codePoint))
            continue;
        if (codePoint == U'\u2028' || codePoint == U'\u2029') {
            out.append(u' ');
            continue;
        }
        const char32_t folded = QChar::toCaseFolded(codePoint);
        if (QChar::requiresSurrogates(folded)) {
            out.append(QChar(QChar::highSurrogate(folded)));
            out.append(QChar(QChar::lowSurrogate(folded)));
        } else {
            out.append(QChar(char16_t(folded)));
        }
    }
}

// Folds text into folded; with origin given, records each folded character's index in text
// (left empty while the folding is one to one).
void FoldInto(QStringView text, QString &folded, QList<int> *origin)
{
    folded.reserve(text.size());
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        const char16_t c = text[i].unicode();
        const qsizetype before = folded.size();
        units = 1;
        if (c < 0x80) {
            folded.append(QChar(FoldAscii(c)));
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                QChar::isLowSurrogate(text[i + 1].unicode()))
                units = 2;
            AppendFolded(text.sliced(i, units), folded);
        }
        const qsizetype added = folded.size() - before;
        if (!origin || (origin->isEmpty() && added == units))
            continue; // nothing to record, or still one to one
        if (origin->isEmpty()) {
            // The first character that folds to another length: the positions so far agree.
            origin->reserve(text.size() + 8);
            for (qsizetype k = 0; k < before; ++k)
                origin->append(int(k));
        }
        for (qsizetype k = 0; k < added; ++k)
            origin->append(int(i));
    }
}

} // namespace

TextFold::TextFold(QStringView text)
{
    FoldInto(text, m_folded, &m_origin);
}

QString TextFold::Fold(QStringView text)
{
    QString folded;
    FoldInto(text, folded, nullptr);
    return folded;
}

std::pair<int, int> TextFold::OriginalSpan(QStringView original, int start, int length) const
{
    int first = start;
    int end = start + length;
    if (!m_origin.isEmpty() && length > 0) {
        first = m_origin.value(start);
        end = m_origin.value(start + length - 1) + 1;
    }
    if (end < original.size() && QChar::isLowSurrogate(original[end].unicode()))
        ++end;
    while (end < original.size()) {
        const char16_t c = original[end].unicode();
        char32_t codePoint = c;
        int units = 1;
        if (QChar::isHighSurrogate(c) && end + 1 < original.size()) {
            codePoint = QChar::surrogateToUcs4(c, original[end + 1].unicode());
            units = 2;
        }
        if (!IsMark(codePoint))
            break;
        end += units;
    }
    return {first, end - first};
}
