#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CAboutDlg.h"
#include "diary/COptionsSheet.h"
#include "diary/CPasswordDlg.h"
#include "diary/CRepbookApp.h"
#include "diary/CRepbookDlg.h"
#include "diary/CUserDataDlg.h"
#include "diary/CommandIds.h"
#include "diary/MainMenu.h"
#include "editing/CDayPrinter.h"
#include "images/StatusImages.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"
#include "settings/PasswordDigest.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace diarytest;

namespace {

const QDateTime Now(QDate(2007, 3, 20), QTime(10, 0));

// Runs act on the modal dialog of type Dialog as soon as it is open; a dialog left open by act
// is cancelled, so a failing test cannot hang.
template<typename Dialog>
void WhenModalThenClose(std::function<void(Dialog *)> act)
{
    WhenModal<Dialog>([act](Dialog *dialog) {
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

CPictureButton *Button(QWidget *dialog, const char *name)
{
    return dialog->findChild<CPictureButton *>(QLatin1String(name));
}

QLineEdit *Field(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLineEdit *>(QLatin1String(name));
}

} // namespace

class TestProfileCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init();
    void cleanup();

    void passwordGateAtStart_data();
    void passwordGateAtStart();
    void commandsAreEnabled();
    void userCommandUpdatesTheCaption_data();
    void userCommandUpdatesTheCaption();
    void firstRunOffersTheUserData_data();
    void firstRunOffersTheUserData();
    void optionsSwitchTheImagesAtOnce_data();
    void optionsSwitchTheImagesAtOnce();
    void aboutCommand();
    void selectedDays();
    void printPrintsTheSelection();

private:
    std::unique_ptr<CRepbookDlg> OpenMarch();

    DiaryUnderTest m_diary;
    DiaryDatabase *m_database = nullptr; // m_diary's
    QTemporaryDir m_dir;
};

void TestProfileCommands::init()
{
    ClearSettings();
    ResetDatabaseFolder();
    Clock::SetFixed(Now);
    m_database = &m_diary.Reset();
    MessageBox::takeShown();
    MessageBox::takeUnexpected();
}

void TestProfileCommands::cleanup()
{
    Clock::Reset();
    CDayPrinter::SetDialogRunner({});
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    QCOMPARE(MessageBox::pendingAnswers().size(), 0);
    MessageBox::setNextAnswers({});
}

std::unique_ptr<CRepbookDlg> TestProfileCommands::OpenMarch()
{
    SettingsStore settings;
    settings.Write(SettingsKeys::RangeStartDate, QStringLiteral("1.3.2007"));
    settings.Write(SettingsKeys::RangeDays, 31);
    settings.Write(SettingsKeys::Filled, 1);
    return std::make_unique<CRepbookDlg>(m_diary.File());
}

void TestProfileCommands::passwordGateAtStart_data()
{
    QTest::addColumn<QString>("typed"); // null: Cancel
    QTest::addColumn<bool>("windowShown");

    QTest::newRow("right password") << QStringLiteral("Bench100") << true;
    QTest::newRow("cancelled") << QString() << false;
}

void TestProfileCommands::passwordGateAtStart()
{
    QFETCH(QString, typed);
    QFETCH(bool, windowShown);

    SettingsStore().Write(SettingsKeys::Password,
                          PasswordDigest::MakePasswordRecord(QStringLiteral("Bench100"), 1000));
    // A diary that would ask the corruption question if start-up reached it.
    QVERIFY(WriteFile(DataFolder::DatabasePath(), QByteArray("damaged")));
    const QByteArray before = ReadFile(DataFolder::DatabasePath());
    if (windowShown)
        MessageBox::setNextAnswers({QMessageBox::Yes, QMessageBox::Ok});

    bool gateShown = false;
    WhenModalThenClose<CPasswordDlg>([&](CPasswordDlg *gate) {
        gateShown = true;
        if (typed.isNull()) {
            QTest::mouseClick(Button(gate, "cancelButton"), Qt::LeftButton);
            return;
        }
        QTest::keyClicks(Field(gate, "passwordField"), typed);
        QTest::mouseClick(Button(gate, "okButton"), Qt::LeftButton);
    });
    bool shown = false;
    CRepbookApp app;
    app.SetMainWindowRunner([&](CRepbookDlg &) { shown = true; });
    const int result = app.Run();

    QVERIFY(gateShown);
    QCOMPARE(shown, windowShown);
    if (!windowShown) {
        QCOMPARE(result, 0);
        // Start-up ended before the diary was checked: no question, the file untouched.
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(ReadFile(DataFolder::DatabasePath()), before);
        QCOMPARE(DatabaseFolderEntries(), QStringList {QStringLiteral("Database.rpd")});
    }
}

void TestProfileCommands::commandsAreEnabled()
{
    auto window = OpenMarch();
    for (int id : {CommandId::User, CommandId::Options, CommandId::About, CommandId::Print,
                   CommandId::PrintPreview})
        QVERIFY2(window->Commands()->Action(id)->isEnabled(), qPrintable(QString::number(id)));
    QCOMPARE(window->Commands()->Action(CommandId::Print)->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_P));
}

void TestProfileCommands::userCommandUpdatesTheCaption_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("caption");

    QTest::newRow("both names") << QStringLiteral("Anna") << QStringLiteral("Berg") << true
                                << QStringLiteral("Repbook - Anna Berg");
    QTest::newRow("first name only")
        << QStringLiteral("Anna") << QString() << true << QStringLiteral("Repbook - Anna");
    QTest::newRow("last name only")
        << QString() << QStringLiteral("Berg") << true << QStringLiteral("Repbook");
    QTest::newRow("cancelled") << QStringLiteral("Anna") << QStringLiteral("Berg") << false
                               << QStringLiteral("Repbook");
}

void TestProfileCommands::userCommandUpdatesTheCaption()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(bool, ok);
    QFETCH(QString, caption);

    auto window = OpenMarch();
    QCOMPARE(window->windowTitle(), QStringLiteral("Repbook"));
    WhenModalThenClose<CUserDataDlg>([&](CUserDataDlg *dialog) {
        QVERIFY(!dialog->IsFirstRun());
        QTest::keyClicks(Field(dialog, "firstNameField"), first);
        QTest::keyClicks(Field(dialog, "lastNameField"), last);
        QTest::mouseClick(Button(dialog, ok ? "okButton" : "cancelButton"), Qt::LeftButton);
    });
    window->ExecuteCommand(CommandId::User);
    QCOMPARE(window->windowTitle(), caption);
}

void TestProfileCommands::firstRunOffersTheUserData_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<int>("filledAfter");

    QTest::newRow("never confirmed, Skip") << 0 << false << true << 0;
    QTest::newRow("never confirmed, OK") << 0 << true << true << 1;
    QTest::newRow("confirmed before") << 1 << true << false << 1;
}

void TestProfileCommands::firstRunOffersTheUserData()
{
    QFETCH(int, filled);
    QFETCH(bool, confirm);
    QFETCH(bool, offered);
    QFETCH(int, filledAfter);

    auto window = OpenMarch();
    SettingsStore settings;
    settings.Write(SettingsKeys::Filled, filled);
    bool shown = false;
    WhenModalThenClose<CUserDataDlg>([&](CUserDataDlg *dialog) {
        shown = true;
        QVERIFY(dialog->IsFirstRun());
        QCOMPARE(Button(dialog, "cancelButton")->text(), QStringLiteral("Skip"));
        QTest::keyClicks(Field(dialog, "firstNameField"), QStringLiteral("Anna"));
        QTest::mouseClick(Button(dialog, confirm ? "okButton" : "cancelButton"), Qt::LeftButton);
    });
    window->OfferUserData();
    QTest::qWait(50); // a dialog that would open late still gets its chance
    QCOMPARE(shown, offered);
    QCOMPARE(settings.Read(SettingsKeys::Filled), filledAfter);
    QCOMPARE(window->windowTitle(),
             offered && confirm ? QStringLiteral("Repbook - Anna") : QStringLiteral("Repbook"));
}

void TestProfileCommands::optionsSwitchTheImagesAtOnce_data()
{
    QTest::addColumn<int>("storedImage");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("shieldsAfter");
    QTest::addColumn<bool>("delayAfter");

    QTest::newRow("flags") << 0 << QStringLiteral("flagsButton") << true << false << false;
    QTest::newRow("back to shields")
        << 1 << QStringLiteral("shieldsButton") << true << true << false;
    QTest::newRow("flags, Cancel") << 0 << QStringLiteral("flagsButton") << false << true << false;
    QTest::newRow("delay") << 0 << QStringLiteral("delayBox") << true << true << true;
}

void TestProfileCommands::optionsSwitchTheImagesAtOnce()
{
    QFETCH(int, storedImage);
    QFETCH(QString, choice);
    QFETCH(bool, ok);
    QFETCH(bool, shieldsAfter);
    QFETCH(bool, delayAfter);

    SettingsStore settings;
    settings.Write(SettingsKeys::Image, storedImage);
    AddDays(*m_database, {{Date(2007, 3, 5), {}, {"Legs"}}});
    auto window = OpenMarch();
    QCOMPARE(window->UsesShields(), storedImage == 0);
    QCOMPARE(window->DayCellImages().shields(), storedImage == 0);
    QVERIFY(!window->ApplyDelay());

    WhenModalThenClose<COptionsSheet>([&](COptionsSheet *sheet) {
        auto *button = sheet->findChild<QAbstractButton *>(choice);
        QVERIFY(button);
        button->click();
        QTest::mouseClick(Button(sheet, ok ? "okButton" : "cancelButton"), Qt::LeftButton);
    });
    window->ExecuteCommand(CommandId::Options);

    QCOMPARE(window->UsesShields(), shieldsAfter);
    // The calendar's cells draw from this set.
    QCOMPARE(window->DayCellImages().shields(), shieldsAfter);
    const StatusImageSet expected(shieldsAfter, StatusImageSize::Large32);
    QCOMPARE(window->DayCellImages().Done().cacheKey(), expected.Done().cacheKey());
    QCOMPARE(window->ApplyDelay(), delayAfter);
    QCOMPARE(settings.Read(SettingsKeys::Image), shieldsAfter ? 0 : 1);
    QCOMPARE(settings.Read(SettingsKeys::Delay), delayAfter ? 1 : 0);
}

void TestProfileCommands::aboutCommand()
{
    auto window = OpenMarch();
    QString title;
    WhenModalThenClose<CAboutDlg>([&](CAboutDlg *about) {
        title = about->windowTitle();
        QTest::mouseClick(Button(about, "okButton"), Qt::LeftButton);
    });
    window->ExecuteCommand(CommandId::About);
    QCOMPARE(title, QStringLiteral("About Repbook"));
}

void TestProfileCommands::selectedDays()
{
    AddDays(*m_database,
            {{Date(2007, 2, 27), {}, {"Outside"}},
             {Date(2007, 3, 1), {}, {"Chest"}},
             {Date(2007, 3, 3), {}, {"Legs"}},
             {Date(2007, 3, 8), {}, {"Back"}}});
    auto window = OpenMarch();
    const auto names = [&] {
        QStringList result;
        for (const TrainingDay *day : window->SelectedDays())
            result.append(day->GetWorkout(0)->GetName());
        return result;
    };
    CGridCtrl *grid = window->Grid();
    // Thursday 1 March sits in row 1, column 4; the week before it lies outside the range.
    grid->SetSelectedRange(1, 1, 2, 7);
    QCOMPARE(
        names(),
        (QStringList {QStringLiteral("Chest"), QStringLiteral("Legs"), QStringLiteral("Back")}));
    grid->SetSelectedRange(1, 6, 1, 6);
    QCOMPARE(names(), QStringList {QStringLiteral("Legs")});
    grid->SetSelectedRange(1, 5, 1, 5); // a date without a day
    QCOMPARE(names(), QStringList());
}

void TestProfileCommands::printPrintsTheSelection()
{
    AddDays(*m_database, {{Date(2007, 3, 1), {}, {"Chest"}}, {Date(2007, 3, 3), {}, {"Legs"}}});
    auto window = OpenMarch();
    window->Grid()->SetSelectedRange(1, 1, 1, 7);
    const QString path = m_dir.filePath(QStringLiteral("selection.pdf"));
    int dialogs = 0;
    CDayPrinter::SetDialogRunner([&](QDialog &dialog) {
        ++dialogs;
        auto *print = qobject_cast<QPrintDialog *>(&dialog);
        if (!print)
            return int(QDialog::Rejected);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    });
    window->ExecuteCommand(CommandId::Print);
    QCOMPARE(dialogs, 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");

    // Nothing selected that holds a day: the user is told, no dialog opens.
    window->Grid()->SetSelectedRange(1, 5, 1, 5);
    MessageBox::setNextAnswers({QMessageBox::Ok});
    window->ExecuteCommand(CommandId::PrintPreview);
    QCOMPARE(dialogs, 1);
    QCOMPARE(MessageBox::takeShown().first().text, CDayPrinter::NothingToPrintMessage());
}

REPBOOK_TEST_MAIN(TestProfileCommands)
#include "tst_profilecommands.moc"
