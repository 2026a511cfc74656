#include "common/DiaryText.h"
#include "common/GuiTest.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/ConflictCopyIntake.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/SyncBase.h"
#include "widgets/MessageBox.h"

#include <QDir>

// What a program tells when it takes in the conflict copies a sync engine left beside its diary:
// dates both computers changed, damaged copies, and a failure once until it changes.
class TestConflictCopyIntake : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }
    void tells_data()
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
    void tells()
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

REPBOOK_TEST_MAIN(TestConflictCopyIntake)
#include "tst_conflictcopyintake.moc"
