#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"

#include "model/CMD5Checksum.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

const QByteArray Marker("\xA9\r\n");

// A file around content with an end marker and a digest computed here, independently of the
// code under test.
QByteArray Sealed(const QByteArray &content)
{
    return content + Marker + QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex();
}

QByteArray Lines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The diary of the worked example: 5 March 2007, one workout "Chest" with two exercises.
void FillWorkedExample(DiaryDatabase &db)
{
    QVERIFY(testsupport::BuildDiary(
        db,
        QStringLiteral(R"(5.3.2007 "Felt strong" Chest:done[)"
                       R"(Bench_press 3x10 60, Dips 3x12+2 done "slow"])")));
}

QByteArray SavedBytes(DiaryDatabase &db, const QString &path)
{
    db.SetPath(path);
    if (!db.Save())
        return QByteArray("<save failed>");
    return testsupport::ReadFile(path);
}

// Everything before the end marker line.
QByteArray ContentOf(const QByteArray &file)
{
    if (file.startsWith(Marker))
        return QByteArray();
    return file.left(file.indexOf("\n" + Marker) + 1);
}

} // namespace

class TestDatabaseFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void workedExampleByteForByte()
    {
        const QByteArray expected =
            testsupport::ReadFile(testsupport::dataFile(QStringLiteral("worked_example.rpd")));
        QVERIFY(expected.endsWith("19e01967ad0d37a8d281a7ac13b461c4"));

        DiaryDatabase db;
        FillWorkedExample(db);
        QVERIFY(db.IsModified());
        QCOMPARE(SavedBytes(db, PathOf(QStringLiteral("Database.rpd"))), expected);
        QVERIFY(!db.IsModified());
        QCOMPARE(CMD5Checksum::GetMD5(ContentOf(expected)),
                 QStringLiteral("19e01967ad0d37a8d281a7ac13b461c4"));

        // And back: the fixture opens to the same diary (the same text in the notation), which
        // saves to the same bytes.
        DiaryDatabase reopened;
        QVERIFY(reopened.Open(testsupport::dataFile(QStringLiteral("worked_example.rpd"))));
        QVERIFY(!reopened.IsModified());
        QCOMPARE(testsupport::DescribeDiary(reopened), testsupport::DescribeDiary(db));
        QCOMPARE(SavedBytes(reopened, PathOf(QStringLiteral("again.rpd"))), expected);
    }
    void integrityCheck_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("passes");

        const QByteArray example =
            testsupport::ReadFile(testsupport::dataFile(QStringLiteral("worked_example.rpd")));
        const QByteArray content = ContentOf(example);
        const QByteArray digest = example.right(32);

        QTest::newRow("worked example") << example << true;
        QTest::newRow("zero bytes") << QByteArray() << true;
        QTest::newRow("empty diary") << Sealed(QByteArray()) << true;
        QTest::newRow("first line is the marker, garbage after")
            << QByteArray("\xA9\r\nnot a digest\r\n5.3.2007\r\n") << true;
        QTest::newRow("marker with LF only first") << QByteArray("\xA9\nanything") << true;

        QTest::newRow("one rep count changed")
            << QByteArray(example).replace("\r\n10\r\n", "\r\n11\r\n") << false;
        QTest::newRow("uppercase digest") << content + Marker + digest.toUpper() << false;
        QTest::newRow("digest with line end") << example + "\r\n" << true;
        QTest::newRow("lines appended after digest") << example + "\r\n1.1.2000\r\n0\r\n\r\n"
                                                     << true;
        QTest::newRow("digest with trailing blank") << example + " " << false;
        QTest::newRow("no marker") << content << false;
        QTest::newRow("marker without digest") << content + Marker << false;
        QTest::newRow("marker at end of file") << content + "\xA9" << false;
        QTest::newRow("marker and a character on its line")
            << content + "\xA9x\n" + digest << false;
        QTest::newRow("LF-only file, CR LF digest")
            << testsupport::ReadFile(testsupport::dataFile(QStringLiteral("worked_example_lf.rpd")))
            << true;
        const QByteArray lfContent = QByteArray(content).replace("\r\n", "\n");
        QTest::newRow("LF-only file, LF digest") << lfContent + "\xA9\n" +
                QCryptographicHash::hash(lfContent, QCryptographicHash::Md5).toHex()
                                                 << false;
        QTest::newRow("mixed line ends, CR LF digest")
            << QByteArray(content).replace("Chest\r\n", "Chest\n") + Marker + digest << true;
        QTest::newRow("last line end LF only, CR LF digest") // the bare LF among the last bytes
            << QByteArray(content).replace(content.size() - 2, 2, "\n") + Marker + digest << true;
        QTest::newRow("marker byte inside a line is text")
            << Sealed(Lines({"1.1.2000", "0", "\xA9 notes"})) << true;
        QTest::newRow("marker byte inside a line, no real marker")
            << Lines({"1.1.2000", "0", "x\xA9"}) + digest << false;
        QTest::newRow("first marker line counts")
            << Sealed(Lines({"1.1.2000", "0", ""})) + "\r\n\xA9\r\n" + QByteArray(32, '0') << true;
    }
    void integrityCheck()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, passes);

        QCOMPARE(CheckDatabaseIntegrityData(bytes), passes);
        const QString path = PathOf(QStringLiteral("check.rpd"));
        QVERIFY(testsupport::WriteFile(path, bytes));
        QCOMPARE(CheckDatabaseIntegrity(path), passes);

        // Open agrees with the check and keeps the days it had when the file fails.
        DiaryDatabase db;
        FillWorkedExample(db);
        QCOMPARE(db.Open(path), passes);
        QCOMPARE(db.GetPath(), path);
        if (!passes)
            QCOMPARE(db.GetDayCount(), 1);
    }
    void weightsMatchPrintfRounding()
    {
        // Every hundredth and thousandth of the range, ties included, against the C library's own
        // "%.2f" (this process formats numbers with a point).
        // Ties and the top of the range; the steps below start at 0.
        QList<float> weights = {0.005f, 0.125f, 0.375f, 2.675f, 12.345f, 42.5f, 499.995f, 500.0f};
        for (int thousandths = 0; thousandths <= 500000; thousandths += 7)
            weights.append(float(thousandths) / 1000.0f);
        QStringList exercises; // nine digits name each float exactly
        for (const float w : std::as_const(weights))
            exercises.append(QStringLiteral("E %1").arg(double(w), 0, 'g', 9));
        DiaryDatabase db;
        QVERIFY(testsupport::BuildDiary(db, "1.1.2000 W[" + exercises.join(u',') + u']'));

        const QList<QByteArray> lines =
            ContentOf(SavedBytes(db, PathOf(QStringLiteral("w.rpd")))).split('\n');
        for (int i = 0; i < weights.size(); ++i) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.2f\r", double(weights[i]));
            // Date, count, workout name, count, status, then eight lines per exercise.
            QCOMPARE(lines.at(5 + 8 * i + 5), QByteArray(expected));
        }
    }
    void tolerantLoading_data()
    {
        QTest::addColumn<QByteArray>("content");
        // Fields of the first exercise of the first workout (or of the day when there is none):
        // date as written back, name, sets, reps, forced, negative, weight, note, status.
        QTest::addColumn<QByteArray>("dateLine");
        QTest::addColumn<QByteArray>("exerciseLines");

        // An exercise block read and written back, its fields split at '|'.
        const auto exercise = [](const char *name, const QByteArray &read, const char *written) {
            QTest::newRow(name) << Lines(QList<QByteArray> {"5.3.2007", "1", "Chest", "1", "0"} +
                                         read.split('|') + QList<QByteArray> {"notes"})
                                << QByteArray("5.3.2007") << Lines(QByteArray(written).split('|'));
        };
        exercise("well formed", "Dips|3|12|2|1|40.00|slow|1", "Dips|3|12|2|1|40.00|slow|1");
        exercise("out of range values keep defaults", "Dips|25|300|201|-1|600||0",
                 "Dips|1|0|0|0|0.00||0");
        exercise("empty name keeps defaults except status", "|3|12|2|1|40|slow|2",
                 "|1|0|0|0|0.00||2");
        exercise("tolerant numbers", "Dips|+3| 12abc|-|\t4| 42.5kg||1x", "Dips|3|12|0|4|42.50||1");
        exercise("weight forms", "Dips|3|5|0|0|.5||1", "Dips|3|5|0|0|0.50||1");
        exercise("negative weight refused", "Dips|3|5|0|0|-5||0", "Dips|3|5|0|0|0.00||0");
        // Hostile numbers: beyond the float range, beyond every count, past the int range.
        exercise("weight beyond the float range", "Dips|3|5|0|0|1" + QByteArray(39, '0') + "||0",
                 "Dips|3|5|0|0|0.00||0");
        exercise("negative weight beyond the float range",
                 "Dips|3|5|0|0|-4" + QByteArray(38, '0') + ".5||0", "Dips|3|5|0|0|0.00||0");
        exercise("counts past the int range", "Dips|4294967299|-4294967295|99999999999|12|2||1",
                 "Dips|1|0|0|12|2.00||1");
        exercise("positive weight marks Done before the status line", "Dips|3|5|0|0|7||2",
                 "Dips|3|5|0|0|7.00||2");
        exercise("unknown status kept", "Dips|3|5|0|0|0||9", "Dips|3|5|0|0|0.00||9");
        // A day without workouts: its date line as read and as written back.
        const auto date = [](const char *name, const QByteArray &read, const char *written) {
            QTest::newRow(name) << Lines({read, "0", ""}) << QByteArray(written) << QByteArray();
        };
        date("impossible date", "7.13.2007", "-1.-1.-1");
        date("invalid date written back", "-1.-1.-1", "-1.-1.-1");
        date("runs of points", "..5..3...2007", "5.3.2007");
        date("date padded", " 05. 03.2007 ", "5.3.2007");
        date("date line missing numbers", "5.3", "-1.-1.-1");
        QTest::newRow("LF only")
            << QByteArray("5.3.2007\n1\nChest\n1\n1\nDips\n3\n12\n0\n0\n1.25\n\n1\n\n")
            << QByteArray("5.3.2007") << Lines({"Dips", "3", "12", "0", "0", "1.25", "", "1"});
        QTest::newRow("missing lines at the end")
            << QByteArray("5.3.2007\r\n1\r\nChest\r\n1\r\n1\r\nDips\r\n4") << QByteArray("5.3.2007")
            << Lines({"Dips", "4", "0", "0", "0", "0.00", "", "0"});
    }
    void tolerantLoading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, dateLine);
        QFETCH(QByteArray, exerciseLines);

        // Loading ignores the digest, so the content alone (with a marker) is enough.
        DiaryDatabase db;
        QVERIFY(db.LoadFromData(content + Marker));
        QVERIFY(!db.IsModified());
        QCOMPARE(db.GetDayCount(), 1);
        const QByteArray saved = ContentOf(SavedBytes(db, PathOf(QStringLiteral("t.rpd"))));
        QVERIFY2(saved.startsWith(dateLine + "\r\n"), saved.constData());
        if (!exerciseLines.isEmpty()) {
            // Date, workout count, workout name, exercise count, workout status, then the block.
            const QList<QByteArray> lines = saved.split('\n');
            QCOMPARE(lines.mid(5, 8).join('\n') + '\n', exerciseLines);
        }
    }
    void lineBreaksInTextRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<QByteArray>("written");

        // Texts in UTF-8; a line break is written as the line separator.
        const auto row = [](const char *name, const char *text, const char *readBack,
                            const QByteArray &written) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(readBack)
                                << written;
        };
        const QByteArray ls("\xE2\x80\xA8");
        row("plain", "Felt strong", "Felt strong", "Felt strong");
        row("LF", "a\nb", "a\nb", "a" + ls + "b");
        row("CR LF", "a\r\nb", "a\nb", "a" + ls + "b");
        row("CR", "a\rb", "a\nb", "a" + ls + "b");
        row("blank lines kept", "a\n\nb\n", "a\n\nb\n", "a" + ls + ls + "b" + ls);
        row("accents byte for byte", "Füße © – €", "Füße © – €", "Füße © – €");
        row("lone copyright sign", "©", "©", "\xC2\xA9");
    }
    void lineBreaksInTextRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        QFETCH(QByteArray, written);

        DiaryDatabase db;
        FillWorkedExample(db);
        TrainingDay *day = db.GetDay(0);
        day->SetNotes(text);
        day->GetWorkout(0)->SetName(text);
        day->GetWorkout(0)->GetExercise(0)->SetName(text);
        day->GetWorkout(0)->GetExercise(0)->SetNote(text);
        const QString path = PathOf(QStringLiteral("text.rpd"));
        const QByteArray file = SavedBytes(db, path);

        // The file keeps its shape: 22 content lines, each field on its own.
        const QList<QByteArray> lines = ContentOf(file).split('\n');
        QCOMPARE(lines.size(), 23);
        for (const int line : {2, 5, 11, 21}) // workout name, exercise name and note, day notes
            QCOMPARE(lines.at(line), written + '\r');

        QVERIFY(CheckDatabaseIntegrity(path));
        QVERIFY(db.Open(path));
        day = db.GetDay(0);
        QCOMPARE(day->GetNotes(), readBack);
        QCOMPARE(day->GetWorkout(0)->GetName(), readBack);
        QCOMPARE(day->GetWorkout(0)->GetExercise(0)->GetName(), readBack);
        QCOMPARE(day->GetWorkout(0)->GetExercise(0)->GetNote(), readBack);
        QCOMPARE(day->GetWorkout(0)->GetExerciseCount(), 2);
    }
    // A file is read whole up to the size bound, and one whose size reads 0 although it has content
    // (as the kernel's files do) is read to its end; a refused file leaves the buffer as it was.
    void readWhole_data()
    {
        QTest::addColumn<QString>("path"); // empty: a file of the given size in the test folder
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("read");

        QTest::newRow("empty") << QString() << qint64(0) << true;
        QTest::newRow("a few bytes") << QString() << qint64(2) << true;
        QTest::newRow("at the bound") << QString() << DatabaseFile::MaxFileSize << true;
        QTest::newRow("past the bound") << QString() << DatabaseFile::MaxFileSize + 1 << false;
        QTest::newRow("size reads 0") << QStringLiteral("/proc/self/status") << qint64(-1) << true;
        QTest::newRow("size reads 0, endless") << QString("/proc/self/pagemap") << -1ll << false;
        QTest::newRow("size reads 0, read fails") << QString("/proc/self/mem") << -1ll << false;
    }
    void readWhole()
    {
        QFETCH(QString, path);
        QFETCH(qint64, size);
        QFETCH(bool, read);

        if (path.isEmpty()) {
            path = PathOf(QStringLiteral("whole.rpd"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write("ab", qMin(size, qint64(2))), qMin(size, qint64(2)));
            QVERIFY(file.resize(size)); // the rest a hole: zeros
        }
        QByteArray data("before");
        QCOMPARE(DatabaseFile::ReadWhole(path, data), read);
        if (!read)
            QCOMPARE(data, QByteArray("before"));
        else if (size >= 0)
            QCOMPARE(data, QByteArray("ab").left(size) + QByteArray(qMax(size - 2, qint64(0)), 0));
        else
            QVERIFY2(data.startsWith("Name:") && data.contains("\nPid:"), data.constData());
    }

    // A name list grows by appending only, each name once (letter case counts); what the file
    // held stays, its last line ended first. A folder is neither read nor written.
    void nameListAppend_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<none>": no file, "<folder>": a folder
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *tag, const char *before, const char *name, bool written,
                            const char *after) {
            QTest::newRow(tag) << QByteArray(before) << QString::fromUtf8(name) << written
                               << QByteArray(after);
        };
        row("new list", "<none>", "Squat", true, "Squat\r\n");
        row("listed", "Row\r\nSquat\r\n", "Squat", false, "Row\r\nSquat\r\n");
        row("listed in another case", "squat\n", "Squat", true, "squat\nSquat\r\n");
        row("last line without its end", "Row", "Squat", true, "Row\r\nSquat\r\n");
        row("non-ASCII", "Row\r\n", "Développé", true, "Row\r\nD\xC3\xA9velopp\xC3\xA9\r\n");
        row("empty name", "Row\r\n", "", false, "Row\r\n");
        row("disk full", "Row\r\n", "Squat", false, "Row\r\n");
        row("a folder", "<folder>", "Squat", false, "<folder>");
        row("inside a file", "<in a file>", "Squat", false, "<folder>");
    }
    void nameListAppend()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        QFETCH(bool, written);
        QFETCH(QByteArray, after);
        QString path = PathOf(QStringLiteral("names.txt"));
        const bool folder = after == "<folder>";
        if (before == "<in a file>") // cannot be created: a file stands where its folder would
            QVERIFY(testsupport::WriteFile(std::exchange(path, path + "/names.txt"), "Row\r\n"));
        else if (folder)
            QVERIFY(QDir().mkdir(path));
        else if (before != "<none>")
            QVERIFY(testsupport::WriteFile(path, before));

        NameList list(path);
        QCOMPARE(list.Load(), !folder && before != "<none>");
        std::optional<testsupport::FileSizeLimit> full;
        if (qstrcmp(QTest::currentDataTag(), "disk full") == 0) // no room past what is there
            full.emplace(before.size());
        QCOMPARE(list.Append(name), written);
        full.reset();
        QCOMPARE(list.Entries(), folder ? QStringList() : NameList::ParseLines(after));
        if (!folder)
            QCOMPARE(testsupport::ReadFile(path), after);
        if (before == "<none>") // a new list is its owner's only: no group or other rights
            QCOMPARE(QFile::permissions(path) & 0x0066, QFileDevice::Permissions());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString PathOf(const QString &name) const { return m_dir->filePath(name); }
};

REPBOOK_TEST_MAIN_CORE(TestDatabaseFile)
#include "TestDatabaseFile.moc"
