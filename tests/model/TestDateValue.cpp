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

    const auto row = [](const char *name, DateValue start, qint64 days, DateValue expected) {
        QTest::newRow(name) << start << days << expected;
    };
    const auto date = &DateValue::FromDate;
    row("next day", date(2007, 3, 5), 1, date(2007, 3, 6));
    row("across leap day", date(2008, 2, 28), 2, date(2008, 3, 1));
    row("back a year", date(2008, 3, 1), -366, date(2007, 3, 1));
    row("across origin", date(1900, 1, 1), -5, date(1899, 12, 27));
    row("past 9999", date(9999, 12, 31), 1, DateValue::MakeInvalid());
    row("before 100", date(100, 1, 1), -1, DateValue::MakeInvalid());
    row("huge count", date(2007, 3, 5), std::numeric_limits<qint64>::max(),
        DateValue::MakeInvalid());
    row("null stays null", DateValue::MakeNull(), 3, DateValue::MakeNull());
    row("invalid stays invalid", DateValue::MakeInvalid(), 3, DateValue::MakeInvalid());
}

void TestDateValue::addDays()
{
    QFETCH(DateValue, start);
    QFETCH(qint64, days);
    QFETCH(DateValue, expected);

    const DateValue later = start.AddDays(days);
    QCOMPARE(later.GetStatus(), expected.GetStatus());
    QVERIFY(later == expected);
    QVERIFY((start + days) == expected);
    if (days != std::numeric_limits<qint64>::max())
        QVERIFY((start - (-days)) == expected);
}

REPBOOK_TEST_MAIN_CORE(TestDateValue)
#include "TestDateValue.moc"
