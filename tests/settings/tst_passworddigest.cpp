#include "common/TestMain.h"
#include "settings/PasswordDigest.h"

#include <QCoreApplication>
#include <QStringList>

using namespace PasswordDigest;

namespace {

// Few iterations keep the table below quick; the default count has its own test.
constexpr int QuickIterations = 1000;

// Derived independently (Python's hashlib.pbkdf2_hmac) for the password "Жим лёжа 80" with the
// salt bytes 0..15 and 1000 iterations.
const QString KnownRecord = QStringLiteral(
    "pbkdf2-sha256$1000$AAECAwQFBgcICQoLDA0ODw==$Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=");

} // namespace

class TestPasswordDigest : public QObject
{
    Q_OBJECT

private slots:
    void recordOpensOnlyWithTheExactPassword_data();
    void recordOpensOnlyWithTheExactPassword();
    void recordHasTheDocumentedShape();
    void sameSecretGivesDifferentRecords();
    void emptyPasswordMeansNoRecord();
    void knownRecordFromAnotherImplementation();
    void storedValueKinds_data();
    void storedValueKinds();
    void plainValueFromOlderSettings_data();
    void plainValueFromOlderSettings();
};

void TestPasswordDigest::recordOpensOnlyWithTheExactPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");

    QTest::newRow("same text") << QStringLiteral("Squat140") << QStringLiteral("Squat140") << true;
    QTest::newRow("other letter case")
        << QStringLiteral("Squat140") << QStringLiteral("squat140") << false;
    QTest::newRow("empty entry") << QStringLiteral("Squat140") << QString() << false;
    QTest::newRow("trailing blank")
        << QStringLiteral("Squat140") << QStringLiteral("Squat140 ") << false;
    QTest::newRow("prefix only") << QStringLiteral("Squat140") << QStringLiteral("Squat") << false;
    QTest::newRow("non-Latin letters")
        << QStringLiteral("Жим лёжа") << QStringLiteral("Жим лёжа") << true;
    QTest::newRow("non-Latin other case")
        << QStringLiteral("Жим лёжа") << QStringLiteral("жим лёжа") << false;
    QTest::newRow("separator inside")
        << QStringLiteral("a$b$c$d") << QStringLiteral("a$b$c$d") << true;
    QTest::newRow("long") << QString(300, QLatin1Char('x')) << QString(300, QLatin1Char('x'))
                          << true;
}

void TestPasswordDigest::recordOpensOnlyWithTheExactPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, typed);
    QFETCH(bool, opens);

    const QString record = MakePasswordRecord(password, QuickIterations);
    QVERIFY(IsPasswordRecord(record));
    QVERIFY(!IsLegacyPlain(record));
    QCOMPARE(VerifyPassword(record, typed), opens);
}

void TestPasswordDigest::recordHasTheDocumentedShape()
{
    const QString password = QStringLiteral("Deadlift");
    const QString record = MakePasswordRecord(password);
    const QStringList parts = record.split(QLatin1Char('$'));
    QCOMPARE(parts.size(), 4);
    QCOMPARE(parts.at(0), QStringLiteral("pbkdf2-sha256"));
    QCOMPARE(parts.at(1), QString::number(DefaultIterations));
    QCOMPARE(QByteArray::fromBase64(parts.at(2).toLatin1()).size(), SaltLength);
    QCOMPARE(QByteArray::fromBase64(parts.at(3).toLatin1()).size(), KeyLength);
    QVERIFY(!record.contains(password, Qt::CaseInsensitive));
    QVERIFY(VerifyPassword(record, password));
}

void TestPasswordDigest::sameSecretGivesDifferentRecords()
{
    const QString first = MakePasswordRecord(QStringLiteral("bench"), QuickIterations);
    const QString second = MakePasswordRecord(QStringLiteral("bench"), QuickIterations);
    QVERIFY(first != second);
    QVERIFY(first.section(QLatin1Char('$'), 2, 2) != second.section(QLatin1Char('$'), 2, 2));
    QVERIFY(VerifyPassword(first, QStringLiteral("bench")));
    QVERIFY(VerifyPassword(second, QStringLiteral("bench")));
}

void TestPasswordDigest::emptyPasswordMeansNoRecord()
{
    QVERIFY(MakePasswordRecord(QString()).isEmpty());
    QVERIFY(!VerifyPassword(QString(), QString()));
    QVERIFY(!VerifyPassword(QString(), QStringLiteral("anything")));
    QVERIFY(!IsLegacyPlain(QString()));
    QVERIFY(!IsPasswordRecord(QString()));
}

void TestPasswordDigest::knownRecordFromAnotherImplementation()
{
    QVERIFY(IsPasswordRecord(KnownRecord));
    QVERIFY(VerifyPassword(KnownRecord, QStringLiteral("Жим лёжа 80")));
    QVERIFY(!VerifyPassword(KnownRecord, QStringLiteral("Жим лёжа 81")));
}

void TestPasswordDigest::storedValueKinds_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("record");

    QTest::newRow("record") << KnownRecord << true;
    QTest::newRow("plain word") << QStringLiteral("secret") << false;
    QTest::newRow("scheme without fields") << QStringLiteral("pbkdf2-sha256$") << false;
    QTest::newRow("count not a number")
        << QStringLiteral("pbkdf2-sha256$many$AAECAwQFBgcICQoLDA0ODw==$"
                          "Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=")
        << false;
    QTest::newRow("count zero") << QStringLiteral("pbkdf2-sha256$0$AAECAwQFBgcICQoLDA0ODw==$"
                                                  "Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=")
                                << false;
    QTest::newRow("count that would freeze the start")
        << QStringLiteral("pbkdf2-sha256$2000000000$AAECAwQFBgcICQoLDA0ODw==$"
                          "Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=")
        << false;
    QTest::newRow("salt not base64")
        << QStringLiteral("pbkdf2-sha256$1000$not*base64$"
                          "Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=")
        << false;
    QTest::newRow("key too short")
        << QStringLiteral("pbkdf2-sha256$1000$AAECAwQFBgcICQoLDA0ODw==$AAEC") << false;
    QTest::newRow("other scheme") << QStringLiteral("pbkdf2-sha1$1000$AAECAwQFBgcICQoLDA0ODw==$"
                                                    "Fd5WmZb9MHV2ju9WliyjSbHuRJZqFhjDa1LqZOAMRTw=")
                                  << false;
}

void TestPasswordDigest::storedValueKinds()
{
    QFETCH(QString, stored);
    QFETCH(bool, record);
    QCOMPARE(IsPasswordRecord(stored), record);
    QCOMPARE(IsLegacyPlain(stored), !record);
    // Whatever is stored, only the exact stored text or the password behind a record opens it.
    if (!record)
        QVERIFY(VerifyPassword(stored, stored));
    QVERIFY(!VerifyPassword(stored, stored.toUpper() + QLatin1Char('!')));
}

void TestPasswordDigest::plainValueFromOlderSettings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");

    QTest::newRow("same text") << QStringLiteral("Biceps45") << true;
    QTest::newRow("other letter case") << QStringLiteral("BICEPS45") << false;
    QTest::newRow("empty entry") << QString() << false;
    QTest::newRow("longer") << QStringLiteral("Biceps450") << false;
}

void TestPasswordDigest::plainValueFromOlderSettings()
{
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    const QString stored = QStringLiteral("Biceps45");
    QVERIFY(IsLegacyPlain(stored));
    QCOMPARE(VerifyPassword(stored, typed), opens);
}

REPBOOK_TEST_MAIN_CORE(TestPasswordDigest)
#include "tst_passworddigest.moc"
