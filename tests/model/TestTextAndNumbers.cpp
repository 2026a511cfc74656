#include "common/TestMain.h"

#include "model/TextCodec.h"
#include "model/TolerantNumber.h"
#include "model/WeightUnit.h"

#include <cmath>
#include <limits>

class TestTextAndNumbers : public QObject
{
    Q_OBJECT

private slots:
    void decodeLine_data();
    void decodeLine();
    void numbers_data();
    void numbers();
    void weightUnitFollowsTheLocale();
};

void TestTextAndNumbers::decodeLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Kniebeuge mit Gewicht") << "Kniebeuge mit Gewicht";
    QTest::newRow("UTF-8") << QByteArray("D\xC3\xA9velopp\xC3\xA9 couch\xC3\xA9")
                           << "Développé couché";
    QTest::newRow("Windows-1252") << QByteArray("D\xE9velopp\xE9 couch\xE9") << "Développé couché";
    QTest::newRow("1252 quotes and euro") << QByteArray("\x93"
                                                        "50 \x80\x94"
                                                        "cheap\x94")
                                          << "“50 €”cheap”";
    QTest::newRow("UTF-8 line separator") << QByteArray("a\xE2\x80\xA8"
                                                        "b")
                                          << "a\nb";
    QTest::newRow("truncated UTF-8 falls back") << QByteArray("caf\xC3") << "cafÃ";
    QTest::newRow("empty") << QByteArray() << QString();
    // The edges of what UTF-8 allows decide which text is read as Windows-1252.
    QTest::newRow("U+10000, the first of four bytes")
        << QByteArray("\xF0\x90\x80\x80") << "\U00010000";
    QTest::newRow("U+10FFFF") << QByteArray("\xF4\x8F\xBF\xBF") << "\U0010FFFF";
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << "\u00F4\u0090\u20AC\u20AC";
    QTest::newRow("U+D7FF") << QByteArray("\xED\x9F\xBF") << "\uD7FF";
    QTest::newRow("U+D800, a surrogate") << QByteArray("\xED\xA0\x80") << "\u00ED\u00A0\u20AC";
    QTest::newRow("overlong") << QByteArray("\xE0\x80\xAF") << "\u00E0\u20AC\u00AF";
    QTest::newRow("U+0080, U+07FF") << QByteArray("\xC2\x80\xDF\xBF") << "\u0080\u07FF";
    QTest::newRow("U+0800, U+FFFD") << QByteArray("\xE0\xA0\x80\xEF\xBF\xBD") << "\u0800\uFFFD";
    QTest::newRow("U+DFFF") << QByteArray("\xED\xBF\xBF") << "\u00ED\u00BF\u00BF";
    QTest::newRow("lead F5") << QByteArray("\xF5\x80\x80\x80") << "\u00F5\u20AC\u20AC\u20AC";
    QTest::newRow("a lone 0x80") << QByteArray("\x80") << "\u20AC";
    QTest::newRow("0x80 after UTF-8") << QByteArray("caf\xC3\xA9 \x80") << "caf\u00C3\u00A9 \u20AC";
}

void TestTextAndNumbers::decodeLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::DecodeLine(bytes), text);
}

// Numbers as the files hold them: blanks, a sign, digits, a point and decimals, then anything.
// Only the given view is read, never the bytes after it (a field inside a longer line).
void TestTextAndNumbers::numbers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("length"); // of the view; -1: all of bytes
    QTest::addColumn<int>("whole");
    QTest::addColumn<double>("value");
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    const QByteArray many = "99999999999999999999999";
    QTest::newRow("plain") << QByteArray("42") << -1 << 42 << 42.0;
    QTest::newRow("blanks, junk") << QByteArray(" \t12abc") << -1 << 12 << 12.0;
    QTest::newRow("sign only") << QByteArray("-") << -1 << 0 << 0.0;
    QTest::newRow("plus") << QByteArray("+3") << -1 << 3 << 3.0;
    QTest::newRow("minus") << QByteArray("-17x") << -1 << -17 << -17.0;
    QTest::newRow("empty") << QByteArray() << -1 << 0 << 0.0;
    QTest::newRow("blank after sign") << QByteArray("- 5") << -1 << 0 << 0.0;
    QTest::newRow("int max") << QByteArray("2147483647") << -1 << max << 2147483647.0;
    QTest::newRow("int min") << QByteArray("-2147483648") << -1 << min << -2147483648.0;
    QTest::newRow("saturates high") << many << -1 << max << 1e23;
    QTest::newRow("saturates low") << "-" + many << -1 << min << -1e23;
    QTest::newRow("two decimals") << QByteArray("42.50") << -1 << 42 << 42.5;
    QTest::newRow("one decimal") << QByteArray("0.1") << -1 << 0 << 0.1;
    QTest::newRow("six decimals") << QByteArray("12.345678") << -1 << 12 << 12.345678;
    QTest::newRow("point, no decimals") << QByteArray("7.") << -1 << 7 << 7.0;
    QTest::newRow("unit after") << QByteArray("  42.5kg") << -1 << 42 << 42.5;
    QTest::newRow("no whole part") << QByteArray("-.25") << -1 << 0 << -0.25;
    QTest::newRow("a point alone") << QByteArray(".x") << -1 << 0 << 0.0;
    QTest::newRow("a sign and a point") << QByteArray("-.") << -1 << 0 << 0.0;
    QTest::newRow("ten digits, decimals")
        << QByteArray("1234567890.25") << -1 << 1234567890 << 1234567890.25;
    QTest::newRow("beyond any double") << "1" + QByteArray(400, '0') << -1 << max << qInf();
    QTest::newRow("below any double") << "0." + QByteArray(400, '0') + "1" << -1 << 0 << 0.0;
    QTest::newRow("view inside digits") << QByteArray("123456") << 3 << 123 << 123.0;
    QTest::newRow("view after sign") << QByteArray("-1234") << 3 << -12 << -12.0;
    QTest::newRow("view at the point") << QByteArray("12.5") << 3 << 12 << 12.0;
    QTest::newRow("view in decimals") << QByteArray("-1.2345") << 5 << -1 << -1.23;
    QTest::newRow("view before digits") << QByteArray("  7") << 2 << 0 << 0.0;
}

void TestTextAndNumbers::numbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, length);
    QFETCH(int, whole);
    QFETCH(double, value);
    const QByteArrayView view =
        length < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(length);
    QCOMPARE(TolerantNumber::ToInt(view), whole);
    QCOMPARE(TolerantNumber::ToDouble(view), value);
    QCOMPARE(std::signbit(TolerantNumber::ToDouble(view)), std::signbit(value)); // no "-0"
}

void TestTextAndNumbers::weightUnitFollowsTheLocale()
{
    QVERIFY(WeightUnit::ForLocale(QLocale(QLocale::English, QLocale::UnitedStates)).IsPounds());
    QVERIFY(!WeightUnit::ForLocale(QLocale(QLocale::German, QLocale::Germany)).IsPounds());
    QVERIFY(!WeightUnit::ForLocale(QLocale::c()).IsPounds());
    QVERIFY(!WeightUnit::ForLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)).IsPounds());
}

REPBOOK_TEST_MAIN_CORE(TestTextAndNumbers)
#include "TestTextAndNumbers.moc"
