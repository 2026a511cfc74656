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
    void storedRecordForms_data();
    void storedRecordForms();
    void plainValueFromOlderSettings_data();
    void plainValueFromOlderSettings();
};

void TestPasswordDigest::recordOpensOnlyWithTheExactPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");

    const auto row = [](const char *name, const QString &password, const QString &typed,
                        bool opens) { QTest::newRow(name) << password << typed << opens; };
    row("same text", "Squat140", "Squat140", true);
    row("other letter case", "Squat140", "squat140", false);
    row("empty entry", "Squat140", "", false);
    row("trailing blank", "Squat140", "Squat140 ", false);
    row("prefix only", "Squat140", "Squat", false);
    row("non-Latin letters", "Жим лёжа", "Жим лёжа", true);
    row("non-Latin other case", "Жим лёжа", "жим лёжа", false);
    row("separator inside", "a$b$c$d", "a$b$c$d", true);
    row("long", QString(300, u'x'), QString(300, u'x'), true);
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

// A stored value is a record only in its exact form: scheme, iteration count, salt and key, four
// parts; anything else is an older plain value, compared as typed.
void TestPasswordDigest::storedRecordForms_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("isRecord");

    const QStringList parts = KnownRecord.split(u'$');
    const auto with = [&parts](int index, const QString &part) {
        QStringList changed = parts;
        changed[index] = part;
        return changed.join(u'$');
    };
    QTest::newRow("record from another implementation") << KnownRecord << true;
    QTest::newRow("three parts") << QStringList(parts.mid(0, 3)).join(u'$') << false;
    QTest::newRow("five parts") << KnownRecord + QStringLiteral("$AAAA") << false;
    QTest::newRow("other scheme") << with(0, QStringLiteral("pbkdf2-sha1")) << false;
    QTest::newRow("no iterations") << with(1, QStringLiteral("0")) << false;
    QTest::newRow("iterations not a number") << with(1, QStringLiteral("1e3")) << false;
    QTest::newRow("two thousand million iterations")
        << with(1, QStringLiteral("2000000000")) << false;
    QTest::newRow("salt not Base64") << with(2, QStringLiteral("AAEC*wQF")) << false;
    QTest::newRow("empty salt") << with(2, QString()) << false;
    QTest::newRow("key too short") << with(3, QStringLiteral("Fd5WmZb9MHV2ju9W")) << false;
}

void TestPasswordDigest::storedRecordForms()
{
    QFETCH(QString, stored);
    QFETCH(bool, isRecord);
    QCOMPARE(IsPasswordRecord(stored), isRecord);
    QCOMPARE(IsLegacyPlain(stored), !isRecord);
    QCOMPARE(VerifyPassword(stored, QStringLiteral("Жим лёжа 80")), isRecord);
    QVERIFY(!VerifyPassword(stored, QStringLiteral("Жим лёжа 81")));
    QCOMPARE(VerifyPassword(stored, stored), !isRecord);
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
