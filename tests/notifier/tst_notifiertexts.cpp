#include "common/DiaryText.h"
#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "common/UntranslatedTexts.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "notifier/CNotifierWindow.h"
#include "notifier/CNotifyDlg.h"
#include "notifier/COptionsDlg.h"
#include "notifier/CTrayIcon.h"
#include "settings/SettingsStore.h"

#include <QTranslator>

// The notifier's menu and windows, opened with the pseudo-translation loaded, show only texts
// that asked for their translation.
class TestNotifierTexts : public QObject
{
    Q_OBJECT

private slots:
    void windowsShowOnlyTranslatedTexts()
    {
        testsupport::BeginGuiCase();
        QVERIFY(testsupport::WriteDiary(DataFolder::DatabasePath(),
                                        QStringLiteral("7.12.2026 Legs[Squat 5x5 80]")));
        SettingsStore settings;
        DiaryDatabase database;
        SharedDiaryFile file(database, DiaryMerge::Winner::Disk);
        QVERIFY(file.Open(DataFolder::DatabasePath()));
        QTranslator *pseudo = testsupport::LoadPseudoTranslation(this);
        QVERIFY(pseudo);
        // The tray icon's menu, the window shown where there is no tray, options, reminder.
        CTrayIcon icon({});
        CNotifierWindow window({});
        COptionsDlg options(settings);
        CNotifyDlg reminder(file, settings);
        QStringList found;
        for (QWidget *shown :
             {static_cast<QWidget *>(icon.Menu()), static_cast<QWidget *>(&window),
              static_cast<QWidget *>(&options), static_cast<QWidget *>(&reminder)}) {
            shown->show();
            found << testsupport::UnmarkedTexts(shown,
                                                {QStringLiteral("Legs"), QStringLiteral("Squat")});
        }
        delete pseudo;
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        REPBOOK_END_GUI_CASE();
    }
};

REPBOOK_TEST_MAIN(TestNotifierTexts)

#include "tst_notifiertexts.moc"
