#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "common/UntranslatedTexts.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/MainMenu.h"
#include "model/DataFolder.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "settings/SettingsStore.h"
#include "translations/AppLanguage.h"
#include "widgets/FileDialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>

using namespace diarytest;

// Every window of the diary, opened with the pseudo-translation loaded, shows only texts that
// asked for their translation, besides the diary's own contents.
class TestUntranslatedTexts : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::BeginGuiCase(QDateTime(QDate(2007, 3, 20), QTime(9, 5)));
        // English dates and names of weekdays, whatever language a test before chose.
        SettingsStore settings;
        AppLanguage::Store(settings, QStringLiteral("en"));
        AppLanguage::Install(*qApp, settings);
        QVERIFY(testsupport::LoadPseudoTranslation(qApp));
    }
    void cleanup()
    {
        qDeleteAll(qApp->findChildren<QTranslator *>());
        REPBOOK_END_GUI_CASE();
    }

    void windowShowsOnlyTranslatedTexts_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::newRow("main window") << 0 << QString();
        const QList<QPair<const char *, int>> windows {{"day", CommandId::View},
                                                       {"program editor", CommandId::Editor},
                                                       {"notes", CommandId::Notes},
                                                       {"options", CommandId::Options},
                                                       {"find", CommandId::Find},
                                                       {"progress", CommandId::Progress},
                                                       {"conflicts", CommandId::Conflicts},
                                                       {"restore", CommandId::RestoreBackup},
                                                       {"user data", CommandId::User},
                                                       {"about", CommandId::About},
                                                       {"range", CommandId::SetRange}};
        for (const auto &[name, command] : windows)
            QTest::newRow(name) << command << QString();
        QTest::newRow("import preview")
            << int(CommandId::ImportFile)
            << testsupport::dataFile(QStringLiteral("exchange/strong.csv"));
    }

    void windowShowsOnlyTranslatedTexts()
    {
        QFETCH(int, command);
        QFETCH(QString, file);
        StoreRange(QStringLiteral("1.3.2007"), 28);
        const QString path = DataFolder::DatabasePath();
        QVERIFY(WriteDiary(path, QStringLiteral(R"(20.3.2007 "Sore" Legs[Squat 5x5 80 "Deep"])")));
        QVERIFY(DiaryBackups(path).MakeNow().ok);
        DiaryDatabase other;
        BuildDiary(other, QStringLiteral("20.3.2007 Chest"));
        QString error;
        QVERIFY(!SharedDiaryFile::KeepConflictDays(path, other, error).isEmpty());
        DiaryUnderTest diary;
        diary.Reset();
        QVERIFY(diary.File().Open(path));
        CRepbookDlg window(diary.File());
        window.show();
        if (!file.isEmpty())
            FileDialog::setNextFileNames({file});

        // Diary contents: the days above and the import file's names and notes.
        QString words = QStringLiteral("Sore Legs Squat Deep Chest Push Day Bench Press Barbell "
                                       "Dips Running Good session slow controlled Strong CSV");
        for (const AppLanguage::Choice &choice : AppLanguage::Choices())
            words += u' ' + choice.name;
        const QStringList data = words.split(QRegularExpression(QStringLiteral("\\P{L}+")));
        QStringList found;
        QStringList windows; // the titles of the windows looked at
        const QList<QWidget *> before = QApplication::topLevelWidgets();
        QTimer modal;
        connect(&modal, &QTimer::timeout, [&found, &windows, &data] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                windows << dialog->windowTitle();
                found << testsupport::UnmarkedTexts(dialog, data);
                dialog->reject();
            }
        });
        modal.start(10);
        if (command)
            window.Commands()->Action(command)->trigger();
        modal.stop();
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible() && (!before.contains(shown) || !command)) {
                windows << shown->windowTitle();
                found << testsupport::UnmarkedTexts(shown, data);
            }
        }
        QVERIFY(!windows.isEmpty());
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

REPBOOK_TEST_MAIN(TestUntranslatedTexts)

#include "tst_untranslatedtexts.moc"
