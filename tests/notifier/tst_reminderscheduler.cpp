#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "model/DiaryDatabase.h"
#include "notifier/ReminderScheduler.h"
#include "settings/NotifyTimeRecord.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <memory>

// The scheduler is driven through scripts of steps against a fake clock. Days are written as
// "d0" (the test's first day), "d1" (the day after), and so on; moments as "d0 18:00:10".
//
//   at <moment>             set the clock
//   start -> <balloon>      the first evaluation at start
//   tick -> <balloon>       one timer tick at the clock, then the clock moves on one second
//   ticks <n> -> <balloon>  n ticks, each with that result
//   open -> diary|dialog|already
//   ok [ask <moment>]       the dialog ends with OK (with the results box ticked at <moment>)
//   later                   the dialog ends with "Remind me later"
//   restart                 a new scheduler reading the stored values, as after a restart
//   state <n>               the reminder state
//   stored <ask|train|done> <moment>|none
//
// Balloons: "show 1", "show 2", "keep", "hide".
class TestReminderScheduler : public QObject
{
    Q_OBJECT

private:
    const QDate m_base {2026, 3, 10};
    QDateTime m_now;
    SettingsStore m_settings;
    DiaryDatabase m_database;
    std::unique_ptr<ReminderScheduler> m_scheduler;

    QDate DayOf(const QString &token) const
    {
        bool ok = false;
        const int offset = token.mid(1).toInt(&ok);
        if (!token.startsWith(u'd') || !ok)
            qFatal("bad day token");
        return m_base.addDays(offset);
    }

    QDateTime MomentOf(const QString &day, const QString &time) const
    {
        return QDateTime(DayOf(day), QTime::fromString(time, QStringLiteral("HH:mm:ss")));
    }

    void NewScheduler()
    {
        m_scheduler =
            std::make_unique<ReminderScheduler>(m_database, m_settings, [this] { return m_now; });
        m_scheduler->LoadReminderFlags();
    }

    QString BalloonName(ReminderScheduler::BalloonAction action) const
    {
        using Action = ReminderScheduler::BalloonAction;
        return action == Action::Show ? QStringLiteral("show %1").arg(m_scheduler->GetState())
                                      : (action == Action::Hide ? "hide" : "keep");
    }

    QString Tick()
    {
        const auto action = m_scheduler->Tick();
        m_now = m_now.addSecs(1);
        return BalloonName(action);
    }

    // Runs one step; an empty result means it went as expected, otherwise what it got.
    QString RunStep(const QString &step)
    {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QString command = words.value(0);
        QString expected = step.section(QStringLiteral("-> "), 1);
        QString got;
        if (command == u"at") {
            m_now = MomentOf(words.value(1), words.value(2));
        } else if (command == u"start" || command == u"tick") {
            got = command == u"start" ? BalloonName(m_scheduler->Start()) : Tick();
        } else if (command == u"ticks") {
            for (int i = 1; i <= words.value(1).toInt(); ++i) {
                if ((got = Tick()) != expected)
                    return QStringLiteral("%1 at tick %2").arg(got).arg(i);
            }
        } else if (command == u"open") {
            static const QStringList names {"diary", "already", "dialog"};
            const auto action = m_scheduler->OpenReminder();
            got = names.value(int(action));
            if (action == ReminderScheduler::OpenAction::ShowDialog &&
                m_scheduler->ReminderMoment() != m_now)
                return QStringLiteral("moment %1").arg(m_scheduler->ReminderMoment().toString());
        } else if (command == u"ok" || command == u"later") {
            std::optional<DateValue> ask;
            if (words.value(1) == u"ask")
                ask = DateValue::FromQDateTime(MomentOf(words.value(2), words.value(3)));
            m_scheduler->CloseReminder(command == u"ok", ask);
        } else if (command == u"restart") {
            NewScheduler();
        } else if (command == u"state") {
            got = QStringLiteral("state %1").arg(m_scheduler->GetState());
            expected = step;
        } else if (command == u"stored") {
            const std::optional<QByteArray> record =
                m_settings.Read(words.value(1) == u"ask"         ? SettingsKeys::NotifyDone
                                    : words.value(1) == u"train" ? SettingsKeys::TrainNotified
                                                                 : SettingsKeys::DoneNotified);
            const QDateTime stored = record ? NotifyTimeRecord::Decode(*record) : QDateTime();
            const QDateTime wanted =
                words.value(2) == u"none" ? QDateTime() : MomentOf(words.value(2), words.value(3));
            if (stored != wanted)
                return QStringLiteral("stored %1").arg(stored.toString(Qt::ISODate));
        } else {
            return QStringLiteral("unknown step");
        }
        return got == expected ? QString() : got;
    }

private slots:
    void init()
    {
        testsupport::ClearSettings();
        m_database.RemoveAllDays();
    }

    void timeline_data()
    {
        QTest::addColumn<int>("interval");
        // "d0" is an empty day, "d0 workout" has one; days and steps are separated by ", "
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("script");
        const auto row = [](const char *name, int interval, const char *days, const char *script) {
            QTest::newRow(name) << interval << QString::fromUtf8(days) << QString::fromUtf8(script);
        };

        row("interval 5 repeats on the 301st tick", 5, "d0 workout",
            "at d0 09:00:00, start -> show 1, ticks 300 -> keep, tick -> show 1, "
            "ticks 300 -> keep, tick -> show 1, state 1");
        row("interval 1 repeats every minute, a day without workouts too", 1, "d0",
            "at d0 09:00:00, start -> show 1, ticks 60 -> keep, tick -> show 1, "
            "ticks 60 -> keep, tick -> show 1");
        row("interval 0 shows at start and at changes only", 0, "d0",
            "at d0 09:00:00, start -> show 1, ticks 1000 -> keep, open -> dialog, "
            "ok ask d0 09:30:00, tick -> hide, at d0 09:29:59, tick -> hide, tick -> show 2, "
            "ticks 1000 -> keep, state 2");
        row("interval -1 never shows, the reminder still opens", -1, "d0",
            "at d0 09:00:00, start -> keep, state 1, ticks 400 -> keep, open -> dialog, "
            "ok ask d0 10:00:00, tick -> hide, at d0 10:00:00, tick -> keep, state 2, "
            "open -> dialog");
        row("results asked one hour after confirming at 18:00:10", 1, "d0 workout",
            "at d0 18:00:10, start -> show 1, open -> dialog, ok ask d0 19:00:10, "
            "stored ask d0 19:00:10, stored train d0 18:00:10, stored done none, "
            "tick -> hide, at d0 19:00:08, tick -> hide, tick -> hide, tick -> show 2, "
            "at d0 20:05:00, tick -> keep, state 2");
        row("confirming at 23:30 moves the question to the next day", 1, "d0, d1 workout",
            "at d0 23:30:00, start -> show 1, open -> dialog, ok ask d1 00:30:00, "
            "tick -> hide, at d0 23:59:59, tick -> hide, tick -> hide, state 0, "
            "at d1 00:29:59, tick -> hide, tick -> show 2, open -> dialog, ok, "
            "stored done d1 00:30:01, tick -> hide, at d1 23:59:59, tick -> hide");
        row("ask time set back to 10:00 is due at once", 1, "d0",
            "at d0 18:00:00, start -> show 1, open -> dialog, ok ask d0 10:00:00, "
            "tick -> show 2, stored ask d0 10:00:00");
        row("no day today: nothing to remind, open starts the diary", 1, "d1 workout",
            "at d0 07:00:00, start -> keep, state 0, ticks 5 -> hide, open -> diary");
        row("remind me later records nothing and repeats", 1, "d0",
            "at d0 08:00:00, start -> show 1, ticks 10 -> keep, open -> dialog, "
            "open -> already, later, stored ask none, stored train none, stored done none, "
            "ticks 50 -> keep, tick -> show 1, restart, start -> show 1");
        row("a click meets the open dialog", 1, "d0",
            "at d0 08:00:00, start -> show 1, open -> dialog, ticks 60 -> keep, "
            "tick -> show 1, open -> already, ok, tick -> hide, open -> diary");
        row("restart after confirming the workout shows nothing", 1, "d0",
            "at d0 08:00:00, start -> show 1, open -> dialog, ok, stored ask none, "
            "stored train d0 08:00:00, restart, start -> keep, ticks 3600 -> hide");
        row("restart after confirming the results shows nothing", 1, "d0",
            "at d0 08:00:00, start -> show 1, open -> dialog, ok ask d0 09:00:00, "
            "at d0 09:00:00, tick -> show 2, restart, start -> show 2, open -> dialog, ok, "
            "stored done d0 09:00:01, restart, start -> keep, at d0 23:00:00, "
            "ticks 10 -> hide");
        row("the state at closing decides what is recorded", 1, "d0",
            "at d0 08:00:00, start -> show 1, open -> dialog, ok ask d0 08:00:05, "
            "ticks 5 -> hide, tick -> show 2, open -> dialog, at d0 23:59:59, tick -> keep, "
            "tick -> hide, ok ask d1 10:00:00, stored done none, stored ask d0 08:00:05, "
            "stored train d0 08:00:00");
        row("midnight starts the next day's evaluation", 1, "d0, d1",
            "at d0 20:00:00, start -> show 1, open -> dialog, ok, at d0 23:59:58, "
            "tick -> hide, tick -> hide, tick -> show 1, state 1");
    }

    void timeline()
    {
        QFETCH(int, interval);
        QFETCH(QString, days);
        QFETCH(QString, script);
        m_settings.Write(SettingsKeys::TipNotifyTime, interval);
        for (const QString &day : days.split(QStringLiteral(", ")))
            QVERIFY(testsupport::BuildDiary(
                m_database,
                testsupport::DateText(DateValue::FromQDate(DayOf(day.section(u' ', 0, 0)))) +
                    (day.endsWith(QLatin1String("workout")) ? QStringLiteral(" Legs")
                                                            : QString())));
        NewScheduler();
        QCOMPARE(m_scheduler->GetInterval(), interval);

        const QStringList steps = script.split(QStringLiteral(", "));
        for (int i = 0; i < steps.size(); ++i) {
            const QString problem = RunStep(steps.at(i));
            if (!problem.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("step %1 \"%2\": got %3").arg(i + 1).arg(steps.at(i), problem)));
        }
    }
};

REPBOOK_TEST_MAIN_CORE(TestReminderScheduler)

#include "tst_reminderscheduler.moc"
