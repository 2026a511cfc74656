#include "model/DiaryDatabase.h"

#include "model/DatabaseFile.h"
#include "model/DatabaseReader.h"
#include "model/DatabaseWriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <future>

TrainingDay *DiaryDatabase::DateIndex::Find(const DateValue &date) const
{
    const auto found = m_days.find(date.DayKey());
    return found == m_days.end() ? nullptr : found->second;
}

bool DiaryDatabase::Open(const QString &path)
{
    m_path = path;
    if (path.isEmpty()) {
        // A container bound to no file starts afresh, with nothing to save.
        m_days.Clear();
        m_modified = false;
        return false;
    }
    QByteArray data;
    if (!DatabaseFile::ReadWhole(path, data))
        return false;
    const std::unique_ptr<DiaryDatabase> read = ReadChecked(data);
    if (!read)
        return false;
    TakeDaysFrom(*read);
    return true;
}

std::unique_ptr<DiaryDatabase> DiaryDatabase::ReadChecked(const QByteArray &data,
                                                          const std::function<void()> &besideCheck)
{
    // Reading is safe on any bytes, so it need not wait for the check.
    std::future<bool> intact = std::async(std::launch::async | std::launch::deferred, [&] {
        if (besideCheck)
            besideCheck();
        return CheckDatabaseIntegrityData(data);
    });
    auto days = std::make_unique<DiaryDatabase>();
    days->LoadFromData(data);
    if (!intact.get())
        return nullptr;
    return days;
}

bool DiaryDatabase::LoadFromData(const QByteArray &data)
{
    m_days.Clear();
    DatabaseReader(DatabaseFile::Split(data).content).ReadInto(*this);
    SetModified(false);
    return true;
}

void DiaryDatabase::TakeDaysFrom(DiaryDatabase &other)
{
    m_days = std::move(other.m_days);
    other.m_days.Clear();
    m_modified = other.m_modified;
    other.m_modified = false;
}

bool DiaryDatabase::Save()
{
    return Save(DatabaseWriter::FileBytes(*this));
}

bool DiaryDatabase::Save(const QByteArray &bytes)
{
    if (m_path.isEmpty())
        return false;
    const bool isNew = !QFileInfo::exists(m_path);
    QSaveFile file(m_path);
    // Unbuffered: a short write (a full disk, a size limit) shows in write()'s count. Through
    // the buffer it would only be lost in the flush, and commit() would still put a truncated
    // file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (isNew)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    SetModified(false);
    return true;
}

int DiaryDatabase::AddDay(std::unique_ptr<TrainingDay> day)
{
    const int index = m_days.Append(std::move(day));
    m_modified = true;
    return index;
}

int DiaryDatabase::InsertDay(int index, std::unique_ptr<TrainingDay> day)
{
    const int at = std::clamp(index, 0, m_days.Count());
    m_days.Insert(at, std::move(day));
    m_modified = true;
    return at;
}

TrainingDay *DiaryDatabase::GetDay(int index)
{
    return m_days.At(index);
}

const TrainingDay *DiaryDatabase::GetDay(int index) const
{
    return m_days.At(index);
}

TrainingDay *DiaryDatabase::FindDay(const DateValue &date)
{
    const int index = FindDayIndex(date);
    return index < 0 ? nullptr : m_days.At(index);
}

const TrainingDay *DiaryDatabase::FindDay(const DateValue &date) const
{
    const int index = FindDayIndex(date);
    return index < 0 ? nullptr : m_days.At(index);
}

int DiaryDatabase::FindDayIndex(const DateValue &date) const
{
    const qint64 key = date.DayKey();
    int index = 0;
    for (const auto &day : m_days) {
        if (day->GetDate().DayKey() == key)
            return index;
        ++index;
    }
    return -1;
}

int DiaryDatabase::RemoveDay(int index)
{
    m_days.Take(index);
    m_modified = true;
    return m_days.Count();
}

void DiaryDatabase::RemoveAllDays()
{
    m_days.Clear();
    m_modified = true;
}

bool DiaryDatabase::ReplaceDay(int index, std::unique_ptr<TrainingDay> day, bool deleteOld,
                               std::unique_ptr<TrainingDay> *oldDay)
{
    m_days.At(index); // an index outside the list raises before anything changes
    if (!day)
        return false;
    std::unique_ptr<TrainingDay> previous = m_days.Replace(index, std::move(day));
    if (!deleteOld && oldDay)
        *oldDay = std::move(previous);
    m_modified = true;
    return true;
}

std::unique_ptr<TrainingDay> DiaryDatabase::TakeDay(int index)
{
    std::unique_ptr<TrainingDay> day = m_days.Take(index);
    m_modified = true;
    return day;
}

bool DiaryDatabase::IsModified()
{
    for (const auto &day : m_days) {
        if (day->IsModified())
            m_modified = true;
    }
    return m_modified;
}

void DiaryDatabase::SetModified(bool modified)
{
    m_modified = modified;
    for (const auto &day : m_days)
        day->SetModified(modified);
}

DiaryDatabase::DateIndex DiaryDatabase::MakeDateIndex() const
{
    DateIndex index;
    index.m_days.reserve(static_cast<size_t>(m_days.Count()));
    for (const auto &day : m_days)
        index.m_days.try_emplace(day->GetDate().DayKey(), day.get());
    return index;
}
