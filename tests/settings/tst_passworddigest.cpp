#include "common/TestMain.h"
#include "settings/PasswordDigest.h"


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
    void knownRecordFromAnotherImplementation();
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

void TestPasswordDigest::knownRecordFromAnotherImplementation()
{
    QVERIFY(IsPasswordRecord(KnownRecord));
    QVERIFY(VerifyPassword(KnownRecord, QStringLiteral("Жим лёжа 80")));
    QVERIFY(!VerifyPassword(KnownRecord, QStringLiteral("Жим лёжа 81")));
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
