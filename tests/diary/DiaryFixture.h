#pragma once

#include "model/DateValue.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class DiaryDatabase;
class SharedDiaryFile;

// Helpers the diary program's tests share: diaries on disk, the settings store and the clock.
namespace diarytest {

struct DaySpec
{
    DateValue date;
    QString notes;
    QStringList workouts;
};

// Adds the days to a diary in memory.
void AddDays(DiaryDatabase &database, const QList<DaySpec> &days);
// Writes a diary of the given days to path through the model; false when it cannot.
bool WriteDiary(const QString &path, const QList<DaySpec> &days);
QByteArray ReadFile(const QString &path);
bool WriteFile(const QString &path, const QByteArray &bytes);

// Forgets every stored setting of both programs.
void ClearSettings();
// Empties the diary's Database folder, or removes it when exists is false.
void ResetDatabaseFolder(bool exists = true);
// The names of the files in the Database folder.
QStringList DatabaseFolderEntries();

DateValue Date(int year, int month, int day);

// The diary a window under test works on: an empty container bound to the data folder's
// database file, and its shared file (the diary's side).
class DiaryUnderTest
{
public:
    DiaryUnderTest();
    ~DiaryUnderTest();
    // Starts afresh; the container is valid until the next Reset.
    DiaryDatabase &Reset();
    SharedDiaryFile &File() const { return *m_file; }

private:
    std::unique_ptr<DiaryDatabase> m_database;
    std::unique_ptr<SharedDiaryFile> m_file;
};

// Runs act on the modal dialog of type Dialog as soon as it is open.
template<typename Dialog>
void WhenModal(std::function<void(Dialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

} // namespace diarytest
