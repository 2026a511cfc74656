#include "notifier/CRepminderApp.h"

#include "editing/CDayDlg.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "notifier/CMainFrame.h"
#include "settings/DiaryLocation.h"
#include "settings/SettingsStore.h"
#include "widgets/SessionEnd.h"

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
        // When the session ends, or a signal asks the notifier to end, what an open day dialog
        // holds is saved as its OK would save it, without questions.
        SessionEnd sessionEnd;
        const auto saveQuietly = [this] {
            CDayDlg::TakeOpenEdits();
            if (m_file->HasUnsavedChanges())
                m_file->Save();
        };
        QObject::connect(&sessionEnd, &SessionEnd::SaveRequested, saveQuietly);
        QObject::connect(&sessionEnd, &SessionEnd::Ending, [saveQuietly] {
            saveQuietly();
            QApplication::exit(0);
        });
        result = QApplication::exec();
        frame.Destroy();
    }
    m_file.reset();
    m_database.reset();
    m_settings.reset();
    m_instance.Release();
    return result;
}
