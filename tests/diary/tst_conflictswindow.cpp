#include "DiaryFixture.h"
#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "diary/CConflictsDlg.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/DiaryHistory.h"
#include "diary/DiarySaving.h"
#include "diary/MainMenu.h"
#include "editing/ConflictCopyIntake.h"
#include "editing/DateListText.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/SyncBase.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace diarytest;

namespace {

QStringList Rows(const QListWidget &list)
{
    QStringList rows;
    for (int row = 0; row < list.count(); ++row)
        rows.append(list.item(row)->text());
    return rows;
}

// Keeps the other side's version of the days as a merge does, in a conflict file of its own.
QString KeepOtherVersion(const QString &days)
{
    DiaryDatabase other;
    BuildDiary(other, days);
    QString error;
    return SharedDiaryFile::KeepConflictDays(DataFolder::DatabasePath(), other, error);
}

} // namespace

class TestConflictsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }
    void takesUndoesAndDismisses()
    {
        const QString path = DataFolder::DatabasePath();
        const QString original = QStringLiteral("8.12.2026 Legs; 9.12.2026 Arms");
        QVERIFY(WriteDiary(path, original));
        DiaryUnderTest diary;
        DiaryDatabase &database = diary.Reset();
        QVERIFY(diary.File().Open(path));
        const QString first = KeepOtherVersion(QStringLiteral("8.12.2026 Legs_B[Squat 3x5 60]"));
        const QString second =
            KeepOtherVersion(QStringLiteral(R"(9.12.2026 "Sore" Arms_B; 9.12.2026 Core)"));
        // The same version kept again (both computers merged one copy) is one record.
        const QString again = KeepOtherVersion(QStringLiteral("8.12.2026 Legs_B[Squat 3x5 60]"));
        QVERIFY(!first.isEmpty() && !second.isEmpty() && !again.isEmpty());
        const QString damaged = path + QStringLiteral(".conflict-20261201-101010");
        QVERIFY(WriteFile(damaged, "not a diary"));

        auto window = OpenWindow(diary.File(), false, QStringLiteral("1.12.2026"));
        window->Commands()->Action(CommandId::Conflicts)->trigger();
        auto *dialog = window->findChild<CConflictsDlg *>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(Rows(*dialog->List()),
                 (QStringList {"Tuesday 8 December 2026", "Wednesday 9 December 2026"}));
        QVERIFY(dialog->Summary()->text().contains(QFileInfo(damaged).fileName()));
        // The long summary wraps rather than widening the window.
        QVERIFY(dialog->minimumSizeHint().width() < dialog->width());
        QVERIFY(dialog->DiaryVersion()->toPlainText().startsWith(QStringLiteral("Legs (")));
        // The other version is read, not edited; its weights in the unit chosen.
        QTest::keyClicks(dialog->OtherVersion(), QStringLiteral("x"));
        const QString legs = dialog->OtherVersion()->toPlainText();
        QVERIFY2(legs.startsWith(QStringLiteral("Legs B (")) &&
                     legs.endsWith(QStringLiteral("Squat 3 \u00d7 5 \u00d7 60 kg")),
                 qPrintable(legs));
        // Both days of a date on record are one version.
        dialog->List()->setCurrentRow(1);
        const QString other = dialog->OtherVersion()->toPlainText();
        QVERIFY2(other.contains(QStringLiteral("Arms B")) &&
                     other.contains(QStringLiteral("Core")) &&
                     other.contains(QStringLiteral("Note: Sore")),
                 qPrintable(other));

        // Taking the other version is a step of the history; the record goes, the one left is
        // chosen.
        QTest::mouseClick(dialog->TakeButton(), Qt::LeftButton);
        QCOMPARE(DescribeDiary(database),
                 QStringLiteral(R"(8.12.2026 Legs; 9.12.2026 "Sore" Arms_B; 9.12.2026 Core)"));
        QCOMPARE(CellsNotFollowingTheDiary(*window, database), QString());
        QVERIFY(!QFileInfo::exists(second));
        QCOMPARE(Rows(*dialog->List()), (QStringList {"Tuesday 8 December 2026"}));
        QVERIFY(dialog->OtherVersion()->toPlainText().startsWith(QStringLiteral("Legs B (")));
        QVERIFY(dialog->Summary()->text().startsWith(QStringLiteral("One date was changed")));
        QVERIFY(window->Commands()
                    ->Action(CommandId::Undo)
                    ->text()
                    .startsWith(QStringLiteral("&Undo Take other version 9 December")));
        QVERIFY(window->History().Undo());
        QCOMPARE(DescribeDiary(database), original);

        // Enter closes the window, on the Take button too: taking is chosen on purpose.
        dialog->TakeButton()->setFocus();
        QTest::keyClick(dialog->TakeButton(), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(DescribeDiary(database), original);
        dialog->show();

        // Dismissing asks first; the diary keeps its version.
        MessageBox::setNextAnswers({QMessageBox::No, QMessageBox::Yes});
        QTest::mouseClick(dialog->DismissButton(), Qt::LeftButton);
        QCOMPARE(dialog->List()->count(), 1);
        QTest::mouseClick(dialog->DismissButton(), Qt::LeftButton);
        QCOMPARE(dialog->List()->count(), 0);
        QVERIFY(!dialog->TakeButton()->isEnabled());
        QVERIFY(!QFileInfo::exists(first) && !QFileInfo::exists(again));
        QCOMPARE(DescribeDiary(database), original);
        QVERIFY(QFileInfo::exists(damaged));
        MessageBox::takeShown();
    }
    void recordKeptElsewhereIsTold()
    {
        const DateValue first = Date(2026, 12, 1);
        const DateValue eighth = Date(2026, 12, 8);
        QVERIFY(WriteDiary(DataFolder::DatabasePath(), QStringLiteral("8.12.2026 Legs")));
        DiaryUnderTest diary;
        diary.Reset();
        QVERIFY(diary.File().Open(DataFolder::DatabasePath()));
        // Left from before: waits in Edit > Conflicts without a message.
        QVERIFY(!KeepOtherVersion(QStringLiteral("1.12.2026 Arms")).isEmpty());
        CRepbookDlg window(diary.File());
        // Kept by the other computer and carried here: told once.
        QVERIFY(!KeepOtherVersion(QStringLiteral("8.12.2026 Legs_B")).isEmpty());
        MessageBox::setNextAnswers({QMessageBox::Ok});
        window.Saving().TakeInChanges();
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.at(0).text.contains(DateListText::Short({eighth}) + u'\n') &&
                     shown.at(0).text.contains(QStringLiteral("Edit > Conflicts")) &&
                     !shown.at(0).text.contains(DateListText::Short({first})),
                 qPrintable(shown.at(0).text));
        window.Saving().TakeInChanges(); // told again, it would be a box without an answer
    }

    // What a program tells when it takes in the conflict copies a sync engine left beside its
    // diary: dates both computers changed, damaged copies, and a failure once until it changes.
    void intakeTells_data()
    {
        QTest::addColumn<QString>("copy"); // the copy's days; "damaged": bytes that fail the check
        QTest::addColumn<bool>("baseUnreadable");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QStringList>("told"); // how each message shown begins
        QTest::newRow("a date added") << "1.3.2007 A; 2.3.2007 B" << false << true << QStringList();
        QTest::newRow("a date both changed") << "1.3.2007 A_other" << false << false
                                             << QStringList {"Another computer changed days"};
        QTest::newRow("damaged") << "damaged" << false << false
                                 << QStringList {"A copy of the diary", "Copies of the diary"};
        QTest::newRow("cannot be merged, told once")
            << "2.3.2007 B" << true << false << QStringList {"Copies of the diary"};
    }
    void intakeTells()
    {
        QFETCH(QString, copy);
        QFETCH(bool, baseUnreadable);
        QFETCH(bool, changed);
        QFETCH(QStringList, told);
        const QString path = DataFolder::DatabasePath();
        const QString base = SyncBase::PathFor(path);
        QFile::remove(base);
        QDir(base).removeRecursively();
        const QString copyPath = DataFolder::DatabaseFolder() +
            QStringLiteral("/Database.sync-conflict-20261207-181500-ABCDEFG.rpd");
        QVERIFY(testsupport::WriteDiary(path, QStringLiteral("1.3.2007 A")));
        if (copy == QLatin1String("damaged"))
            QVERIFY(testsupport::WriteFile(copyPath, "not a diary"));
        else
            QVERIFY(testsupport::WriteDiary(copyPath, copy));
        if (baseUnreadable)
            QVERIFY(QDir().mkpath(base));
        DiaryDatabase diary;
        SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
        QVERIFY(file.Open(path));
        ConflictCopyIntake intake(file, nullptr);

        MessageBox::setNextAnswers(QList<MessageBox::Button>(told.size(), QMessageBox::Ok));
        QCOMPARE(intake.Run(), changed);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), told.size());
        for (int i = 0; i < told.size(); ++i)
            QVERIFY2(shown.at(i).text.startsWith(told.at(i)), qPrintable(shown.at(i).text));
        // Taken in again: a failure already told is not told again (a box would find no answer
        // queued, which cleanup() fails).
        intake.Run();
    }
};

REPBOOK_TEST_MAIN(TestConflictsWindow)
#include "tst_conflictswindow.moc"
