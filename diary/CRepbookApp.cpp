#include "diary/CRepbookApp.h"

#include "diary/CPasswordDlg.h"
#include "diary/CRepbookDlg.h"
#include "diary/QuitWhenShown.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/SideFile.h"
#include "settings/DiaryLocation.h"
#include "translations/AppLanguage.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <future>
#include <optional>

namespace {

const char CorruptedQuestion[] = QT_TRANSLATE_NOOP(
    "CRepbookApp",
    "Warning! Program database is corrupted.\nDo you want to create new database? All your "
    "information will be lost. To recover it contact developers.");
// The same question when the damaged file exists: it is kept, so nothing is lost.
const char CorruptedQuestionKeepingFile[] = QT_TRANSLATE_NOOP(
    "CRepbookApp",
    "Warning! Program database is corrupted.\nDo you want to create new database? The damaged "
    "file will be kept beside the new one. To recover it contact developers.");

QString NativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The question when a backup that passes its check is there to take the damaged diary's place.
QString RestoreQuestion(const DiaryBackups::Found &backup, bool damagedFileExists)
{
    QString text =
        QCoreApplication::translate("CRepbookApp",
                                    "Warning! Program database is corrupted.\nThe newest sound "
                                    "backup is %1.\n\nRestore that backup, create a new, empty "
                                    "database, or quit?")
            .arg(DiaryBackups::Describe(backup, AppLanguage::Locale()));
    if (damagedFileExists)
        text += QCoreApplication::translate("CRepbookApp",
                                            " The damaged file will be kept beside the diary.");
    return text;
}

} // namespace

CRepbookApp::CRepbookApp()
    : m_instance(QString::fromLatin1(LockName))
    , m_runMainWindow([](CRepbookDlg &window) {
        // The first-run user data dialog opens over the shown window.
        QTimer::singleShot(0, &window, &CRepbookDlg::OfferUserData);
        QuitWhenShown::Arm(window);
        window.exec();
    })
{
}

CRepbookApp::~CRepbookApp()
{
    Exit();
}

int CRepbookApp::Run()
{
    if (!m_instance.TryAcquire()) {
        MessageBox::Warning(
            nullptr, QCoreApplication::translate("CRepbookApp", "Application is already running"));
        return 1;
    }

    // Cancelling the password gate ends the program before the diary is touched.
    if (!CPasswordDlg::Pass())
        return 0;

    m_database = std::make_unique<DiaryDatabase>();
    m_file = std::make_unique<SharedDiaryFile>(*m_database, DiaryMerge::Winner::Memory);
    const QString path = DiaryLocation::DatabasePath();
    const bool firstStart = PrepareDatabaseFolder(path);
    // The file is read and checked on another core while this thread builds the window. The
    // window is not shown, and no event is handled, before the diary has its days.
    std::future<SharedDiaryFile::Reading> reading =
        std::async(std::launch::async | std::launch::deferred, SharedDiaryFile::Read, path);
    auto window = std::make_unique<CRepbookDlg>(*m_file);
    if (!m_file->Open(reading.get()) && !firstStart) {
        // The questions about a damaged file run event loops: no window may act meanwhile.
        window.reset();
        if (AskAboutDamagedFile(path) == Preparation::Quit) {
            Exit();
            return 1;
        }
        window = std::make_unique<CRepbookDlg>(*m_file);
    }
    window->Refresh(CRepbookDlg::KeepScroll);
    m_runMainWindow(*window);
    window.reset();
    Exit();
    return 0;
}

QString CRepbookApp::DamagedFileName(const QString &databasePath, const QDateTime &moment)
{
    return SideFile::Name(databasePath, QStringLiteral("damaged"), moment);
}

bool CRepbookApp::PrepareDatabaseFolder(const QString &path)
{
    // On the very first start the Database folder does not exist yet: it is created together
    // with an empty diary, and there is nothing to ask about.
    const QString folder = DiaryLocation::Folder();
    const bool folderExisted = QFileInfo(folder).isDir();
    DiaryLocation::EnsureFolder();
    const bool firstStart = !folderExisted && QFileInfo(folder).isDir() && !QFileInfo::exists(path);
    if (firstStart)
        CreateEmptyDatabase(path);
    return firstStart;
}

CRepbookApp::Preparation CRepbookApp::AskAboutDamagedFile(const QString &path)
{
    const bool damagedFileExists = QFileInfo::exists(path);
    const std::optional<DiaryBackups::Found> backup =
        DiaryBackups(path, DiaryLocation::BackupFolder(path)).NewestSound();
    bool restore = false;
    bool create = false;
    if (backup) {
        const MessageBox::Button answer = MessageBox::Error(
            nullptr, RestoreQuestion(*backup, damagedFileExists),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QString(),
            {{QMessageBox::Yes, QCoreApplication::translate("CRepbookApp", "&Restore backup")},
             {QMessageBox::No, QCoreApplication::translate("CRepbookApp", "&New database")},
             {QMessageBox::Cancel, QCoreApplication::translate("CRepbookApp", "&Quit")}});
        restore = answer == QMessageBox::Yes;
        create = answer == QMessageBox::No;
    } else {
        create = MessageBox::Error(nullptr,
                                   QCoreApplication::translate("CRepbookApp",
                                                               damagedFileExists
                                                                   ? CorruptedQuestionKeepingFile
                                                                   : CorruptedQuestion),
                                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    if (!restore && !create) {
        MessageBox::Information(
            nullptr, QCoreApplication::translate("CRepbookApp", "Application is closing."));
        return Preparation::Quit;
    }
    if (damagedFileExists && !KeepDamagedFile(path))
        return Preparation::Quit;
    if (restore)
        return RestoreBackup(path, backup->entry.path);
    CreateEmptyDatabase(path);
    m_file->Open(path);
    return Preparation::Ready;
}

CRepbookApp::Preparation CRepbookApp::RestoreBackup(const QString &path, const QString &backupPath)
{
    const DiaryBackups backups(path, DiaryLocation::BackupFolder(path));
    backups.MarkRestoredFrom(backupPath);
    if (!QFile::copy(backupPath, path) || !m_file->Open(path)) {
        MessageBox::Error(nullptr,
                          QCoreApplication::translate("CRepbookApp",
                                                      "The backup could not be restored to:\n%1\n"
                                                      "Application is closing.")
                              .arg(NativePath(path)));
        return Preparation::Quit;
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return Preparation::Ready;
}

bool CRepbookApp::KeepDamagedFile(const QString &path)
{
    const QString keptName = SideFile::FreeName(path, QStringLiteral("damaged"));
    if (!QFile::rename(path, keptName)) {
        MessageBox::Error(
            nullptr,
            QCoreApplication::translate("CRepbookApp",
                                        "The damaged database could not be set aside:\n"
                                        "%1\nIt was left unchanged. Application is "
                                        "closing.")
                .arg(NativePath(path)));
        return false;
    }
    MessageBox::Information(
        nullptr,
        QCoreApplication::translate("CRepbookApp", "The damaged database was kept as:\n%1")
            .arg(NativePath(keptName)));
    return true;
}

void CRepbookApp::CreateEmptyDatabase(const QString &path)
{
    // NewOnly: an existing file, whatever it holds, is never truncated here.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        MessageBox::Warning(
            nullptr,
            QCoreApplication::translate("CRepbookApp",
                                        "A new database could not be created:\n%1\n"
                                        "The diary opens empty and cannot be saved.")
                .arg(NativePath(path)));
        return;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void CRepbookApp::Exit()
{
    m_file.reset();
    if (m_database) {
        m_database->RemoveAllDays();
        m_database.reset();
    }
    m_instance.Release();
}
