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

#include <QApplication>
#include <QTranslator>

#include <functional>
#include <memory>

using Opener = std::function<std::shared_ptr<QWidget>(SettingsStore &, SharedDiaryFile &)>;
Q_DECLARE_METATYPE(Opener)

// The notifier's windows and menu, opened with the pseudo-translation loaded, show only texts
// that asked for their translation.
class TestNotifierTexts : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::BeginGuiCase();
        QVERIFY(testsupport::LoadPseudoTranslation(qApp));
    }
    void cleanup()
    {
        qDeleteAll(qApp->findChildren<QTranslator *>());
        REPBOOK_END_GUI_CASE();
    }

    void windowShowsOnlyTranslatedTexts_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("menu") << Opener([](SettingsStore &, SharedDiaryFile &) {
            auto icon = std::make_shared<CTrayIcon>(NotifierPresence::Commands {});
            return std::shared_ptr<QWidget>(icon, icon->Menu());
        });
        QTest::newRow("window") << Opener([](SettingsStore &, SharedDiaryFile &) {
            return std::make_shared<CNotifierWindow>(NotifierPresence::Commands {});
        });
        QTest::newRow("options") << Opener([](SettingsStore &settings, SharedDiaryFile &) {
            return std::make_shared<COptionsDlg>(settings);
        });
        QTest::newRow("reminder") << Opener([](SettingsStore &settings, SharedDiaryFile &file) {
            return std::make_shared<CNotifyDlg>(file, settings);
        });
    }

    void windowShowsOnlyTranslatedTexts()
    {
        QFETCH(Opener, open);
        QVERIFY(testsupport::WriteDiary(DataFolder::DatabasePath(),
                                        QStringLiteral("7.12.2026 Legs[Squat 5x5 80]")));
        SettingsStore settings;
        DiaryDatabase database;
        SharedDiaryFile file(database, DiaryMerge::Winner::Disk);
        QVERIFY(file.Open(DataFolder::DatabasePath()));
        const std::shared_ptr<QWidget> window = open(settings, file);
        window->show();
        const QStringList found = testsupport::UnmarkedTexts(
            window.get(), {QStringLiteral("Legs"), QStringLiteral("Squat")});
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

REPBOOK_TEST_MAIN(TestNotifierTexts)

#include "tst_notifiertexts.moc"
