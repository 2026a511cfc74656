#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "common/UntranslatedTexts.h"
#include "diary/CRepbookApp.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/DiarySaving.h"
#include "diary/MainMenu.h"
#include "model/DataFolder.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"
#include "notifier/CNotifierWindow.h"
#include "notifier/CNotifyDlg.h"
#include "notifier/COptionsDlg.h"
#include "notifier/CTrayIcon.h"
#include "settings/SettingsStore.h"
#include "translations/AppLanguage.h"
#include "widgets/FileDialog.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>

using namespace diarytest;

namespace {
const QDateTime Old(QDate(2001, 1, 1), QTime(0, 0));
} // namespace

// The programs in other languages. The diary started in German speaks German, and what it stores
// is what the English diary stores, byte for byte; under the pseudo-translation no window shows
// a text that did not ask for its translation.
class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(QDateTime(QDate(2007, 3, 20), QTime(9, 5, 7))); }
    void cleanup()
    {
        // Deleting a translator uninstalls it.
        qDeleteAll(qApp->findChildren<QTranslator *>());
        REPBOOK_END_GUI_CASE();
    }

    // Shown dates keep the system's country: British English writes the day first.
    void datesFollowTheSystemsCountry()
    {
        SettingsStore settings;
        AppLanguage::Store(settings, QStringLiteral("en"));
        AppLanguage::Install(*qApp, settings);
        const QLocale system;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        const QString shown =
            AppLanguage::Locale().toString(QDate(2026, 12, 21), QLocale::ShortFormat);
        QLocale::setDefault(system);
        QCOMPARE(shown, QStringLiteral("21/12/2026"));
    }

    void germanWindowStoresWhatEnglishStores()
    {
        // A done exercise with its weight, a failed one, a note: what the language might touch.
        const QString days = QStringLiteral(
            R"(12.3.2007 "Felt strong" Chest:done[Bench 3x10+2-1 62.5] Back; 20.3.2007 Legs[Squat 5x5 failed "sore"])");
        QStringList menus;
        QList<bool> saved;
        QList<QByteArray> files;
        for (const char *language : {"en", "de"}) {
            ClearSettings();
            StoreRange(QStringLiteral("1.3.2007"), 56);
            QVERIFY(WriteDiary(DataFolder::DatabasePath(), days));
            {
                // Dated back, so that the new date below shows the file written anew.
                QFile file(DataFolder::DatabasePath());
                QVERIFY(file.open(QIODevice::ReadWrite) &&
                        file.setFileTime(Old, QFileDevice::FileModificationTime));
            }
            SettingsStore settings;
            AppLanguage::Store(settings, QString::fromLatin1(language));
            AppLanguage::Install(*qApp, settings);

            CRepbookApp app;
            app.SetMainWindowRunner([&app, &menus, &saved](CRepbookDlg &window) {
                menus.append(window.findChild<QMenuBar *>()->actions().constFirst()->text());
                // A change, written anew by the window's own saving.
                TrainingDay *day = app.GetDatabase()->GetDay(0);
                day->SetNotes(QStringLiteral("Deload week"));
                day->SetModified(true);
                saved.append(window.findChild<DiarySaving *>()->SaveQuietly());
            });
            app.Run();
            files.append(ReadFile(DataFolder::DatabasePath()));
            QVERIFY(QFileInfo(DataFolder::DatabasePath()).lastModified() > Old);
            QCOMPARE(settings.Read(SettingsKeys::RangeStartDate), QStringLiteral("1.3.2007"));
            qDeleteAll(qApp->findChildren<QTranslator *>());
        }
        QCOMPARE(menus, QStringList({QStringLiteral("&File"), QStringLiteral("&Datei")}));
        QCOMPARE(saved, QList<bool>({true, true}));
        QCOMPARE(files.constLast(), files.constFirst());
    }

    // Every window of the diary and the notifier, opened with the pseudo-translation loaded,
    // shows only texts that asked for their translation, besides the diary's own contents.
    void windowShowsOnlyTranslatedTexts_data()
    {
        QTest::addColumn<int>("command"); // 0: the main window itself
        QTest::newRow("main window") << 0;
        QTest::newRow("day") << int(CommandId::View);
        QTest::newRow("program editor") << int(CommandId::Editor);
        QTest::newRow("notes") << int(CommandId::Notes);
        QTest::newRow("options") << int(CommandId::Options);
        QTest::newRow("find") << int(CommandId::Find);
        QTest::newRow("progress") << int(CommandId::Progress);
        QTest::newRow("conflicts") << int(CommandId::Conflicts);
        QTest::newRow("restore") << int(CommandId::RestoreBackup);
        QTest::newRow("user data") << int(CommandId::User);
        QTest::newRow("about") << int(CommandId::About);
        QTest::newRow("range") << int(CommandId::SetRange);
        QTest::newRow("import preview") << int(CommandId::ImportFile);
    }

    void windowShowsOnlyTranslatedTexts()
    {
        QFETCH(int, command);
        LoadPseudoTranslation();
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
        if (command == CommandId::ImportFile)
            FileDialog::setNextFileNames(
                {testsupport::dataFile(QStringLiteral("exchange/strong.csv"))});

        // Diary contents: the days above and the import file's names and notes.
        QString words = QStringLiteral("Sore Legs Squat Deep Chest Push Day Bench Press Barbell "
                                       "Dips Running Good session slow controlled Strong CSV");
        for (const AppLanguage::Choice &choice : AppLanguage::Choices())
            words += u' ' + choice.name;
        const QStringList data = words.split(QRegularExpression(QStringLiteral("\\P{L}+")));
        QStringList found;
        int windows = 0; // looked at
        const auto look = [&found, &windows, &data](QWidget *shown) {
            ++windows;
            found << testsupport::UnmarkedTexts(shown, data);
        };
        const QList<QWidget *> before = QApplication::topLevelWidgets();
        QTimer modal;
        connect(&modal, &QTimer::timeout, [&look] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                look(dialog);
                dialog->reject();
            }
        });
        modal.start(10);
        if (command)
            window.Commands()->Action(command)->trigger();
        modal.stop();
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible() && (!before.contains(shown) || !command))
                look(shown);
        }
        QVERIFY(windows > 0);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // The notifier's tray menu, its window where there is no tray, its options and reminder.
    void notifierShowsOnlyTranslatedTexts()
    {
        LoadPseudoTranslation();
        QVERIFY(
            WriteDiary(DataFolder::DatabasePath(), QStringLiteral("20.3.2007 Legs[Squat 5x5]")));
        DiaryUnderTest diary;
        diary.Reset();
        QVERIFY(diary.File().Open(DataFolder::DatabasePath()));
        SettingsStore settings;
        CTrayIcon icon({});
        CNotifierWindow window({});
        COptionsDlg options(settings);
        CNotifyDlg reminder(diary.File(), settings);
        QStringList found;
        for (QWidget *shown :
             std::initializer_list<QWidget *> {icon.Menu(), &window, &options, &reminder}) {
            shown->show();
            found << testsupport::UnmarkedTexts(shown,
                                                {QStringLiteral("Legs"), QStringLiteral("Squat")});
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

private:
    // English dates and names of weekdays, whatever language a test before chose, under the
    // pseudo-translation.
    void LoadPseudoTranslation()
    {
        SettingsStore settings;
        AppLanguage::Store(settings, QStringLiteral("en"));
        AppLanguage::Install(*qApp, settings);
        QVERIFY(testsupport::LoadPseudoTranslation(qApp) != nullptr);
    }
};

REPBOOK_TEST_MAIN(TestTranslation)

#include "tst_translation.moc"
