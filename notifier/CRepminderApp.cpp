#include "notifier/CRepminderApp.h"

#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "notifier/CMainFrame.h"
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
    // A missing or damaged file leaves the diary empty: no workout is announced until the
    // notifier starts again with a good file.
    m_database->Open(DataFolder::DatabasePath());

    int result = 0;
    {
        CMainFrame frame(*m_database, *m_settings);
        frame.Create();
        result = QApplication::exec();
        frame.Destroy();
    }
    m_database.reset();
    m_settings.reset();
    m_instance.Release();
    return result;
}
