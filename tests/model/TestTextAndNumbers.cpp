#include "common/TestMain.h"

#include "model/TextCodec.h"
#include "model/TolerantNumber.h"
#include "model/WeightUnit.h"

#include <limits>

class TestTextAndNumbers : public QObject
{
    Q_OBJECT

private slots:
    void decodeLine_data();
    void decodeLine();
    void utf8Boundaries();
    void decimals();
    void toInt_data();
    void toInt();
    void weightUnitFollowsTheLocale();
};

void TestTextAndNumbers::decodeLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Kniebeuge mit Gewicht")
                           << QStringLiteral("Kniebeuge mit Gewicht");
    QTest::newRow("UTF-8") << QByteArray("D\xC3\xA9velopp\xC3\xA9 couch\xC3\xA9")
                           << QStringLiteral("Développé couché");
    QTest::newRow("Windows-1252") << QByteArray("D\xE9velopp\xE9 couch\xE9")
                                  << QStringLiteral("Développé couché");
    QTest::newRow("1252 quotes and euro") << QByteArray("\x93"
                                                        "50 \x80\x94"
                                                        "cheap\x94")
                                          << QStringLiteral("“50 €”cheap”");
    QTest::newRow("UTF-8 line separator") << QByteArray("a\xE2\x80\xA8"
                                                        "b")
                                          << QStringLiteral("a\nb");
    QTest::newRow("truncated UTF-8 falls back") << QByteArray("caf\xC3") << QStringLiteral("cafÃ");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestTextAndNumbers::decodeLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::DecodeLine(bytes), text);
}

void TestTextAndNumbers::toInt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("42") << 42;
    QTest::newRow("leading blanks, trailing junk") << QByteArray(" \t12abc") << 12;
    QTest::newRow("sign only") << QByteArray("-") << 0;
    QTest::newRow("plus") << QByteArray("+3") << 3;
    QTest::newRow("minus") << QByteArray("-17x") << -17;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("blank between sign and digits") << QByteArray("- 5") << 0;
    QTest::newRow("int max") << QByteArray("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("int min") << QByteArray("-2147483648") << std::numeric_limits<int>::min();
    QTest::newRow("saturates high")
        << QByteArray("99999999999999999999999") << std::numeric_limits<int>::max();
    QTest::newRow("saturates low")
        << QByteArray("-99999999999999999999999") << std::numeric_limits<int>::min();
}

void TestTextAndNumbers::toInt()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(TolerantNumber::ToInt(text), value);
}

// Text that is not UTF-8 is read as Windows-1252: the edges of what UTF-8 allows decide.
void TestTextAndNumbers::utf8Boundaries()
{
    QVERIFY(TextCodec::IsValidUtf8("\xF4\x8F\xBF\xBF")); // U+10FFFF
    QVERIFY(!TextCodec::IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    QVERIFY(TextCodec::IsValidUtf8("\xED\x9F\xBF")); // U+D7FF
    QVERIFY(!TextCodec::IsValidUtf8("\xED\xA0\x80")); // U+D800, a surrogate
    QVERIFY(!TextCodec::IsValidUtf8("\xE0\x80\xAF")); // overlong
}

// Weights: up to two decimals take the exact fast path, more take the full conversion.
void TestTextAndNumbers::decimals()
{
    QCOMPARE(TolerantNumber::ToDouble("42.50"), 42.5);
    QCOMPARE(TolerantNumber::ToDouble("0.1"), 0.1);
    QCOMPARE(TolerantNumber::ToDouble("12.345678"), 12.345678);
    QCOMPARE(TolerantNumber::ToDouble("7."), 7.0);
    QCOMPARE(TolerantNumber::ToDouble("  42.5kg"), 42.5);
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
