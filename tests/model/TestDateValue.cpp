#include "common/TestMain.h"

#include "model/DateValue.h"

#include <QCoreApplication>

#include <limits>

class TestDateValue : public QObject
{
    Q_OBJECT

private slots:
    void defaultIsDayZeroValid();
    void setDate_data();
    void setDate();
    void fieldsFollowQDate_data();
    void fieldsFollowQDate();
    void dayOfWeek_data();
    void dayOfWeek();
    void timeOfDayDoesNotChangeTheDay_data();
    void timeOfDayDoesNotChangeTheDay();
    void unconvertibleValuesHaveNoFields_data();
    void unconvertibleValuesHaveNoFields();
    void addDays_data();
    void addDays();
    void daysTo();
    void comparisons_data();
    void comparisons();
    void qtConversions();
};

void TestDateValue::defaultIsDayZeroValid()
{
    const DateValue date;
    QCOMPARE(date.GetValue(), 0.0);
    QCOMPARE(date.GetStatus(), DateValue::Valid);
    QCOMPARE(date.GetYear(), 1899);
    QCOMPARE(date.GetMonth(), 12);
    QCOMPARE(date.GetDay(), 30);
}

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
    QTest::newRow("30 April") << 2007 << 4 << 30 << true;
    QTest::newRow("month 0") << 2007 << 0 << 1 << false;
    QTest::newRow("month 13") << 2007 << 13 << 1 << false;
    QTest::newRow("day 0") << 2007 << 1 << 0 << false;
    QTest::newRow("day 32") << 2007 << 1 << 32 << false;
    QTest::newRow("year 99") << 99 << 12 << 31 << false;
    QTest::newRow("year 100") << 100 << 1 << 1 << true;
    QTest::newRow("year 9999") << 9999 << 12 << 31 << true;
    QTest::newRow("year 10000") << 10000 << 1 << 1 << false;
    QTest::newRow("all -1") << -1 << -1 << -1 << false;
    QTest::newRow("year -1") << -1 << 1 << 1 << false;
    QTest::newRow("month -1") << 2007 << -1 << 1 << false;
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

void TestDateValue::fieldsFollowQDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("first") << QDate(100, 1, 1);
    QTest::newRow("before origin") << QDate(1899, 12, 29);
    QTest::newRow("origin") << QDate(1899, 12, 30);
    QTest::newRow("1.1.1900") << QDate(1900, 1, 1);
    QTest::newRow("1.3.1900") << QDate(1900, 3, 1);
    QTest::newRow("unix epoch") << QDate(1970, 1, 1);
    QTest::newRow("leap day") << QDate(2024, 2, 29);
    QTest::newRow("last") << QDate(9999, 12, 31);
}

void TestDateValue::fieldsFollowQDate()
{
    QFETCH(QDate, date);
    // Walk a few hundred days on either side and compare every field with QDate's.
    for (int offset = -400; offset <= 400; ++offset) {
        const QDate expected = date.addDays(offset);
        if (expected.year() < 100 || expected.year() > 9999)
            continue;
        const DateValue value(double(QDate(1899, 12, 30).daysTo(expected)));
        QCOMPARE(value.GetYear(), expected.year());
        QCOMPARE(value.GetMonth(), expected.month());
        QCOMPARE(value.GetDay(), expected.day());
        QCOMPARE(value.GetDayOfWeekIndex(), expected.dayOfWeek() - 1);
        QCOMPARE(value.ToQDate(), expected);
    }
}

void TestDateValue::dayOfWeek_data()
{
    QTest::addColumn<DateValue>("date");
    QTest::addColumn<int>("index");
    QTest::newRow("Monday 5.3.2007") << DateValue::FromDate(2007, 3, 5) << 0;
    QTest::newRow("Sunday 11.3.2007") << DateValue::FromDate(2007, 3, 11) << 6;
    QTest::newRow("Saturday origin") << DateValue() << 5;
    QTest::newRow("invalid") << DateValue::MakeInvalid() << -1;
    QTest::newRow("null") << DateValue::MakeNull() << -1;
}

void TestDateValue::dayOfWeek()
{
    QFETCH(DateValue, date);
    QFETCH(int, index);
    QCOMPARE(date.GetDayOfWeekIndex(), index);
}

void TestDateValue::timeOfDayDoesNotChangeTheDay_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    const double march5 = DateValue::FromDate(2007, 3, 5).GetValue();
    QTest::newRow("noon") << march5 + 0.5 << QDate(2007, 3, 5) << QTime(12, 0);
    QTest::newRow("last second") << march5 + 86399.0 / 86400 << QDate(2007, 3, 5)
                                 << QTime(23, 59, 59);
    QTest::newRow("rounds to next midnight")
        << march5 + 0.9999999 << QDate(2007, 3, 6) << QTime(0, 0);
    QTest::newRow("before origin, 06:00") << -1.25 << QDate(1899, 12, 29) << QTime(6, 0);
    QTest::newRow("origin noon") << -0.5 << QDate(1899, 12, 30) << QTime(12, 0);
}

void TestDateValue::timeOfDayDoesNotChangeTheDay()
{
    QFETCH(double, value);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    const DateValue moment(value);
    QCOMPARE(moment.ToQDate(), date);
    QCOMPARE(moment.ToQDateTime(), QDateTime(date, time));
    QVERIFY(moment == DateValue::FromQDate(date));
    QCOMPARE(DateValue::FromQDateTime(QDateTime(date, time)).ToQDateTime(), QDateTime(date, time));
}

void TestDateValue::unconvertibleValuesHaveNoFields_data()
{
    QTest::addColumn<DateValue>("date");
    QTest::newRow("invalid") << DateValue::MakeInvalid();
    QTest::newRow("null") << DateValue::MakeNull();
    QTest::newRow("valid status, year 99") << DateValue(-657435.0);
    QTest::newRow("valid status, year 10000") << DateValue(2958466.0);
    QTest::newRow("valid status, NaN") << DateValue(std::numeric_limits<double>::quiet_NaN());
    QTest::newRow("valid status, infinity") << DateValue(std::numeric_limits<double>::infinity());
    QTest::newRow("valid status, huge") << DateValue(1e300);
}

void TestDateValue::unconvertibleValuesHaveNoFields()
{
    QFETCH(DateValue, date);
    QCOMPARE(date.GetYear(), -1);
    QCOMPARE(date.GetMonth(), -1);
    QCOMPARE(date.GetDay(), -1);
    QCOMPARE(date.DayKey(), DateValue::NoDayKey);
    QVERIFY(!date.ToQDate().isValid());
    QVERIFY(!date.ToQDateTime().isValid());
    QCOMPARE(date.DaysTo(DateValue::FromDate(2007, 3, 5)), 0);
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

void TestDateValue::daysTo()
{
    const DateValue from = DateValue::FromDate(2007, 3, 5);
    QCOMPARE(from.DaysTo(DateValue::FromDate(2008, 3, 5)), 366);
    QCOMPARE(DateValue::FromDate(2008, 3, 5).DaysTo(from), -366);
    // Whole calendar days: the time of day does not count.
    QCOMPARE(DateValue(from.GetValue() + 0.9).DaysTo(DateValue(from.GetValue() + 1.1)), 1);
    QCOMPARE(from.DaysTo(DateValue::MakeNull()), 0);
    QCOMPARE(DateValue::MakeInvalid().DaysTo(from), 0);
    // The time of day survives day arithmetic.
    QCOMPARE((DateValue(from.GetValue() + 0.25) + 2).GetValue(), from.GetValue() + 2.25);
    // Before the origin the fraction still counts forward from that day's midnight.
    QCOMPARE((DateValue(-1.25) + 1).GetValue(), 0.25);
    QCOMPARE((DateValue(0.25) - 2).GetValue(), -2.25);
}

void TestDateValue::comparisons_data()
{
    QTest::addColumn<DateValue>("a");
    QTest::addColumn<DateValue>("b");
    QTest::addColumn<int>("order"); // -1 a before b, 0 same day, 1 a after b

    const DateValue march5 = DateValue::FromDate(2007, 3, 5);
    QTest::newRow("same day") << march5 << DateValue::FromDate(2007, 3, 5) << 0;
    QTest::newRow("time of day ignored") << DateValue(march5.GetValue() + 0.75) << march5 << 0;
    QTest::newRow("earlier day") << march5 << DateValue::FromDate(2007, 3, 6) << -1;
    QTest::newRow("later year") << DateValue::FromDate(2008, 1, 1) << march5 << 1;
    QTest::newRow("invalid equals null") << DateValue::MakeInvalid() << DateValue::MakeNull() << 0;
    QTest::newRow("invalid before any date")
        << DateValue::MakeInvalid() << DateValue::FromDate(100, 1, 1) << -1;
}

void TestDateValue::comparisons()
{
    QFETCH(DateValue, a);
    QFETCH(DateValue, b);
    QFETCH(int, order);

    QCOMPARE(a == b, order == 0);
    QCOMPARE(a != b, order != 0);
    QCOMPARE(a < b, order < 0);
    QCOMPARE(a <= b, order <= 0);
    QCOMPARE(a > b, order > 0);
    QCOMPARE(a >= b, order >= 0);
    QCOMPARE(a.DayKey() == b.DayKey(), order == 0);
}

void TestDateValue::qtConversions()
{
    QVERIFY(DateValue::FromQDate(QDate(2007, 3, 5)) == DateValue::FromDate(2007, 3, 5));
    QCOMPARE(DateValue::FromQDate(QDate()).GetStatus(), DateValue::Invalid);
    QCOMPARE(DateValue::FromQDate(QDate(99, 12, 31)).GetStatus(), DateValue::Invalid);
    QCOMPARE(DateValue::FromQDateTime(QDateTime()).GetStatus(), DateValue::Invalid);
    QCOMPARE(DateValue::FromQDateTime(QDateTime(QDate(2007, 3, 5), QTime(18, 0))).GetValue(),
             DateValue::FromDate(2007, 3, 5).GetValue() + 0.75);
    QCOMPARE(DateValue::FromDate(2007, 3, 5).ToQDateTime(),
             QDateTime(QDate(2007, 3, 5), QTime(0, 0)));
    QVERIFY(!DateValue::MakeNull().ToQDate().isValid());
}

REPBOOK_TEST_MAIN_CORE(TestDateValue)
#include "TestDateValue.moc"
