#include "common/TestMain.h"
#include "settings/NotifyTimeRecord.h"
#include "settings/PasswordDigest.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QSaveFile>

using namespace NotifyTimeRecord;
using namespace PasswordDigest;

// Few iterations keep the table below quick; the default count has its own test.
constexpr int QuickIterations = 1000;

// Derived independently (Python's hashlib.pbkdf2_hmac) for the password "Жим лёжа 80" with the
// salt bytes 0..15 and 1000 iterations.
const QString KnownRecord = QStringLiteral(
    "pbkdf2-sha256$1000$AAECAwQFBgcICQoLDA0ODw==$Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=");

// What the settings store holds: values one program wrote, read by the other at once, the
// records of the reminder's times and the password's record.
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

    // The reminder's 16-byte record: little-endian fields in order, the weekday and milliseconds
    // written but not read; an invalid or null date is written as an unset record.
    void notifyTimeRecordFields()
    {
        // Sunday 6 December 2026, 18:00:10.250
        const QDateTime moment(QDate(2026, 12, 6), QTime(18, 0, 10, 250));
        QCOMPARE(Encode(moment).toHex(), QByteArray("ea070c0000000600120000000a00fa00"));
        // Monday is 1.
        QCOMPARE(Encode(QDateTime(QDate(2026, 12, 7), QTime(0, 0))).mid(4, 2).toHex(), "0100");
        // The last year the record holds.
        QCOMPARE(Encode(QDateTime(QDate(65535, 1, 1), QTime(0, 0))).left(2).toHex(), "ffff");
        // Read with another weekday: the weekday is not read, nor are the milliseconds.
        const QByteArray bytes = QByteArray::fromHex("ea070c0003000600120000000a00fa00");
        QCOMPARE(Decode(bytes), moment.addMSecs(-250));
        QCOMPARE(ToDateValue(bytes).ToQDateTime(), moment.addMSecs(-250)); // with its time
        for (const DateValue &unset : {DateValue::MakeInvalid(), DateValue::MakeNull()})
            QCOMPARE(FromDateValue(unset), QByteArray(16, '\0'));
        QCOMPARE(Encode(QDateTime()), QByteArray(16, '\0'));
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
        QVERIFY(!Decode(bytes).isValid());
        QVERIFY(!ToDateValue(bytes).IsValid());
    }

    // A password opens only when typed exactly, whether stored as a record or, by older settings,
    // as the plain value. A stored value is a record only in its exact form: scheme, iteration
    // count, salt and key, four parts; anything else is an older plain value, compared as typed.
    void opensOnlyWithTheExactPassword_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("record");

        const auto row = [](const char *name, bool plain, const QString &password,
                            const QString &typed, bool opens) {
            QTest::newRow(name) << (plain ? password
                                          : MakePasswordRecord(password, QuickIterations))
                                << typed << opens << !plain;
        };
        row("same text", false, "Squat140", "Squat140", true);
        row("other letter case", false, "Squat140", "squat140", false);
        row("empty entry", false, "Squat140", "", false);
        row("trailing blank", false, "Squat140", "Squat140 ", false);
        row("prefix only", false, "Squat140", "Squat", false);
        row("non-Latin letters", false, "Жим лёжа", "Жим лёжа", true);
        row("non-Latin other case", false, "Жим лёжа", "жим лёжа", false);
        row("separator inside", false, "a$b$c$d", "a$b$c$d", true);
        row("long", false, QString(300, u'x'), QString(300, u'x'), true);
        row("plain, same text", true, "Biceps45", "Biceps45", true);
        row("plain, other letter case", true, "Biceps45", "BICEPS45", false);
        row("plain, empty entry", true, "Biceps45", "", false);
        row("plain, longer", true, "Biceps45", "Biceps450", false);

        // The known record's password typed against the record, whole or changed.
        const QString password = QStringLiteral("Жим лёжа 80");
        const QStringList parts = KnownRecord.split(u'$');
        const auto with = [&parts](int index, const QString &part) {
            QStringList changed = parts;
            changed[index] = part;
            return changed.join(u'$');
        };
        QTest::newRow("record made by Python's hashlib") << KnownRecord << password << true << true;
        const auto form = [&password](const char *name, const QString &stored) {
            QTest::newRow(name) << stored << password << false << false;
        };
        form("three parts", QStringList(parts.mid(0, 3)).join(u'$'));
        form("five parts", KnownRecord + QStringLiteral("$AAAA"));
        form("other scheme", with(0, QStringLiteral("pbkdf2-sha1")));
        form("no iterations", with(1, QStringLiteral("0")));
        form("iterations not a number", with(1, QStringLiteral("1e3")));
        form("two thousand million iterations", with(1, QStringLiteral("2000000000")));
        form("salt not Base64", with(2, QStringLiteral("AAEC*wQF")));
        form("empty salt", with(2, QString()));
        form("key too short", with(3, QStringLiteral("Fd5WmZb9MHV2ju9W")));
    }

    void opensOnlyWithTheExactPassword()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QFETCH(bool, record);
        QCOMPARE(IsPasswordRecord(stored), record);
        QCOMPARE(IsLegacyPlain(stored), !record);
        QCOMPARE(VerifyPassword(stored, typed), opens);
        QVERIFY(!VerifyPassword(stored, typed + u'1'));
        // A plain value is compared as typed, a record never.
        QCOMPARE(VerifyPassword(stored, stored), !record);
    }
};

REPBOOK_TEST_MAIN_CORE(TestStoredSettings)

#include "tst_storedsettings.moc"
