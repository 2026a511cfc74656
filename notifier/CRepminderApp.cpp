#include "notifier/CRepminderApp.h"

#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "notifier/CMainFrame.h"
#include "settings/DiaryLocation.h"
#include "settings/SettingsStore.h"

#include <QApplication>

CRepminderApp::CRepminderApp()
    : m_instance(QString::fromLatin1(LockName))
{
}

CRepminderApp::~CRepminderApp() = default;

int CRepminderApp::Run()
{
    if (!m_instance.TryAcquire())
        return 0; // one notifier at a time; the running one carries on

    m_settings = std::make_unique<SettingsStore>();
    m_database = std::make_unique<DiaryDatabase>();
    // The diary's version of a day both programs changed is kept; the notifier's goes aside.
    m_file = std::make_unique<SharedDiaryFile>(*m_database, DiaryMerge::Winner::Disk);
    // A missing or damaged file leaves the diary empty until a good file is written.
    m_file->Open(DiaryLocation::DatabasePath());

    int result = 0;
    {
        CMainFrame frame(*m_file, *m_settings);
        frame.Create();
        result = QApplication::exec();
        frame.Destroy();
    }
    m_file.reset();
    m_database.reset();
    m_settings.reset();
    m_instance.Release();
    return result;
}
