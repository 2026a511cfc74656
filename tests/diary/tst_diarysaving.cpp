#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/DayOperations.h"
#include "diary/DiarySaving.h"
#include "editing/CDayTabCtrl.h"
#include "model/ConflictCopyMerge.h"
#include "model/DataFolder.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/SyncBase.h"
#include "model/TrainingDay.h"
#include "widgets/MessageBox.h"
#include "widgets/SessionEnd.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>

#include <csignal>

using namespace diarytest;

namespace {

const DateValue Fifth = Date(2007, 3, 5);
const DateValue Sixth = Date(2007, 3, 6);
const DateValue Ninth = Date(2007, 3, 9);

// The notifier's side of the file: its own container, whose version loses a date both change.
struct OtherProgram
{
    OtherProgram()
        : file(database, DiaryMerge::Winner::Disk)
    {
        file.Open(DataFolder::DatabasePath());
    }
    void SetNotes(const DateValue &date, const QString &notes)
    {
        database.FindDay(date)->SetNotes(notes);
    }
    DiaryDatabase database;
    SharedDiaryFile file;
};

} // namespace

class TestDiarySaving : public WindowCase
{
    Q_OBJECT

private slots:
    void init()
    {
        WindowCase::init();
        QVERIFY(WriteDiary(DataFolder::DatabasePath(),
                           QStringLiteral(R"(5.3.2007 "fifth" Legs; 6.3.2007 "sixth" Back)")));
        QVERIFY(m_diary.File().Open(DataFolder::DatabasePath()));
    }
    void unchangedDiaryIsNotWritten()
    {
        auto window = OpenWindow(m_diary.File());
        QCOMPARE(window->Saving().SaveTimer()->interval(), 60000);
        QVERIFY(window->Saving().SaveTimer()->isActive());
        const QString path = DataFolder::DatabasePath();
        // A save replaces the file: the same inode means nothing was written, even the same bytes.
        const quint64 written = testsupport::FileIdentity(path);
        window->Saving().SaveNow();
        QCOMPARE(testsupport::FileIdentity(path), written);

        m_database->FindDay(Fifth)->SetNotes(QStringLiteral("changed"));
        window->Saving().SaveNow();
        QVERIFY(testsupport::FileIdentity(path) != written);
        const QString saved = QStringLiteral(R"(5.3.2007 "changed" Legs; 6.3.2007 "sixth" Back)");
        QCOMPARE(DescribeDiaryFile(path), saved);
        // Once stopped (the window closing after its last save), nothing is written any more.
        window->Saving().Stop();
        m_database->FindDay(Fifth)->SetNotes(QStringLiteral("after the end"));
        window->Saving().SaveNow();
        QCOMPARE(DescribeDiaryFile(path), saved);
    }
    void otherProgramsSaveIsShown_data()
    {
        QTest::addColumn<QString>("changedHere"); // notes of the 5th or the 6th changed here first
        QTest::addColumn<QString>("expectedFifth");
        QTest::addColumn<QString>("expectedSixth");
        QTest::addColumn<bool>("conflict");
        QTest::addColumn<bool>("viaCopy"); // the other computer's version comes as a sync copy

        for (const bool viaCopy : {false, true}) {
            const QString how = viaCopy ? QStringLiteral(" (sync copy)") : QString();
            const auto row = [&](const char *name, const char *here, const char *fifth,
                                 const char *sixth, bool conflict) {
                QTest::newRow(qPrintable(name + how))
                    << QString::fromLatin1(here) << QString::fromLatin1(fifth)
                    << QString::fromLatin1(sixth) << conflict << viaCopy;
            };
            row("nothing changed here", "", "results", "sixth", false);
            row("another day changed here", "6", "results", "here", false);
            row("the same day changed here", "5", "here", "sixth", true);
        }
    }
    void otherProgramsSaveIsShown()
    {
        QFETCH(QString, changedHere);
        QFETCH(QString, expectedFifth);
        QFETCH(QString, expectedSixth);
        QFETCH(bool, conflict);
        QFETCH(bool, viaCopy);

        const QString path = DataFolder::DatabasePath();
        if (viaCopy) {
            // Both computers agreed on the file as it is when the other one changed it.
            SyncBase base(SyncBase::PathFor(path));
            base.AgreeOn(DiaryMerge::GroupByDate(*m_database));
            QVERIFY(base.Save());
        }
        auto window = OpenWindow(m_diary.File());
        window->SelectDay(window->CellOf(Fifth).row, window->CellOf(Fifth).col);
        if (!changedHere.isEmpty())
            m_database->FindDay(changedHere == QLatin1String("5") ? Fifth : Sixth)
                ->SetNotes(QStringLiteral("here"));

        // The notifier fills in the results of the 5th and adds the 9th, while the diary is open.
        OtherProgram notifier;
        notifier.SetNotes(Fifth, QStringLiteral("results"));
        QVERIFY(BuildDiary(notifier.database, DateText(Ninth) + QStringLiteral(" \"added\"")));
        if (conflict)
            MessageBox::setNextAnswers({QMessageBox::Ok});
        if (viaCopy)
            QVERIFY(
                WriteFile(DataFolder::DatabaseFolder() +
                              QStringLiteral("/Database.sync-conflict-20070320-100000-OTHERPC.rpd"),
                          DatabaseWriter::FileBytes(notifier.database)));
        else
            QVERIFY(notifier.file.Save().saved);

        // What the file watcher calls, called here so that the case does not hang on the watcher.
        window->Saving().TakeInChanges();
        // A copy is read on a worker thread and merged once the window is idle again.
        QTRY_COMPARE(NotesInCell(*window, Ninth), QStringLiteral("added"));
        QCOMPARE(NotesInCell(*window, Fifth), expectedFifth);
        QCOMPARE(NotesInCell(*window, Sixth), expectedSixth);
        QCOMPARE(window->NotesPane()->toPlainText(), expectedFifth);
        // The workout area shows the day afresh, its tab measured for the workout's name.
        const QTabBar *tabs = window->WorkoutArea()->GetTabBar();
        QCOMPARE(tabs->count(), 1);
        QVERIFY(tabs->tabRect(0).width() >
                tabs->fontMetrics().horizontalAdvance(QStringLiteral("Legs")));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), conflict ? 1 : 0);
        if (conflict) {
            QVERIFY(shown.at(0).text.contains(
                QStringLiteral("changed days that were also changed here:")));
            const QStringList conflictFiles =
                DatabaseFolderEntries().filter(QStringLiteral(".conflict-"));
            QCOMPARE(conflictFiles.size(), 1);
            QVERIFY(shown.at(0).text.contains(conflictFiles.at(0)));
        }

        QCOMPARE(ConflictCopyMerge::FindAll(path), QStringList());

        // What both programs did ends up in the file.
        window->Saving().SaveNow();
        QCOMPARE(DescribeDiaryFile(path),
                 QStringLiteral(R"(5.3.2007 "%1" Legs; 6.3.2007 "%2" Back; 9.3.2007 "added")")
                     .arg(expectedFifth, expectedSixth));
    }
    void openDialogPutsOffTakingIn()
    {
        auto window = OpenWindow(m_diary.File());
        QDialog dialog(window.get());
        dialog.setModal(true);
        dialog.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &dialog);

        OtherProgram notifier;
        notifier.SetNotes(Fifth, QStringLiteral("results"));
        QVERIFY(notifier.file.Save().saved);
        // While the dialog may hold a day, the days stay as they are. Taking in is called directly
        // (the file watcher's call), so the check does not hang on how soon the watcher reports.
        window->Saving().TakeInChanges();
        QCOMPARE(NotesInCell(*window, Fifth), QStringLiteral("fifth"));

        dialog.close();
        QTRY_COMPARE_WITH_TIMEOUT(NotesInCell(*window, Fifth), QStringLiteral("results"),
                                  DiarySaving::RetryWhenBusyMs * 3);
    }
    // A day being moved that another program removes meanwhile is no longer moved.
    void moveOfADayRemovedElsewhereEnds()
    {
        auto window = OpenWindow(m_diary.File());
        const CalendarCell fifth = window->CellOf(Fifth);
        window->SelectDay(fifth.row, fifth.col);
        MessageBox::setNextAnswers({QMessageBox::Ok}); // "Choose the target day."
        window->DayCommands().StartMove();
        QVERIFY(window->DayCommands().PendingMoveSource());
        OtherProgram notifier;
        notifier.database.RemoveDay(0);
        QVERIFY(notifier.file.Save().saved);
        window->Saving().TakeInChanges();
        QVERIFY(!m_database->FindDay(Fifth));
        QCOMPARE(window->DayCommands().PendingMoveSource(), nullptr);
    }
    void failedSaveReportedOnceAndExitOffersRetry_data()
    {
        QTest::addColumn<bool>("retryWorks");
        QTest::newRow("retry after the folder is back") << true;
        QTest::newRow("exit without saving") << false;
    }
    void failedSaveReportedOnceAndExitOffersRetry()
    {
        QFETCH(bool, retryWorks);
        auto window = OpenWindow(m_diary.File());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        ResetDatabaseFolder(false);
        m_database->FindDay(Sixth)->SetNotes(QStringLiteral("first"));

        MessageBox::setNextAnswers({QMessageBox::Ok});
        window->Saving().SaveNow();
        window->Saving().SaveNow();
        QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).icon, QMessageBox::Warning);
        QVERIFY(shown.at(0).text.startsWith(QStringLiteral("The diary could not be saved to:\n")));
        // Once a save works again, the next failure is told again.
        ResetDatabaseFolder(true);
        window->Saving().SaveNow();
        ResetDatabaseFolder(false);
        m_database->FindDay(Sixth)->SetNotes(QStringLiteral("unsaved"));
        MessageBox::setNextAnswers({QMessageBox::Ok});
        window->Saving().SaveNow();
        QCOMPARE(MessageBox::takeShown().size(), 1);

        // Leaving is asked about: staying keeps the window.
        MessageBox::setNextAnswers({QMessageBox::Yes, QMessageBox::Cancel});
        window->close();
        QVERIFY(window->isVisible());
        shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).icon, QMessageBox::Critical);
        QCOMPARE(shown.at(1).buttons,
                 QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel);
        const QString date = QLocale().toString(Sixth.ToQDate(), QLocale::ShortFormat);
        QVERIFY2(shown.at(1).text.contains(QStringLiteral("Not saved: the days of ") + date),
                 qPrintable(shown.at(1).text));

        // With the folder back the save works; else Retry fails and asks again, and Discard leaves
        // without the change.
        if (retryWorks)
            ResetDatabaseFolder(true);
        MessageBox::setNextAnswers(
            retryWorks ? QList {QMessageBox::Yes}
                       : QList {QMessageBox::Yes, QMessageBox::Retry, QMessageBox::Discard});
        window->close(); // every answer taken, no box more: see cleanup()
        QVERIFY(!window->isVisible());
        QCOMPARE(DescribeDiaryFile(DataFolder::DatabasePath()),
                 retryWorks ? QStringLiteral(R"(5.3.2007 "fifth" Legs; 6.3.2007 "unsaved" Back)")
                            : QStringLiteral("<unreadable>"));
    }
    void changeReachesTheFileBeforeTheEnd_data()
    {
        QTest::addColumn<int>("signal"); // 0: none, the file is watched until it holds the change
        QTest::addColumn<int>("afterMs"); // from the change to the signal
        QTest::newRow("no signal") << 0 << 0;
        QTest::newRow("TERM a second later") << SIGTERM << 1000;
        QTest::newRow("TERM at once") << SIGTERM << 0;
        QTest::newRow("HUP at once") << SIGHUP << 0;
        QTest::newRow("INT at once") << SIGINT << 0;
    }
    // The main window in a process of its own removes the fifth; a logout, kill or Ctrl+C, or no
    // signal at all, and the file no longer holds that day.
    void changeReachesTheFileBeforeTheEnd()
    {
        QFETCH(int, signal);
        QFETCH(int, afterMs);
        const auto fileHoldsTheChange = [] {
            DiaryDatabase saved;
            return saved.Open(DataFolder::DatabasePath()) && saved.GetDayCount() == 1 &&
                saved.FindDay(Sixth) != nullptr;
        };
        QProcess diary;
        diary.start(QCoreApplication::applicationDirPath() + QStringLiteral("/session_victim"));
        QVERIFY(diary.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += diary.readAllStandardOutput()).contains("changed"),
                                 60000);
        if (signal == 0)
            QTRY_VERIFY_WITH_TIMEOUT(fileHoldsTheChange(), 30000);
        QTest::qWait(afterMs);
        ::kill(static_cast<pid_t>(diary.processId()), signal == 0 ? SIGTERM : signal);
        QVERIFY(diary.waitForFinished(60000));
        QCOMPARE(diary.exitStatus(), QProcess::NormalExit);
        QCOMPARE(diary.exitCode(), 0);
        QVERIFY(fileHoldsTheChange());
    }

    // However many signals come, the program is told once that it ends.
    void endComesOnce()
    {
        SessionEnd end;
        QVERIFY(end.WatchesSignals());
        QSignalSpy ending(&end, &SessionEnd::Ending);
        ::raise(SIGHUP);
        QTRY_COMPARE(ending.count(), 1);
        ::raise(SIGINT);
        // The signal's byte waits in the socket already: one round of events reads it.
        QCoreApplication::processEvents();
        QCOMPARE(ending.count(), 1);
    }

private:
    QString NotesInCell(const CRepbookDlg &window, const DateValue &date) const
    {
        const CalendarCell cell = window.CellOf(date);
        const TrainingDay *day = window.DayAt(cell.row, cell.col);
        return day ? day->GetNotes() : QStringLiteral("<no day>");
    }
};

REPBOOK_TEST_MAIN(TestDiarySaving)
#include "tst_diarysaving.moc"
