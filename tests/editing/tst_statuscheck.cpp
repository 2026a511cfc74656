#include "common/TestMain.h"
#include "editing/StatusCheck.h"
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
    // exercises: one letter per exercise, D Done, F Failed, N Not yet
    QTest::addColumn<int>("workoutStatus");
    QTest::addColumn<QString>("exercises");
    // The question's words: the exercises' quantifier and status, the workout's status; empty
    // when nothing is asked. answer: the status Yes gives, -1 when nothing is asked.
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("answer");

    const int notYet = 0, done = 1, failed = 2, unknown = 7;
    const QStringList none;
    QTest::newRow("Not yet, some Done")
        << notYet << "NDN" << QStringList {"Some", "Done", "Not yet"} << done;
    QTest::newRow("Not yet, Done before Failed")
        << notYet << "FD" << QStringList {"Some", "Done", "Not yet"} << done;
    QTest::newRow("Not yet, some Failed")
        << notYet << "NF" << QStringList {"Some", "Failed", "Not yet"} << failed;
    QTest::newRow("Not yet, all Not yet") << notYet << "NN" << none << -1;
    QTest::newRow("Failed, some Done")
        << failed << "FD" << QStringList {"Some", "Done", "Failed"} << done;
    QTest::newRow("Failed, none Done") << failed << "FN" << none << -1;
    QTest::newRow("Done, some Done") << done << "DFN" << none << -1;
    QTest::newRow("Done, some Failed")
        << done << "NF" << QStringList {"Some", "Failed", "Done"} << failed;
    QTest::newRow("Done, all Not yet")
        << done << "NN" << QStringList {"All", "Not yet", "Done"} << notYet;
    QTest::newRow("Done, no exercises") << done << "" << none << -1;
    QTest::newRow("unknown status is Done, some Failed")
        << unknown << "F" << QStringList {"Some", "Failed", "Done"} << failed;
    QTest::newRow("unknown status is Done, all Not yet")
        << unknown << "N" << QStringList {"All", "Not yet", "Done"} << notYet;
    QTest::newRow("unknown status is Done, some Done") << unknown << "D" << none << -1;
}

void TestStatusCheck::questionAtOk()
{
    QFETCH(int, workoutStatus);
    QFETCH(QString, exercises);
    QFETCH(QStringList, asked);
    QFETCH(int, answer);

    Workout workout;
    workout.SetName(QStringLiteral("Legs"));
    for (const QChar letter : exercises) {
        auto exercise = std::make_unique<ExerciseEntry>();
        exercise->SetName(QStringLiteral("Squat"));
        exercise->SetStatus(letter == u'D'       ? ProgressStatus::Done
                                : letter == u'F' ? ProgressStatus::Failed
                                                 : ProgressStatus::NotYet);
        workout.AddExercise(std::move(exercise));
    }
    workout.SetStatus(static_cast<ProgressStatus>(workoutStatus), false);

    const std::optional<StatusCheck::Question> question = StatusCheck::QuestionFor(workout);
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
