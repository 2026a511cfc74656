#pragma once

#include "model/SingleInstance.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class CRepbookDlg;
class DiaryDatabase;
class SharedDiaryFile;

// The diary program's application object: makes sure only one copy runs, loads the diary
// database (offering its newest sound backup or a new one when the file fails its check, keeping
// the damaged file aside), runs the main window until the user leaves, and owns the one
// DiaryDatabase for all that time.
class CRepbookApp
{
public:
    // Shows the main window and returns when it has closed.
    using MainWindowRunner = std::function<void(CRepbookDlg &window)>;

    static constexpr char LockName[] = "Singletone.lock";

    CRepbookApp();
    ~CRepbookApp();
    CRepbookApp(const CRepbookApp &) = delete;
    CRepbookApp &operator=(const CRepbookApp &) = delete;

    // The whole life of the program; the result is the process exit code.
    int Run();

    // Replaces the modal run of the main window (tests drive the window and close it).
    void SetMainWindowRunner(MainWindowRunner runner) { m_runMainWindow = std::move(runner); }

    // The diary; null before start-up has loaded it and after the program has ended.
    DiaryDatabase *GetDatabase() const { return m_database.get(); }

    // The name a damaged database is kept under, beside the new one.
    static QString DamagedFileName(const QString &databasePath, const QDateTime &moment);

private:
    enum class Preparation { Ready, Quit };

    // Creates the data folder; true on the very first start, when an empty diary was made.
    static bool PrepareDatabaseFolder(const QString &path);
    // Offers the newest sound backup, a new diary or quitting for the file that failed its
    // check (or is missing), keeping the damaged one aside.
    Preparation AskAboutDamagedFile(const QString &path);
    // Puts a copy of the backup in the diary's place and opens it.
    Preparation RestoreBackup(const QString &path, const QString &backupPath);
    bool KeepDamagedFile(const QString &path);
    static void CreateEmptyDatabase(const QString &path);
    void Exit();

    SingleInstance m_instance;
    std::unique_ptr<DiaryDatabase> m_database;
    std::unique_ptr<SharedDiaryFile> m_file; // the database's file, shared with the notifier
    MainWindowRunner m_runMainWindow;
};
