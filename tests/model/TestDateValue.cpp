#include "common/TestMain.h"

#include "model/DateValue.h"

#include <limits>

class TestDateValue : public QObject
{
    Q_OBJECT

private slots:
    void setDate_data();
    void setDate();
    void addDays_data();
    void addDays();
};

void TestDateValue::setDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");

    QTest::newRow("5.3.2007") << 2007 << 3 << 5 << true;
    QTest::newRow("29.2.2007 not a leap year") << 2007 << 2 << 29 << false;
    QTest::newRow("29.2.2008 leap year") << 2008 << 2 << 29 << true;
    QTest::newRow("29.2.1900 century") << 1900 << 2 << 29 << false;
    QTest::newRow("29.2.2000 fourth century") << 2000 << 2 << 29 << true;
    QTest::newRow("31 April") << 2007 << 4 << 31 << false;
    QTest::newRow("month 0") << 2007 << 0 << 1 << false;
    QTest::newRow("month 13") << 2007 << 13 << 1 << false;
    QTest::newRow("day 0") << 2007 << 1 << 0 << false;
    QTest::newRow("day 32") << 2007 << 1 << 32 << false;
    QTest::newRow("year 99") << 99 << 12 << 31 << false;
    QTest::newRow("year 100") << 100 << 1 << 1 << true;
    QTest::newRow("year 9999") << 9999 << 12 << 31 << true;
    QTest::newRow("year 10000") << 10000 << 1 << 1 << false;
    QTest::newRow("day -1") << 2007 << 1 << -1 << false;
    QTest::newRow("year wraps at 16 bits") << 65536 + 2007 << 3 << 5 << false;
    QTest::newRow("day 30.12.1899") << 1899 << 12 << 30 << true;
}

void TestDateValue::setDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, valid);

    DateValue date = DateValue::FromDate(2001, 1, 1);
    QCOMPARE(date.SetDate(year, month, day), valid);
    QCOMPARE(date.IsValid(), valid);
    QCOMPARE(date.GetStatus(), valid ? DateValue::Valid : DateValue::Invalid);
    QCOMPARE(date.GetYear(), valid ? year : -1);
    QCOMPARE(date.GetMonth(), valid ? month : -1);
    QCOMPARE(date.GetDay(), valid ? day : -1);
    QCOMPARE(DateValue::FromDate(year, month, day).IsValid(), valid);
    if (valid) {
        // The day count agrees with the calendar's own reckoning from 30.12.1899.
        QCOMPARE(date.GetValue(), double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))));
    }
}

void TestDateValue::addDays_data()
{
    QTest::addColumn<DateValue>("start");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<DateValue>("expected");
    QTest::addColumn<int>("status");

    QTest::newRow("next day") << DateValue::FromDate(2007, 3, 5) << qint64(1)
                              << DateValue::FromDate(2007, 3, 6) << int(DateValue::Valid);
    QTest::newRow("across leap day") << DateValue::FromDate(2008, 2, 28) << qint64(2)
                                     << DateValue::FromDate(2008, 3, 1) << int(DateValue::Valid);
    QTest::newRow("back a year") << DateValue::FromDate(2008, 3, 1) << qint64(-366)
                                 << DateValue::FromDate(2007, 3, 1) << int(DateValue::Valid);
    QTest::newRow("across origin") << DateValue::FromDate(1900, 1, 1) << qint64(-5)
                                   << DateValue::FromDate(1899, 12, 27) << int(DateValue::Valid);
    QTest::newRow("past 9999") << DateValue::FromDate(9999, 12, 31) << qint64(1)
                               << DateValue::MakeInvalid() << int(DateValue::Invalid);
    QTest::newRow("before 100") << DateValue::FromDate(100, 1, 1) << qint64(-1)
                                << DateValue::MakeInvalid() << int(DateValue::Invalid);
    QTest::newRow("huge count") << DateValue::FromDate(2007, 3, 5)
                                << std::numeric_limits<qint64>::max() << DateValue::MakeInvalid()
                                << int(DateValue::Invalid);
    QTest::newRow("null stays null")
        << DateValue::MakeNull() << qint64(3) << DateValue::MakeNull() << int(DateValue::Null);
    QTest::newRow("invalid stays invalid") << DateValue::MakeInvalid() << qint64(3)
                                           << DateValue::MakeInvalid() << int(DateValue::Invalid);
}

void TestDateValue::addDays()
{
    QFETCH(DateValue, start);
    QFETCH(qint64, days);
    QFETCH(DateValue, expected);
    QFETCH(int, status);

    const DateValue later = start.AddDays(days);
    QCOMPARE(int(later.GetStatus()), status);
    QVERIFY(later == expected);
    QCOMPARE(later.GetYear(), expected.GetYear());
    QVERIFY((start + days) == expected);
    if (days != std::numeric_limits<qint64>::max())
        QVERIFY((start - (-days)) == expected);
}

REPBOOK_TEST_MAIN_CORE(TestDateValue)
#include "TestDateValue.moc"
