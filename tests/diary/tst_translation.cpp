#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookApp.h"
#include "diary/CRepbookDlg.h"
#include "diary/DiarySaving.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"
#include "settings/SettingsStore.h"
#include "translations/AppLanguage.h"

#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QTranslator>

using namespace diarytest;

namespace {
const QDateTime Old(QDate(2001, 1, 1), QTime(0, 0));
} // namespace

// The diary started in German: its window speaks German, and what it stores is what the
// English diary stores, byte for byte.
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
};

REPBOOK_TEST_MAIN(TestTranslation)

#include "tst_translation.moc"
