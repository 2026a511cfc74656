#include "model/SyncBase.h"

#include "model/DataFolder.h"
#include "model/DatabaseFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Enough to recognise every copy that may still travel between the computers.
constexpr qsizetype MergedKept = 200;

QByteArray Hex(quint64 value)
{
    return QByteArray::number(value, 16);
}

QByteArray FingerprintText(const Fingerprint &print)
{
    return Hex(print.high) + ' ' + Hex(print.low);
}

bool ParseFingerprint(const QList<QByteArray> &words, qsizetype at, Fingerprint &print)
{
    bool highOk = false;
    bool lowOk = false;
    print.high = words.value(at).toULongLong(&highOk, 16);
    print.low = words.value(at + 1).toULongLong(&lowOk, 16);
    return highOk && lowOk;
}

} // namespace

SyncBase::SyncBase(QString path)
    : m_path(std::move(path))
{
}

QString SyncBase::PathFor(const QString &diaryPath)
{
    const QString diary = QDir::cleanPath(QFileInfo(diaryPath).absoluteFilePath());
    const Fingerprint print = Fingerprint::Of(diary.toUtf8());
    return DataFolder::ProgramFolder() + QStringLiteral("/SyncBase/") +
        QString::fromLatin1(Hex(print.high) + Hex(print.low)) + QStringLiteral(".txt");
}

// One line per agreed date, "d KEY YEAR MONTH DAY HIGH LOW", and per merged copy, "m HIGH LOW".
bool SyncBase::Load()
{
    m_groups.clear();
    m_merged.clear();
    if (!QFileInfo::exists(m_path))
        return true;
    QByteArray bytes;
    if (!DatabaseFile::ReadWhole(m_path, bytes))
        return false;
    for (const QByteArray &line : bytes.split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        Fingerprint print;
        if (words.first() == "m" && ParseFingerprint(words, 1, print)) {
            m_merged.append(print);
        } else if (words.first() == "d" && ParseFingerprint(words, 5, print)) {
            const DateValue date =
                DateValue::FromDate(words.at(2).toInt(), words.at(3).toInt(), words.at(4).toInt());
            if (date.DayKey() == words.at(1).toLongLong() && date.IsValid())
                m_groups.insert(date.DayKey(), {date, print});
        }
    }
    return true;
}

bool SyncBase::Save() const
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QByteArray bytes;
    // About 60 bytes a date; appended in place, without a temporary text per field.
    bytes.reserve(m_groups.size() * 64 + m_merged.size() * 36);
    QByteArray number;
    const auto append = [&](qint64 value, char after) {
        bytes += number.setNum(value);
        bytes += after;
    };
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        const DateValue &date = it->date;
        bytes += "d ";
        append(it.key(), ' ');
        append(date.GetYear(), ' ');
        append(date.GetMonth(), ' ');
        append(date.GetDay(), ' ');
        bytes += number.setNum(it->records.high, 16);
        bytes += ' ';
        bytes += number.setNum(it->records.low, 16);
        bytes += '\n';
    }
    for (const Fingerprint &print : m_merged)
        bytes += "m " + FingerprintText(print) + '\n';
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void SyncBase::Agree(const DiaryMerge::Groups &a, const DiaryMerge::Groups &b)
{
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const auto other = b.constFind(it.key());
        if (other != b.cend() && other->records == it->records && it->date.IsValid())
            m_groups.insert(it.key(), *it);
    }
    for (auto it = m_groups.begin(); it != m_groups.end();) {
        if (!a.contains(it.key()) && !b.contains(it.key()))
            it = m_groups.erase(it);
        else
            ++it;
    }
}

void SyncBase::MarkMerged(const Fingerprint &copy)
{
    if (WasMerged(copy))
        return;
    m_merged.append(copy);
    if (m_merged.size() > MergedKept)
        m_merged.remove(0, m_merged.size() - MergedKept);
}
