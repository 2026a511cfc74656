#include "common/TestMain.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore().FileName()); }

    void storeLivesInTheSharedUserFile()
    {
        SettingsStore store;
        const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME")
                                 + QStringLiteral("/Ironvale/Repbook.conf");
        QCOMPARE(QFileInfo(store.FileName()).absoluteFilePath(), QFileInfo(expected).absoluteFilePath());
    }

    void integersRoundTrip_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("minus one") << -1;
        QTest::newRow("zero") << 0;
        QTest::newRow("interval") << 45;
        QTest::newRow("int max") << std::numeric_limits<int>::max();
        QTest::newRow("int min") << std::numeric_limits<int>::min();
    }
    void integersRoundTrip()
    {
        QFETCH(int, number);
        {
            SettingsStore writer;
            writer.Write(SettingsKeys::TipNotifyTime, number);
        }
        // A second store object, as the other program would open it, reads the same value.
        SettingsStore reader;
        QCOMPARE(reader.Read(SettingsKeys::TipNotifyTime), number);
    }

    void absentOrUnreadableValuesGiveTheDefault_data()
    {
        QTest::addColumn<QString>("stored"); // empty: nothing stored
        QTest::addColumn<int>("expected");
        QTest::newRow("absent") << QString() << 1;
        QTest::newRow("text") << QStringLiteral("abc") << 1;
        QTest::newRow("number with blanks") << QStringLiteral(" 7 ") << 7;
        QTest::newRow("negative") << QStringLiteral("-5") << -5;
    }
    void absentOrUnreadableValuesGiveTheDefault()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        SettingsStore store;
        if (!stored.isEmpty())
            store.WriteProfileString(QStringLiteral("TipNotify"), QStringLiteral("Time"), stored);
        QCOMPARE(store.Read(SettingsKeys::TipNotifyTime), expected);
    }

    void textRoundTripsExactly()
    {
        const QString name = QStringLiteral("Zoë O'Neil-Åström / 名前 = x; y");
        SettingsStore().Write(SettingsKeys::FirstName, name);
        QCOMPARE(SettingsStore().Read(SettingsKeys::FirstName), name);
        QCOMPARE(SettingsStore().Read(SettingsKeys::LastName), QString());
    }

    void binaryValuesKeepTheirLength_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("record") << QByteArray::fromHex("ea070c0000000600120000000a00fa00");
        QTest::newRow("short") << QByteArray::fromHex("0102");
        QTest::newRow("long") << QByteArray(20, '\x7f');
        QTest::newRow("zeros") << QByteArray(16, '\0');
    }
    void binaryValuesKeepTheirLength()
    {
        QFETCH(QByteArray, bytes);
        SettingsStore().Write(SettingsKeys::NotifyDone, bytes);
        const std::optional<QByteArray> read = SettingsStore().Read(SettingsKeys::NotifyDone);
        QVERIFY(read.has_value());
        QCOMPARE(*read, bytes);
    }

    void binaryReadOfOtherKindsIsAbsent()
    {
        SettingsStore store;
        QVERIFY(!store.Read(SettingsKeys::TrainNotified).has_value());
        store.WriteProfileString(QStringLiteral("Notify"), QStringLiteral("TrainNotified"),
                                 QStringLiteral("2026-12-06"));
        QVERIFY(!store.Read(SettingsKeys::TrainNotified).has_value());
        // And a binary value is not mistaken for text.
        store.Write(SettingsKeys::DoneNotified, QByteArray(16, '\1'));
        QCOMPARE(store.GetProfileString(QStringLiteral("Notify"), QStringLiteral("DoneNotified")),
                 QString());
    }

    void valuesKeepTheirSections()
    {
        SettingsStore store;
        store.Write(SettingsKeys::Weight, 80);
        store.Write(SettingsKeys::ExerciseColumns[6], 0); // the exercise grid's "Weight" column
        QCOMPARE(store.Read(SettingsKeys::Weight), 80);
        QCOMPARE(store.Read(SettingsKeys::ExerciseColumns[6]), 0);
        QSettings raw(store.FileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("User/Weight")).toInt(), 80);
        QCOMPARE(raw.value(QStringLiteral("Columns/Weight")).toInt(), 0);
    }

    void dialogSectionsAreLowerCaseHex_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("section");
        QTest::newRow("main window") << SettingsKeys::MainWindowId << QStringLiteral("66");
        QTest::newRow("day dialog") << SettingsKeys::DayDialogId << QStringLiteral("67");
        QTest::newRow("editor") << SettingsKeys::EditorDialogId << QStringLiteral("86");
        QTest::newRow("letters") << 171 << QStringLiteral("ab");
    }
    void dialogSectionsAreLowerCaseHex()
    {
        QFETCH(int, id);
        QFETCH(QString, section);
        QCOMPARE(SettingsKeys::DialogSection(id), section);
    }

    void rangeSectionIsTheMainWindowSection()
    {
        QCOMPARE(QLatin1String(SettingsKeys::RangeDays.section),
                 SettingsKeys::DialogSection(SettingsKeys::MainWindowId));
        QCOMPARE(QLatin1String(SettingsKeys::RangeStartDate.section),
                 SettingsKeys::DialogSection(SettingsKeys::MainWindowId));
    }

    void fileIsPrivateToItsOwner()
    {
        SettingsStore store;
        store.Write(SettingsKeys::Password, QStringLiteral("secret-digest"));
        const QFile::Permissions perms = QFile::permissions(store.FileName());
        QVERIFY(perms & QFile::ReadOwner);
        QVERIFY(perms & QFile::WriteOwner);
        QVERIFY(!(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup
                           | QFile::WriteOther)));
    }
};

REPBOOK_TEST_MAIN_CORE(TestSettingsStore)
#include "tst_settingsstore.moc"
