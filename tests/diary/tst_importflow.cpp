// File > Import... of the main window: nothing changes before the preview is accepted, and a
// file that cannot be read leaves the diary alone with a message naming the line.

#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CImportPreviewDlg.h"
#include "diary/CNameMappingPanel.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/MainMenu.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"
#include "model/SharedDiaryFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace diarytest;

class TestImportFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { REPBOOK_END_GUI_CASE(); }
    void previewDecides_data();
    void previewDecides();
    void unreadableFileChangesNothing();
    void namesJoinTheDiarysAndAreRemembered();
    void exportWritesDiaryOrSelection_data();
    void exportWritesDiaryOrSelection();

private:
    std::unique_ptr<CRepbookDlg> OpenWindow();
    DiaryUnderTest m_diary;
};

void TestImportFlow::init()
{
    testsupport::BeginGuiCase();
    SettingsStore().Write(SettingsKeys::Filled, 1);
    m_diary.Reset();
}

std::unique_ptr<CRepbookDlg> TestImportFlow::OpenWindow()
{
    auto window = std::make_unique<CRepbookDlg>(m_diary.File());
    window->show();
    return window;
}

void TestImportFlow::previewDecides_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("import") << true;
    QTest::newRow("cancel") << false;
}

void TestImportFlow::previewDecides()
{
    QFETCH(bool, accept);
    auto window = OpenWindow();
    FileDialog::setNextFileNames({testsupport::dataFile(QStringLiteral("exchange/strong.csv"))});
    bool tabMovesOn = false; // from the table of days, whose rows the arrow keys walk
    WhenModal<CImportPreviewDlg>([accept, &tabMovesOn](CImportPreviewDlg *preview) {
        auto *table = preview->findChild<QTableWidget *>();
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab);
        tabMovesOn = !table->hasFocus();
        accept ? preview->accept() : preview->reject();
    });
    if (accept)
        MessageBox::setNextAnswers({QMessageBox::Ok});
    window->Commands()->Action(CommandId::ImportFile)->trigger();

    QVERIFY(tabMovesOn);
    DiaryDatabase &diary = m_diary.File().Database();
    QCOMPARE(diary.GetDayCount(), accept ? 2 : 0);
    // The import is saved at once, and the name lists know the new names.
    QCOMPARE(DescribeDiaryFile(DataFolder::DatabasePath()),
             accept ? DescribeDiary(diary) : QStringLiteral("<unreadable>"));
    QCOMPARE(ReadFile(DataFolder::ExerciseListPath()),
             accept ? QByteArray("Bench Press (Barbell)\r\nDips\r\nSquat\r\n") : QByteArray());
    QCOMPARE(ReadFile(DataFolder::WorkoutListPath()),
             accept ? QByteArray("Push Day\r\nLegs\r\n") : QByteArray());
    // The whole import is one step of the history.
    QAction *undo = window->Commands()->Action(CommandId::Undo);
    QCOMPARE(undo->isEnabled(), accept);
    if (accept) {
        // The calendar moves to the newest imported day and a message says what came.
        QVERIFY(window->WorkoutAreaDay());
        QCOMPARE(window->WorkoutAreaDay()->GetDate(), DateValue::FromDate(2025, 3, 30));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text,
                 QStringLiteral("Added 2 workouts with 5 exercises (2 new days), 2025-03-28 to "
                                "2025-03-30."));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Import\tCtrl + Z"));
        undo->trigger();
        QCOMPARE(diary.GetDayCount(), 0);
        window->Commands()->Action(CommandId::Redo)->trigger();
        QCOMPARE(diary.GetDayCount(), 2);
    }
}

void TestImportFlow::unreadableFileChangesNothing()
{
    auto window = OpenWindow();
    FileDialog::setNextFileNames(
        {testsupport::dataFile(QStringLiteral("exchange/broken_quotes.csv"))});
    MessageBox::setNextAnswers({QMessageBox::Ok});
    window->Commands()->Action(CommandId::ImportFile)->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().text.contains(QLatin1String("Line 2 opens a quoted field")),
             qPrintable(shown.first().text));
    QCOMPARE(m_diary.File().Database().GetDayCount(), 0);
    QVERIFY(!QFile::exists(DataFolder::DatabasePath()));
}

void TestImportFlow::namesJoinTheDiarysAndAreRemembered()
{
    NameList(DataFolder::ExerciseListPath()).Append(QStringLiteral("Bench press"));
    auto window = OpenWindow();
    const auto importStrong = [&](const std::function<void(CNameMappingPanel *)> &choose) {
        FileDialog::setNextFileNames(
            {testsupport::dataFile(QStringLiteral("exchange/strong.csv"))});
        WhenModal<CImportPreviewDlg>([&](CImportPreviewDlg *preview) {
            auto *panel = preview->findChild<CNameMappingPanel *>();
            choose(panel);
            preview->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled()
                ? preview->accept()
                : preview->reject();
        });
        window->Commands()->Action(CommandId::ImportFile)->trigger();
    };
    MessageBox::setNextAnswers({QMessageBox::Ok}); // what was added; the second adds nothing
    importStrong([](CNameMappingPanel *panel) {
        // A proposal joins nothing until it is accepted.
        QCOMPARE(panel->Choices().value(QStringLiteral("Bench Press (Barbell)"), "?"), QString());
        for (QCheckBox *box : panel->findChildren<QCheckBox *>()) {
            if (box->text() == QLatin1String("Bench Press (Barbell)"))
                box->setChecked(true); // accepts the proposal
        }
        for (QLineEdit *edit : panel->findChildren<QLineEdit *>()) {
            if (edit->accessibleName().endsWith(QLatin1String("Dips")))
                QTest::keyClicks(edit, QStringLiteral("Dip")); // a name of one's own
        }
    });
    QVERIFY(DescribeDiary(m_diary.File().Database())
                .startsWith(QStringLiteral(R"(28.3.2025 "Good session" Push_Day:done[Bench_press )"
                                           R"(1x10 40 "warm-up", Bench_press 2x8 60, Bench_press )"
                                           R"(1x12 45 "drop set", Dip 1x15 done )")));

    // The next import of that kind of file starts from the choices and finds nothing new.
    bool importable = true;
    importStrong([&](CNameMappingPanel *panel) {
        importable = panel->window()
                         ->findChild<QDialogButtonBox *>()
                         ->button(QDialogButtonBox::Ok)
                         ->isEnabled();
        QHash<QString, QString> expected = {{"Bench Press (Barbell)", "Bench press"},
                                            {"Dips", "Dip"}};
        QCOMPARE(panel->Choices(), expected);
    });
    QVERIFY(!importable);
    QCOMPARE(m_diary.File().Database().GetDayCount(), 2);
}

void TestImportFlow::exportWritesDiaryOrSelection_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("selected day as CSV")
        << int(QMessageBox::Yes) << "out.csv" << QStringList {"2007-03-03"};
    QTest::newRow("whole diary as JSON")
        << int(QMessageBox::No) << "out.json" << QStringList {"2007-03-03", "2007-03-10"};
    QTest::newRow("cancelled") << int(QMessageBox::Cancel) << "" << QStringList {};
}

void TestImportFlow::exportWritesDiaryOrSelection()
{
    QFETCH(int, answer);
    QFETCH(QString, file);
    QFETCH(QStringList, dates);
    QVERIFY(BuildDiary(m_diary.File().Database(),
                       QStringLiteral(R"(3.3.2007 "easy" Legs; 10.3.2007 Back)")));
    auto window = OpenWindow();
    window->SetRange(Date(2007, 3, 1), 31, CRepbookDlg::KeepScroll);
    const CalendarCell cell = window->CellOf(Date(2007, 3, 3));
    window->SelectDay(cell.row, cell.col);
    QTemporaryDir dir;
    const QString path = file.isEmpty() ? QString() : dir.filePath(file);
    MessageBox::setNextAnswers({MessageBox::Button(answer)});
    if (!path.isEmpty())
        FileDialog::setNextFileNames({path});
    window->Commands()->Action(CommandId::ExportFile)->trigger();

    if (!path.isEmpty()) // "Repbook <date>.csv", in the documents folder or the home folder
        QCOMPARE(QFileInfo(FileDialog::lastProposedPath()).fileName(),
                 QStringLiteral("Repbook %1.csv").arg(Clock::Today().toString(Qt::ISODate)));
    const QByteArray written = path.isEmpty() ? QByteArray() : ReadFile(path);
    QCOMPARE(written.startsWith('{'), file.endsWith(QLatin1String(".json")));
    QStringList found;
    for (const QString &date : {QStringLiteral("2007-03-03"), QStringLiteral("2007-03-10")}) {
        if (written.contains(date.toLatin1()))
            found.append(date);
    }
    QCOMPARE(found, dates);
}

REPBOOK_TEST_MAIN(TestImportFlow)
#include "tst_importflow.moc"
