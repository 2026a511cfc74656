#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/CRestoreDlg.h"
#include "diary/CommandIds.h"
#include "diary/DiaryHistory.h"
#include "diary/DiarySaving.h"
#include "diary/MainMenu.h"
#include "diary/RestoreFlow.h"
#include "editing/CApplyProgramDlg.h"
#include "editing/CCommentDlg.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"
#include "widgets/CGridCtrl.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace diarytest;

namespace {

constexpr auto Yes = QMessageBox::Yes;
constexpr auto No = QMessageBox::No;
constexpr auto Ok = QMessageBox::Ok;

void AnswerNotes(const QString &text)
{
    WhenModal<CCommentDlg>([text](CCommentDlg *dialog) {
        dialog->findChild<QPlainTextEdit *>()->setPlainText(text);
        ClickButton(dialog, QStringLiteral("OK"));
    });
}

QStringList ShownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown &shown : MessageBox::takeShown())
        texts << shown.text;
    return texts;
}

} // namespace

class TestDiaryHistory : public WindowCase
{
    Q_OBJECT

private slots:
    void init();
    void commands_data();
    void commands();
    void randomSequenceUndoneToTheStart();
    void undoAcrossTheOtherProgram_data();
    void undoAcrossTheOtherProgram();
    void dailyBackupAndItsFailure();
    void restore_data();
    void restore();

private:
    std::unique_ptr<CRepbookDlg> OpenMarch();
    QByteArray Bytes() const { return DatabaseWriter::FileBytes(*m_database); }
};

void TestDiaryHistory::init()
{
    WindowCase::init();
    // Out of date order, a date twice, a day outside the range, a status.
    QVERIFY(WriteDiary(
        DataFolder::DatabasePath(),
        QStringLiteral(R"(20.3.2007 "Only notes"; 6.3.2007 "Heavy" Chest[Press] Back; )"
                       R"(7.3.2007 Own; 1.5.2006 Old[Row 3x8 50]; 7.3.2007 "Second" Twice)")));
    QVERIFY(m_diary.File().Open(DataFolder::DatabasePath()));
    m_database->GetDay(1)->GetWorkout(0)->SetStatus(ProgressStatus::Failed, false);
    MessageBox::takeShown();
}

std::unique_ptr<CRepbookDlg> TestDiaryHistory::OpenMarch()
{
    auto window = OpenWindow(m_diary.File());
    const CalendarCell cell = window->CellOf(Date(2007, 3, 6));
    window->SelectDay(cell.row, cell.col);
    return window;
}

void TestDiaryHistory::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("step");
    for (const char *row : {"Swap:Swap 6 March", "Merge:Merge 6 March", "Move:Move 6 March",
                            "Copy:Copy 6 March", "view:Edit 6 March", "remove:Remove 6 March",
                            "notes:Notes 6 March", "apply:Apply program", "mark:Mark 6 March"})
        QTest::newRow(row) << QString::fromLatin1(row).section(u':', 0, 0)
                           << QString::fromLatin1(row).section(u':', 1);
}

void TestDiaryHistory::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, step);
    const QByteArray before = Bytes();
    auto window = OpenMarch();
    if (command == QStringLiteral("view")) {
        WhenModal<CDayDlg>([](CDayDlg *dialog) {
            dialog->GetDay()->SetNotes(QStringLiteral("Changed"));
            dialog->GetDay()->GetWorkout(1)->SetStatus(ProgressStatus::Done, true);
            ClickButton(dialog, QStringLiteral("OK"));
        });
        window->ExecuteCommand(CommandId::View);
    } else if (command == QStringLiteral("remove")) {
        MessageBox::setNextAnswers({Yes});
        window->ExecuteCommand(CommandId::RemoveSelected);
    } else if (command == QStringLiteral("notes")) {
        AnswerNotes(QStringLiteral("Two\nlines"));
        window->ExecuteCommand(CommandId::Notes);
    } else if (command == QStringLiteral("mark")) { // the exercise menu's Done
        CGridCtrl *grid = window->WorkoutArea()->GetGrid();
        grid->SetSelectedRange(1, 0, 1, 1);
        testsupport::ChooseFromContextMenu(grid->viewport(), grid->CellRect(1, 1).center(), 0);
    } else if (command == QStringLiteral("apply")) {
        const QString program = QDir::temp().filePath(QStringLiteral("history-apply.rpp"));
        QVERIFY(WriteProgram(program, QStringLiteral("1.1.2007 A; 2.1.2007 B")));
        FileDialog::setNextFileNames({program});
        WhenModal<CApplyProgramDlg>([](CApplyProgramDlg *dialog) { dialog->accept(); });
        window->ExecuteCommand(CommandId::ApplyProgram);
    } else {
        // Swap and merge onto the 7th, which has days; move and copy onto the empty 9th.
        const bool onDay = command == QStringLiteral("Swap") || command == QStringLiteral("Merge");
        const bool yes = command == QStringLiteral("Swap") || command == QStringLiteral("Move");
        MessageBox::setNextAnswers({Ok, yes ? Yes : No});
        window->ExecuteCommand(CommandId::MoveSelected);
        const CalendarCell target = window->CellOf(Date(2007, 3, onDay ? 7 : 9));
        window->Grid()->SetSelectedRange(target.row, target.col, target.row, target.col);
        emit window->Grid()->selectionChangedTo(target.row, target.col);
    }
    const QByteArray after = Bytes();
    QVERIFY(after != before);
    QAction *undo = window->Commands()->Action(CommandId::Undo);
    QCOMPARE(undo->text(), QStringLiteral("&Undo ") + step + QStringLiteral("\tCtrl + Z"));
    for (int round = 0; round < 2; ++round) {
        QVERIFY(window->History().Undo());
        QCOMPARE(Bytes(), before);
        QVERIFY(!undo->isEnabled());
        QVERIFY(window->History().Redo());
        QCOMPARE(Bytes(), after);
    }
    {
        QDialog open(window.get()); // undo waits while a dialog is open
        open.setWindowModality(Qt::ApplicationModal);
        open.show();
        QVERIFY(!window->History().Undo() && Bytes() == after);
    }
    QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
    ShownTexts();
}

void TestDiaryHistory::randomSequenceUndoneToTheStart()
{
    DiaryHistory history(*m_database, nullptr, {});
    QRandomGenerator random(17);
    QList<QByteArray> states = {Bytes()};
    for (int step = 0; step < DiaryHistory::StepLimit; ++step) {
        const int count = m_database->GetDayCount();
        TrainingDay *day = count ? m_database->GetDay(random.bounded(count)) : nullptr;
        const DateValue other = Date(2007, 3, 1 + random.bounded(6));
        const DateValue date = day ? day->GetDate() : other;
        const auto change = [&](const QList<DateValue> &dates, const std::function<void()> &f) {
            history.Record(QStringLiteral("step"), dates, f);
        };
        switch (day ? random.bounded(5) : 0) {
        case 0: // perhaps a second day of its date
            change({other}, [&] {
                BuildDiary(*m_database, DateText(other) + QStringLiteral(" \"%1\" W").arg(step));
            });
            break;
        case 1:
            change({date}, [&] { m_database->RemoveDay(m_database->FindDayIndex(date)); });
            break;
        case 2: // a move, or a swap with the first day of the other date
            change({date, other}, [&] {
                if (TrainingDay *target = m_database->FindDay(other))
                    target->SetDate(date);
                day->SetDate(other);
            });
            break;
        case 3: // a change recorded inside another is part of the outer step
            change({date}, [&] {
                history.RecordAny("inner", [&] { day->SetNotes(day->GetNotes() + "+"); });
            });
            break;
        default: // dates found by comparison
            history.RecordAny(QStringLiteral("any"), [&] {
                if (day->GetWorkoutCount() > 0)
                    day->GetWorkout(0)->SetStatus(ProgressStatus::Done, true);
                change({other}, [&] { BuildDiary(*m_database, DateText(other) + " X"); });
            });
        }
        if (Bytes() != states.last())
            states.append(Bytes());
    }
    QVERIFY(states.size() > 80);
    QCOMPARE(history.Stack()->count(), states.size() - 1);
    for (qsizetype i = states.size() - 1; i > 0; --i) {
        QCOMPARE(Bytes(), states.at(i));
        QVERIFY(history.Undo());
    }
    QCOMPARE(Bytes(), states.first());
    while (history.Redo()) { }
    QCOMPARE(Bytes(), states.last());
}

void TestDiaryHistory::undoAcrossTheOtherProgram_data()
{
    QTest::addColumn<int>("otherDay"); // the March date the other program changes
    QTest::newRow("same date") << 6;
    QTest::newRow("other date") << 20;
}

void TestDiaryHistory::undoAcrossTheOtherProgram()
{
    QFETCH(int, otherDay);
    const bool undone = otherDay != 6;
    auto window = OpenMarch();
    AnswerNotes(QStringLiteral("Mine"));
    window->ExecuteCommand(CommandId::Notes);
    window->Saving().SaveNow();

    DiaryDatabase other; // the notifier's save
    QVERIFY(other.Open(DataFolder::DatabasePath()));
    other.FindDay(Date(2007, 3, otherDay))->SetNotes(QStringLiteral("Theirs"));
    QVERIFY(other.Save());
    window->Saving().TakeInChanges();

    if (!undone)
        MessageBox::setNextAnswers({Ok});
    QCOMPARE(window->History().Undo(), undone);
    QCOMPARE(m_database->FindDay(Date(2007, 3, 6))->GetNotes(),
             undone ? QStringLiteral("Heavy") : QStringLiteral("Theirs"));
    QCOMPARE(m_database->FindDay(Date(2007, 3, otherDay))->GetNotes(), QStringLiteral("Theirs"));
    const QString refused = QStringLiteral(
        "\"Undo Notes 6 March\" is not possible: another program (the notifier or the "
        "command-line tool) has changed 6 March since. Doing it would throw that change away.");
    QCOMPARE(ShownTexts(), undone ? QStringList() : QStringList {refused});
}

void TestDiaryHistory::dailyBackupAndItsFailure()
{
    const DiaryBackups backups(DataFolder::DatabasePath());
    auto window = OpenMarch();
    // A file where the folder belongs: the saves go on, the user hears of it once.
    QVERIFY(WriteFile(backups.Folder(), "blocked"));
    MessageBox::setNextAnswers({Ok});
    for (const char *notes : {"first", "second"}) {
        m_database->GetDay(0)->SetNotes(QString::fromLatin1(notes));
        window->Saving().SaveNow();
        QCOMPARE(ReadFile(DataFolder::DatabasePath()), Bytes());
    }
    QCOMPARE(ShownTexts().size(), 1);

    // The next day's first save keeps the file it replaces; later saves keep nothing more.
    QVERIFY(QFile::remove(backups.Folder()));
    Clock::SetFixed(CaseStart.addDays(1));
    const QByteArray yesterday = Bytes();
    for (const char *notes : {"third", "fourth"}) {
        m_database->GetDay(0)->SetNotes(QString::fromLatin1(notes));
        window->Saving().SaveNow();
    }
    QCOMPARE(backups.List().size(), 1);
    QCOMPARE(ReadFile(backups.List().first().path), yesterday);
}

// A restore keeps the diary as it is now as a backup first. Every way a restore can stop leaves
// the diary as it was and tells the caller that nothing was restored; the failures among them
// say so to the user.
void TestDiaryHistory::restore_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("warning"); // the last message shown
    QTest::newRow("restored") << "none"
                              << "The diary was restored from:";
    QTest::newRow("no backup to restore, list closed") << "cancel" << QString();
    QTest::newRow("confirmation answered No") << "no" << QString();
    QTest::newRow("backup damaged after it was listed") << "damaged backup"
                                                        << "cannot be read";
    QTest::newRow("diary as it is now cannot be kept") << "diary unwritable"
                                                       << "Nothing was restored";
}

void TestDiaryHistory::restore()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, warning);
    const bool restored = obstacle == QLatin1String("none");
    const DiaryBackups backups(DataFolder::DatabasePath());
    const QByteArray onDisk = ReadFile(DataFolder::DatabasePath());
    const QString backup = backups.MakeNow().backup;
    QVERIFY(!backup.isEmpty());
    m_database->RemoveDay(1); // not saved yet
    const QByteArray current = Bytes();
    auto window = OpenMarch();
    Clock::SetFixed(CaseStart.addSecs(60));

    bool offered = false; // a backup listed, or Restore enabled without one
    if (obstacle == QLatin1String("cancel"))
        QVERIFY(QFile::remove(backup));
    WhenModal<CRestoreDlg>([&](CRestoreDlg *dialog) {
        if (obstacle == QLatin1String("cancel")) {
            offered = dialog->BackupList()->rowCount() > 0;
            for (const QPushButton *button : dialog->findChildren<QPushButton *>())
                offered |= button->text() == QLatin1String("&Restore") && button->isEnabled();
            return dialog->reject();
        }
        if (obstacle == QLatin1String("damaged backup"))
            QVERIFY(WriteFile(backup, "5.3.2007\r\n"));
        if (obstacle == QLatin1String("diary unwritable")) {
            QVERIFY(QFile::remove(DataFolder::DatabasePath()));
            QVERIFY(QDir().mkdir(DataFolder::DatabasePath()));
        }
        QCOMPARE(dialog->BackupList()->rowCount(), 1);
        QCOMPARE(dialog->DayList()->count(), 5);
        // Arrows choose a backup; Tab leaves the list.
        dialog->BackupList()->setFocus();
        QTest::keyClick(dialog->BackupList(), Qt::Key_Tab);
        QCOMPARE_NE(dialog->focusWidget(), dialog->BackupList());
        // The backup's days are shown, not edited.
        dialog->ChooseDay(0);
        QVERIFY(dialog->DayView()->GetGrid()->GetRowCount() > 1);
        QVERIFY(!dialog->DayView()->GetGrid()->EditCell(1, 1));
        ClickButton(dialog, QStringLiteral("&Restore"));
    });
    if (obstacle != QLatin1String("cancel"))
        MessageBox::setNextAnswers(obstacle == QLatin1String("no") ? QList {No} : QList {Yes, Ok});
    QCOMPARE(RestoreFlow::Run(window.get(), m_diary.File(), window->History()), restored);
    QVERIFY(!offered);
    QCOMPARE(Bytes(), restored ? onDisk : current);
    const QStringList shown = ShownTexts();
    QCOMPARE(shown.size(), (obstacle == QLatin1String("cancel") ? 0 : 1) + !warning.isEmpty());
    if (!warning.isEmpty())
        QVERIFY2(shown.last().contains(warning), qPrintable(shown.last()));
    if (obstacle == QLatin1String("diary unwritable"))
        QVERIFY(QDir(DataFolder::DatabasePath()).removeRecursively());
    else
        QCOMPARE(ReadFile(DataFolder::DatabasePath()), onDisk);
    QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
    QCOMPARE(window->History().Undo(), restored); // only a restore is recorded
    if (restored) {
        QCOMPARE(Bytes(), current);
        QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
        const QList<DiaryBackups::Entry> kept = backups.List();
        QCOMPARE(kept.size(), 2); // the backup restored from stays beside the kept diary
        QCOMPARE(ReadFile(kept.first().path), current);
        QCOMPARE(ReadFile(kept.last().path), onDisk);
    }
}

REPBOOK_TEST_MAIN(TestDiaryHistory)
#include "tst_diaryhistory.moc"
