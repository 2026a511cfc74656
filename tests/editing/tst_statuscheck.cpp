#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "model/StatusCheck.h"
#include "model/Workout.h"

// The question the day dialog asks on OK, for each combination of the workout's status and its
// exercises' statuses: the first matching rule wins.
class TestStatusCheck : public QObject
{
    Q_OBJECT

private slots:
    void questionAtOk_data();
    void questionAtOk();
};

void TestStatusCheck::questionAtOk_data()
{
    // exercises: in the diary notation (common/DiaryText.h)
    QTest::addColumn<int>("workoutStatus");
    QTest::addColumn<QString>("exercises");
    // The question's words: the exercises' quantifier and status, the workout's status (written
    // "Some/Done/Not yet"); empty when nothing is asked. answer: the status Yes gives, -1 when
    // nothing is asked.
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("answer");

    const int notYet = 0, done = 1, failed = 2, unknown = 7;
    const auto row = [](const char *name, int workout, const char *exercises, const char *asked,
                        int answer) {
        QTest::newRow(name) << workout << QString::fromUtf8(exercises)
                            << QString::fromUtf8(asked).split(u'/', Qt::SkipEmptyParts) << answer;
    };
    row("Not yet, some Done", notYet, "Squat, Squat done, Squat", "Some/Done/Not yet", done);
    row("Not yet, Done before Failed", notYet, "Squat failed, Squat done", "Some/Done/Not yet",
        done);
    row("Not yet, some Failed", notYet, "Squat, Squat failed", "Some/Failed/Not yet", failed);
    row("Not yet, all Not yet", notYet, "Squat, Squat", "", -1);
    row("Failed, some Done", failed, "Squat failed, Squat done", "Some/Done/Failed", done);
    row("Failed, none Done", failed, "Squat failed, Squat", "", -1);
    row("Done, some Done", done, "Squat done, Squat failed, Squat", "", -1);
    row("Done, some Failed", done, "Squat, Squat failed", "Some/Failed/Done", failed);
    row("Done, all Not yet", done, "Squat, Squat", "All/Not yet/Done", notYet);
    row("Done, no exercises", done, "", "", -1);
    row("unknown status is Done, some Failed", unknown, "Squat failed", "Some/Failed/Done", failed);
    row("unknown status is Done, all Not yet", unknown, "Squat", "All/Not yet/Done", notYet);
    row("unknown status is Done, some Done", unknown, "Squat done", "", -1);
}

void TestStatusCheck::questionAtOk()
{
    QFETCH(int, workoutStatus);
    QFETCH(QString, exercises);
    QFETCH(QStringList, asked);
    QFETCH(int, answer);

    const auto workout =
        testsupport::BuildWorkout(QStringLiteral("Legs:s%1[%2]").arg(workoutStatus).arg(exercises));
    const std::optional<StatusCheck::Question> question = StatusCheck::QuestionFor(*workout);
    QCOMPARE(question.has_value(), !asked.isEmpty());
    if (!question)
        return;
    const auto answered = static_cast<ProgressStatus>(answer);
    QCOMPARE(question->answerYes, answered);
    QCOMPARE(question->text,
             QStringLiteral("%1 exercises in 'Legs' workout are marked as '%2', but workout "
                            "itself is marked as '%3'.\nDo you want to mark workout as '%4'?")
                 .arg(asked.at(0), asked.at(1), asked.at(2), StatusName(answered)));
}

REPBOOK_TEST_MAIN_CORE(TestStatusCheck)
#include "tst_statuscheck.moc"
