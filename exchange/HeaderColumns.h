#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finds the columns of a CSV file by the names in its header record. Each wanted column has one
// or more accepted names; names compare without case and surrounding blanks.
class HeaderColumns
{
public:
    HeaderColumns(const QStringList &header, const QList<QStringList> &wanted);

    bool Has(int column) const { return m_index.value(column, -1) >= 0; }
    bool HasAll() const;
    // The first accepted name of the first column the header lacks.
    QString FirstMissing() const;
    // Which of the column's accepted names the header uses (-1: none).
    int NameUsed(int column) const { return m_nameUsed.value(column, -1); }
    // The column's field of a record; empty when the header or the record lacks it.
    QString Value(const QStringList &fields, int column) const;

private:
    QList<QStringList> m_wanted;
    QList<int> m_index;
    QList<int> m_nameUsed;
};
