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
        QTest::newRow("record from another implementation")
            << KnownRecord << password << true << true;
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

REPBOOK_TEST_MAIN_CORE(TestPasswordDigest)
#include "tst_passworddigest.moc"
