#include "common/TestMain.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QSaveFile>

// The diary and the notifier each keep a store open for their whole run. What one program
// writes, the other must read at its next read, not a copy taken earlier.
class TestSettingsFresh : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore().FileName()); }

    void readsWhatTheOtherProgramWroteSince()
    {
        SettingsStore notifier;
        notifier.Write(SettingsKeys::TipNotifyTime, 30);
        QCOMPARE(notifier.Read(SettingsKeys::Image), 0);
        QCOMPARE(notifier.Read(SettingsKeys::FirstName), QString());

        // The diary, in its own process, replaces the file with its options and user data.
        QSaveFile other(notifier.FileName());
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("[Settings]\nImage=1\nDelay=1\n\n[User]\nFirst%20Name=Anna\n\n"
                    "[TipNotify]\nTime=30\n");
        QVERIFY(other.commit());

        QCOMPARE(notifier.Read(SettingsKeys::Image), 1);
        QCOMPARE(notifier.Read(SettingsKeys::Delay), 1);
        QCOMPARE(notifier.Read(SettingsKeys::FirstName), QStringLiteral("Anna"));
    }
};

REPBOOK_TEST_MAIN_CORE(TestSettingsFresh)

#include "tst_settingsfresh.moc"
