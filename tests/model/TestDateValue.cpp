#include "common/TestMain.h"

#include "model/DateValue.h"

#include <limits>

class TestDateValue : public QObject
{
    Q_OBJECT

private slots:
    void setDate_data()
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

    void setDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, valid);

        DateValue date = DateValue::FromDate(2001, 1, 1);
        QCOMPARE(date.SetDate(year, month, day), valid);
        QCOMPARE(date.GetStatus(), valid ? DateValue::Valid : DateValue::Invalid);
        const QList<int> fields {date.GetYear(), date.GetMonth(), date.GetDay()};
        QCOMPARE(fields, (valid ? QList<int> {year, month, day} : QList<int> {-1, -1, -1}));
        QCOMPARE(DateValue::FromDate(year, month, day).IsValid(), valid);
        if (valid) {
            // The day count agrees with the calendar's own reckoning from 30.12.1899.
            QCOMPARE(date.GetValue(), double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))));
        }
    }

    void addDays_data()
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

    void addDays()
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

    // A stored value as a date and time, a weekday (Monday 0) and a distance in days; values
    // outside the years 100 to 9999, and invalid or null ones, have none of them.
    void conversions_data()
    {
        QTest::addColumn<DateValue>("value");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<int>("weekday");
        const auto at = [](int y, int m, int d, int h = 0, int min = 0, int sec = 0) {
            return QDateTime(QDate(y, m, d), QTime(h, min, sec));
        };
        QTest::newRow("origin") << DateValue(0.0) << at(1899, 12, 30) << 5;
        QTest::newRow("evening") << DateValue(39146.75) << at(2007, 3, 5, 18) << 0;
        QTest::newRow("before 0: time forward") << DateValue(-1.25) << at(1899, 12, 29, 6) << 4;
        QTest::newRow("first day") << DateValue(-657434.0) << at(100, 1, 1) << 4;
        QTest::newRow("last minute") << DateValue(2958465.999) << at(9999, 12, 31, 23, 58, 34) << 4;
        QTest::newRow("after 9999") << DateValue(2958466.0) << QDateTime() << -1;
        QTest::newRow("before 100") << DateValue(-657435.0) << QDateTime() << -1;
        QTest::newRow("not a number") << DateValue(std::nan("")) << QDateTime() << -1;
        QTest::newRow("invalid") << DateValue(39146.0, DateValue::Invalid) << QDateTime() << -1;
        QTest::newRow("null") << DateValue::MakeNull() << QDateTime() << -1;
    }

    void conversions()
    {
        QFETCH(DateValue, value);
        QFETCH(QDateTime, moment);
        QFETCH(int, weekday);
        QCOMPARE(value.ToQDateTime(), moment);
        QCOMPARE(value.ToQDate(), moment.date());
        QCOMPARE(value.GetDayOfWeekIndex(), weekday);
        const DateValue reference = DateValue::FromDate(2007, 3, 5);
        const qint64 days = moment.isValid() ? QDate(2007, 3, 5).daysTo(moment.date()) : 0;
        QCOMPARE(reference.DaysTo(value), days);
        QCOMPARE(value.DaysTo(reference), -days);
        // Back from the date and time: the same value, to the second.
        const DateValue back = DateValue::FromQDateTime(moment);
        QCOMPARE(back.IsValid(), moment.isValid());
        QCOMPARE(back.ToQDateTime(), moment);
        QCOMPARE(DateValue::FromQDate(moment.date()).ToQDate(), moment.date());
    }
};

REPBOOK_TEST_MAIN_CORE(TestDateValue)
#include "TestDateValue.moc"
