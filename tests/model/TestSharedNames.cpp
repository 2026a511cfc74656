#include "common/DiaryText.h"
#include "common/TestMain.h"

#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"

// Reading shares equal exercise and workout names through a table of its own; sharing must
// never change which name an entry reads back.
class TestSharedNames : public QObject
{
    Q_OBJECT

private slots:
    void namesReadBackUnchangedPastTableGrowthAndCap()
    {
        // More distinct names than the table keeps, names that differ only in their middle (equal
        // length and ends), non-ASCII names, each written twice.
        QStringList names;
        for (int i = 0; i < 5000; ++i)
            names << QStringLiteral("Exercise %1").arg(i);
        for (int i = 0; i < 40; ++i)
            names << QStringLiteral("Pull-ups wi%1th a band")
                         .arg(QChar(u'a' + i % 26))
                         .repeated(1 + i / 26);
        names << QStringLiteral("Übung ähnlich") << QStringLiteral("Übung ähnlicH");

        QStringList exercises;
        for (int round = 0; round < 2; ++round) {
            for (const QString &name : names)
                exercises << QString(name).replace(u' ', u'_');
        }
        DiaryDatabase written;
        QVERIFY(testsupport::BuildDiary(
            written,
            QStringLiteral("1.5.2024 Exercise_7[%1]").arg(exercises.join(QStringLiteral(", ")))));

        DiaryDatabase read;
        read.LoadFromData(DatabaseWriter::FileBytes(written));
        QCOMPARE(testsupport::DescribeDiary(read), testsupport::DescribeDiary(written));
        const Workout &readWorkout = *read.GetDay(0)->GetWorkout(0);
        // A repeated name shares the first one's string.
        QCOMPARE(readWorkout.GetExercise(int(names.size()) + 3)->GetName().constData(),
                 readWorkout.GetExercise(3)->GetName().constData());
    }
};

REPBOOK_TEST_MAIN_CORE(TestSharedNames)
#include "TestSharedNames.moc"
