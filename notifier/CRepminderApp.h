#pragma once

#include "model/SingleInstance.h"

#include <memory>

class CMainFrame;
class DiaryDatabase;
class SettingsStore;
class SharedDiaryFile;

// The notifier's application object: one copy at a time (a second start ends silently), the
// settings store shared with the diary, the diary database read from the diary's data folder,
// and the hidden main object that runs until the user chooses Exit.
class CRepminderApp
{
public:
    static constexpr char LockName[] = "RepminderWndClass.lock";

    CRepminderApp();
    ~CRepminderApp();
    CRepminderApp(const CRepminderApp &) = delete;
    CRepminderApp &operator=(const CRepminderApp &) = delete;

    // The whole life of the program; the result is the process exit code.
    int Run();

    // The notifier's diary; null outside Run.
    DiaryDatabase *GetDatabase() const { return m_database.get(); }

private:
    SingleInstance m_instance;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<DiaryDatabase> m_database;
    std::unique_ptr<SharedDiaryFile> m_file; // the database's file, shared with the diary
};
