#include "exchange/HeaderColumns.h"

HeaderColumns::HeaderColumns(const QStringList &header, const QList<QStringList> &wanted)
    : m_wanted(wanted)
{
    for (const QStringList &names : wanted) {
        int found = -1;
        int nameUsed = -1;
        for (int n = 0; n < names.size() && found < 0; ++n) {
            for (int i = 0; i < header.size(); ++i) {
                if (header[i].trimmed().compare(names[n], Qt::CaseInsensitive) == 0) {
                    found = i;
                    nameUsed = n;
                    break;
                }
            }
        }
        m_index.append(found);
        m_nameUsed.append(nameUsed);
    }
}

bool HeaderColumns::HasAll() const
{
    return !m_index.contains(-1);
}

QString HeaderColumns::FirstMissing() const
{
    const qsizetype missing = m_index.indexOf(-1);
    return missing < 0 ? QString() : m_wanted[missing].value(0);
}

QString HeaderColumns::Value(const QStringList &fields, int column) const
{
    const int index = m_index.value(column, -1);
    return index >= 0 ? fields.value(index) : QString();
}
