#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/DiaryFolderFlow.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "settings/DiaryLocation.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace diarytest;

namespace {

enum class Target {
    Empty,
    HoldsDiary,
    HoldsSameDate,
    HoldsNameList,
    HoldsDamaged,
    UnderAFile,
    UnsavedHere, // a change the diary's own file cannot take first
    Same,
    None
};

} // namespace

// Options > Diary folder > Change..., with the folder dialog and the boxes answered here. The
// data folder is the per-user one (REPBOOK_HOME would fix it), inside the test's XDG_DATA_HOME.
class TestDiaryFolderFlow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::BeginGuiCase();
        m_home = qgetenv("REPBOOK_HOME");
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").startsWith(QDir::tempPath()));
        qunsetenv("REPBOOK_HOME");
        QDir(DataFolder::DatabaseFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(DataFolder::DatabaseFolder()));
    }
    void cleanup()
    {
        qputenv("REPBOOK_HOME", m_home);
        REPBOOK_END_GUI_CASE();
    }
    void choosesAFolder_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<QList<MessageBox::Button>>("answers");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("told");

        const auto row = [](const char *name, Target target, QList<MessageBox::Button> answers,
                            bool moved, const QString &days, const char *told) {
            QTest::newRow(name) << target << answers << moved << days << QString(told);
        };
        const MessageBox::Button ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No;
        const QString here = QStringLiteral("8.12.2026 Legs");
        row("an empty folder: copied", Target::Empty, {ok}, true, here, "The diary is now in:");
        row("a folder with a diary: used", Target::HoldsDiary, {yes, ok}, true,
            QStringLiteral("9.12.2026 Arms"), "The diary is now in:");
        row("a folder with a diary: merged", Target::HoldsDiary, {no, ok}, true,
            here + QStringLiteral("; 9.12.2026 Arms"), "The diary is now in:");
        row("a date both hold: the folder's kept, this one's on record", Target::HoldsSameDate,
            {no, ok}, true, QStringLiteral("8.12.2026 Legs_B"), "this computer's were saved in:");
        row("a folder with a diary: cancelled", Target::HoldsDiary, {QMessageBox::Cancel}, false,
            here, "already holds a diary");
        row("a name list already there is kept", Target::HoldsNameList, {ok}, true, here,
            "is now in:");
        row("a folder that cannot be made: the diary stays", Target::UnderAFile, {ok}, false, here,
            "The diary stays where it is.");
        row("a damaged diary there is not merged into", Target::HoldsDamaged, {no, ok}, false, here,
            "cannot be read or is damaged.\nThe diary stays where it is.");
        row("a change not saved here first: the diary stays", Target::UnsavedHere, {ok}, false,
            QStringLiteral(R"(8.12.2026 "unsaved" Legs)"), "The diary stays where it is.");
        // Nothing to do: no question, no message.
        row("the folder it is in already", Target::Same, {}, false, here, "");
        row("no folder chosen", Target::None, {}, false, here, "");
    }
    void choosesAFolder()
    {
        QFETCH(Target, target);
        QFETCH(QList<MessageBox::Button>, answers);
        QFETCH(bool, moved);
        QFETCH(QString, days);
        QFETCH(QString, told);

        const QString local = DataFolder::DatabasePath();
        QVERIFY(WriteDiary(local, QStringLiteral("8.12.2026 Legs")));
        QVERIFY(WriteFile(DataFolder::ExerciseListPath(), "Squat\n"));
        const QByteArray localBytes = ReadFile(local);
        QTemporaryDir synced;
        QString folder = synced.path();
        if (target == Target::HoldsDiary || target == Target::HoldsSameDate)
            QVERIFY(WriteDiary(folder + QStringLiteral("/Database.rpd"),
                               target == Target::HoldsDiary ? QStringLiteral("9.12.2026 Arms")
                                                            : QStringLiteral("8.12.2026 Legs_B")));
        if (target == Target::HoldsNameList || target == Target::HoldsSameDate)
            QVERIFY(WriteFile(folder + QStringLiteral("/UEList.txt"), "Dips\r\n"));
        if (target == Target::HoldsDamaged)
            QVERIFY(WriteFile(folder + QStringLiteral("/Database.rpd"), "damaged"));
        if (target == Target::UnderAFile) {
            QVERIFY(WriteFile(folder + QStringLiteral("/file"), "x"));
            folder += QStringLiteral("/file/Diary");
        }
        if (target == Target::Same)
            folder = QFileInfo(local).absolutePath() + QStringLiteral("/.");

        DiaryDatabase database;
        SharedDiaryFile file(database, DiaryMerge::Winner::Memory);
        QVERIFY(file.Open(local));
        if (target == Target::UnsavedHere) {
            database.GetDay(0)->SetNotes(QStringLiteral("unsaved"));
            QVERIFY(QFile::remove(local) && QDir().mkdir(local));
        }
        SettingsStore settings;
        FileDialog::setNextFileNames({target == Target::None ? QString() : folder});
        MessageBox::setNextAnswers(answers);
        QCOMPARE(DiaryFolderFlow::Choose(nullptr, file, settings), moved);

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.isEmpty(), told.isEmpty());
        if (!told.isEmpty())
            QVERIFY2(shown.last().text.contains(told), qPrintable(shown.last().text));
        QCOMPARE(DescribeDiary(database), days);
        const QString now = folder + QStringLiteral("/Database.rpd");
        QCOMPARE(file.Path(), moved ? now : local);
        QCOMPARE(settings.Read(SettingsKeys::DiaryFolder), moved ? folder : QString());
        // The old files stay; the diary moved is the one the window shows.
        if (target != Target::UnsavedHere)
            QCOMPARE(ReadFile(local), localBytes);
        if (target == Target::Empty)
            QCOMPARE(ReadFile(now), localBytes);
        if (moved) {
            QCOMPARE(DescribeDiaryFile(now), days);
            QVERIFY(QFileInfo::exists(folder + QStringLiteral("/.stignore")));
            // Backups stay on this computer; a diary elsewhere keeps its own beside it.
            QCOMPARE(DiaryLocation::BackupFolder(now), DataFolder::DatabaseFolder() + "/Backups");
            QCOMPARE(DiaryLocation::BackupFolder(local), QString());
        }
        // A name list the folder has gains this one's names, copied or merged.
        if (moved && target != Target::HoldsDiary)
            QCOMPARE(ReadFile(folder + QStringLiteral("/UEList.txt")),
                     target == Target::Empty ? QByteArray("Squat\n") : "Dips\r\nSquat\r\n");
        const QStringList records =
            QDir(folder).entryList({QStringLiteral("Database.rpd.conflict-*")});
        QCOMPARE(records.size(), int(target == Target::HoldsSameDate));
        if (!records.isEmpty())
            QCOMPARE(DescribeDiaryFile(folder + u'/' + records.first()),
                     QStringLiteral("8.12.2026 Legs"));
    }
    // REPBOOK_HOME or a portable installation fixes the folder: no folder is asked for.
    void fixedFolderIsNotChosen()
    {
        qputenv("REPBOOK_HOME", m_home);
        DiaryDatabase database;
        SharedDiaryFile file(database, DiaryMerge::Winner::Memory);
        SettingsStore settings;
        QVERIFY(!DiaryFolderFlow::Choose(nullptr, file, settings));
    }

private:
    QByteArray m_home;
};

REPBOOK_TEST_MAIN(TestDiaryFolderFlow)
#include "tst_diaryfolderflow.moc"
