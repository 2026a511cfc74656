#include "common/TestMain.h"

#include "model/TextCodec.h"
#include "model/TolerantNumber.h"

#include <QCoreApplication>

#include <limits>

class TestTextAndNumbers : public QObject
{
    Q_OBJECT

private slots:
    void decodeLine_data();
    void decodeLine();
    void utf8Validity_data();
    void utf8Validity();
    void windows1252HighRange();
    void encode_data();
    void encode();
    void toInt_data();
    void toInt();
    void toDouble_data();
    void toDouble();
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

void TestTextAndNumbers::utf8Validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << true;
    QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x92\xAA") << true;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("lone continuation") << QByteArray("\x80") << false;
    QTest::newRow("truncated") << QByteArray("\xE2\x82") << false;
    QTest::newRow("lone marker byte") << QByteArray("\xA9") << false;
}

void TestTextAndNumbers::utf8Validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(TextCodec::IsValidUtf8(bytes), valid);
}

void TestTextAndNumbers::windows1252HighRange()
{
    // The code page's assignments for 0x80..0x9F; unassigned bytes keep their value.
    const char16_t expected[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.append(char(b));
    const QString text = TextCodec::FromWindows1252(bytes);
    QCOMPARE(text.size(), 128);
    for (int i = 0; i < 32; ++i)
        QCOMPARE(text.at(i).unicode(), expected[i]);
    for (int b = 0xA0; b <= 0xFF; ++b)
        QCOMPARE(text.at(b - 0x80).unicode(), char16_t(b));
}

void TestTextAndNumbers::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << QStringLiteral("Bench press") << QByteArray("Bench press");
    QTest::newRow("accents") << QStringLiteral("Füße")
                             << QByteArray("F\xC3\xBC\xC3\x9F"
                                           "e");
    QTest::newRow("CR LF, LF, CR") << QStringLiteral("a\r\nb\nc\rd")
                                   << QByteArray("a\xE2\x80\xA8"
                                                 "b\xE2\x80\xA8"
                                                 "c\xE2\x80\xA8"
                                                 "d");
    QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb")
                              << QByteArray("a\xE2\x80\xA8\xE2\x80\xA8"
                                            "b");
}

void TestTextAndNumbers::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::Encode(text), bytes);
    QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));
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

void TestTextAndNumbers::toDouble_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("two decimals") << QByteArray("42.50") << 42.5;
    QTest::newRow("one decimal") << QByteArray("0.1") << 0.1;
    QTest::newRow("many decimals") << QByteArray("12.345678") << 12.345678;
    QTest::newRow("no whole part") << QByteArray(".5") << 0.5;
    QTest::newRow("point only") << QByteArray(".") << 0.0;
    QTest::newRow("trailing point") << QByteArray("7.") << 7.0;
    QTest::newRow("blanks and unit") << QByteArray("  42.5kg") << 42.5;
    QTest::newRow("sign") << QByteArray("-2.25") << -2.25;
    QTest::newRow("no exponent") << QByteArray("1e3") << 1.0;
    QTest::newRow("comma stops") << QByteArray("42,5") << 42.0;
    QTest::newRow("long whole part") << QByteArray("123456789012.5") << 123456789012.5;
    QTest::newRow("huge") << QByteArray(400, '9') << std::numeric_limits<double>::infinity();
    QTest::newRow("tiny") << "0." + QByteArray(400, '0') + "1" << 0.0;
}

void TestTextAndNumbers::toDouble()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(TolerantNumber::ToDouble(text), value);
}

REPBOOK_TEST_MAIN_CORE(TestTextAndNumbers)
#include "TestTextAndNumbers.moc"
