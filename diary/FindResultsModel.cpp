#include "diary/FindResultsModel.h"

#include "translations/AppLanguage.h"
#include "widgets/CHighlightDelegate.h"

#include <QLocale>
#include <QTextDocument>

bool FindResultsModel::SetMatches(const QList<SearchMatch> &matches)
{
    if (matches == m_matches)
        return false;
    beginResetModel();
    m_matches = matches;
    endResetModel();
    return true;
}

QString FindResultsModel::WhereText(SearchField field)
{
    QString text = DiarySearch::FieldName(field);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

int FindResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_matches.size());
}

int FindResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_matches.size())
        return {};
    const SearchMatch &match = m_matches.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case DateColumn:
            return AppLanguage::Locale().toString(match.date, QLocale::ShortFormat);
        case WhereColumn:
            return WhereText(match.field);
        default:
            return DiarySearch::OneLine(match.text);
        }
    case Qt::ToolTipRole:
        if (index.column() == DateColumn)
            return AppLanguage::Locale().toString(match.date, QLocale::LongFormat);
        if (index.column() == TextColumn)
            return Qt::convertFromPlainText(match.text, Qt::WhiteSpaceNormal);
        return {};
    case Qt::UserRole:
        return match.date;
    case CHighlightDelegate::HighlightStartRole:
        return match.start;
    case CHighlightDelegate::HighlightLengthRole:
        return match.length;
    default:
        return {};
    }
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return tr("Date");
    case WhereColumn:
        return tr("Where");
    case TextColumn:
        return tr("Text");
    default:
        return {};
    }
}
