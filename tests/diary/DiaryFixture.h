#pragma once

#include "common/DiaryText.h"
#include "common/GuiTest.h"
#include "common/TestFiles.h"
#include "model/DateValue.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class CRepbookDlg;
class DiaryDatabase;
class SharedDiaryFile;
class QWidget;

// Helpers the diary program's tests share: diaries on disk, the settings store and the clock.
namespace diarytest {

// Diaries in the tests' notation (common/DiaryText.h).
using testsupport::BuildDiary;
using testsupport::ClearSettings;
using testsupport::DatabaseFolderEntries;
using testsupport::DateText;
using testsupport::DescribeDiary;
using testsupport::DescribeDiaryFile;
using testsupport::ReadFile;
using testsupport::ResetDatabaseFolder;
using testsupport::WriteDiary;
using testsupport::WriteFile;

DateValue Date(int year, int month, int day);
// Stores the calendar's range (start as "D.M.YYYY") and that the user data was confirmed, so
// that a window opens on that range without the first-run dialog.
void StoreRange(const QString &start, int days);

// The calendar cells that do not follow the diary, empty when all do: every in-range cell must
// refer to the day of its date, every other cell to none.
QString CellsNotFollowingTheDiary(const CRepbookDlg &window, DiaryDatabase &database);

// The main window on file: its calendar stored as start ("D.M.YYYY") and days, as the last run
// left it, 900 x 700, shown; also active when activate is set (a case fails when it cannot be).
std::unique_ptr<CRepbookDlg> OpenWindow(SharedDiaryFile &file, bool activate = false,
                                        const QString &start = QStringLiteral("1.3.2007"),
                                        int days = 31);

// Writes a training program of days (the notation) to path; false when it cannot.
bool WriteProgram(const QString &path, const QString &days);

// Clicks the button of window with text; fails the case when there is none.
void ClickButton(QWidget *window, const QString &text);

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

using testsupport::WhenModal;

// Tuesday 20 March 2007, 10:00: the clock of the window's tests.
inline const QDateTime CaseStart(QDate(2007, 3, 20), QTime(10, 0));

// A test class of the main window: each case starts at CaseStart with an
// empty diary, and fails when it leaves a window or a box open.
class WindowCase : public QObject
{
    Q_OBJECT

protected slots:
    void init()
    {
        testsupport::BeginGuiCase(CaseStart);
        m_database = &m_diary.Reset();
    }
    void cleanup() { REPBOOK_END_GUI_CASE(); }

protected:
    DiaryUnderTest m_diary;
    DiaryDatabase *m_database = nullptr; // m_diary's
};

} // namespace diarytest
