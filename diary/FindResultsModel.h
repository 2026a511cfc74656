#pragma once

#include "stats/DiarySearch.h"

#include <QAbstractTableModel>
#include <QList>

// The Find window's results as a table: date, where it matched, and the matched text on one
// line with the match's place for the highlight (CHighlightDelegate).
class FindResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DateColumn, WhereColumn, TextColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Takes new results; nothing changes (and the views keep their place) when they equal the
    // present ones. True when they differed.
    bool SetMatches(const QList<SearchMatch> &matches);
    const QList<SearchMatch> &Matches() const { return m_matches; }

    // "Day note", "Workout", "Exercise", "Exercise note".
    static QString WhereText(SearchField field);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<SearchMatch> m_matches;
};
