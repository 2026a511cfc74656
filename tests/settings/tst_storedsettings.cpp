#include "common/TestMain.h"
#include "settings/NotifyTimeRecord.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QSaveFile>

// What the settings store holds: values one program wrote, read by the other at once, and the
// records of the reminder's times.
class TestStoredSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore().FileName()); }

    // The diary and the notifier each keep a store open for their whole run. What one program
    // writes, the other must read at its next read, not a copy taken earlier.
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

    void encodesLittleEndianFieldsInOrder()
    {
        // Sunday 6 December 2026, 18:00:10.250
        const QDateTime moment(QDate(2026, 12, 6), QTime(18, 0, 10, 250));
        QCOMPARE(NotifyTimeRecord::Encode(moment).toHex(),
                 QByteArray("ea070c0000000600120000000a00fa00"));
        // Monday is 1.
        QCOMPARE(NotifyTimeRecord::Encode(QDateTime(QDate(2026, 12, 7), QTime(0, 0))).mid(4, 2),
                 QByteArray::fromHex("0100"));
        // The last year the record holds.
        QCOMPARE(NotifyTimeRecord::Encode(QDateTime(QDate(65535, 1, 1), QTime(0, 0))).left(2),
                 QByteArray::fromHex("ffff"));
    }

    void decodesAndIgnoresWeekdayAndMilliseconds()
    {
        const QByteArray bytes = QByteArray::fromHex("ea070c0003000600120000000a00fa00");
        const QDateTime moment(QDate(2026, 12, 6), QTime(18, 0, 10));
        QCOMPARE(NotifyTimeRecord::Decode(bytes), moment);
        QCOMPARE(NotifyTimeRecord::ToDateValue(bytes).ToQDateTime(), moment); // with its time
    }

    void unusableRecordsAreInvalid_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unset") << QByteArray(16, '\0');
        QTest::newRow("too short") << QByteArray::fromHex("ea070c00000006001200");
        QTest::newRow("too long") << QByteArray::fromHex("ea070c0000000600120000000a00fa0000");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("month 13") << QByteArray::fromHex("ea070d0000000600120000000a00fa00");
        QTest::newRow("hour 24") << QByteArray::fromHex("ea070c0000000600180000000a00fa00");
    }
    void unusableRecordsAreInvalid()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!NotifyTimeRecord::Decode(bytes).isValid());
        QVERIFY(!NotifyTimeRecord::ToDateValue(bytes).IsValid());
        QCOMPARE(NotifyTimeRecord::ToDateValue(bytes).GetYear(), -1);
    }

    void invalidAndNullDatesAreWrittenUnset()
    {
        QCOMPARE(NotifyTimeRecord::FromDateValue(DateValue::MakeInvalid()), QByteArray(16, '\0'));
        QCOMPARE(NotifyTimeRecord::FromDateValue(DateValue::MakeNull()), QByteArray(16, '\0'));
        QCOMPARE(NotifyTimeRecord::Encode(QDateTime()), QByteArray(16, '\0'));
    }
};

REPBOOK_TEST_MAIN_CORE(TestStoredSettings)

#include "tst_storedsettings.moc"
