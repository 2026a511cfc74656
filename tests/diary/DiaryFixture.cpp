#include "DiaryFixture.h"

#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace diarytest {

void AddDays(DiaryDatabase &database, const QList<DaySpec> &days)
{
    for (const DaySpec &wanted : days) {
        auto day = std::make_unique<TrainingDay>();
        day->SetDate(wanted.date);
        day->SetNotes(wanted.notes);
        for (const QString &name : wanted.workouts) {
            auto workout = std::make_unique<Workout>();
            workout->SetName(name);
            day->AddWorkout(std::move(workout));
        }
        database.AddDay(std::move(day));
    }
}

bool WriteDiary(const QString &path, const QList<DaySpec> &days)
{
    DiaryDatabase database;
    database.SetPath(path);
    AddDays(database, days);
    return database.Save();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size();
}

void ClearSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(SettingsKeys::Organization),
                       QLatin1String(SettingsKeys::Application));
    settings.clear();
    settings.sync();
}

void ResetDatabaseFolder(bool exists)
{
    QDir folder(DataFolder::DatabaseFolder());
    folder.removeRecursively();
    if (exists)
        QDir().mkpath(folder.path());
}

QStringList DatabaseFolderEntries()
{
    return QDir(DataFolder::DatabaseFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

DateValue Date(int year, int month, int day)
{
    return DateValue::FromDate(year, month, day);
}

DiaryUnderTest::DiaryUnderTest() = default;
DiaryUnderTest::~DiaryUnderTest() = default;

DiaryDatabase &DiaryUnderTest::Reset()
{
    m_file.reset();
    m_database = std::make_unique<DiaryDatabase>();
    m_database->SetPath(DataFolder::DatabasePath());
    m_file = std::make_unique<SharedDiaryFile>(*m_database, DiaryMerge::Winner::Memory);
    return *m_database;
}

} // namespace diarytest
