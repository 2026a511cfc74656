#include "DayFixtures.h"
#include "MenuText.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "editing/CEmptyDlg.h"
#include "editing/DayCellData.h"
#include "editing/DayDlgIds.h"
#include "editing/EditorIds.h"
#include "editing/ExerciseColumns.h"
#include "editing/IDayCellOwner.h"
#include "images/StatusImageSet.h"
#include "model/DataFolder.h"
#include "model/TrainingProgram.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QFile>
#include <QTemporaryDir>

using namespace dayfixtures;
namespace Ed = EditorIds;
namespace Col = ExerciseColumns;

namespace {

// The main window's part: images and font for the program days' cells.
class FakeOwner : public IDayCellOwner
{
public:
    const StatusImageSet &DayCellImages() const override { return images; }
    QFont DayCellFont() const override { return QFont(); }
    DateValue DateAt(int, int) const override { return DateValue::FromDate(2026, 4, 1); }
    bool IsInRange(int, int) const override { return true; }

    StatusImageSet images {true, StatusImageSize::Large32};
};

// A day per entry: "-" is a day without workouts; otherwise "Workout:exercise count".
using DaySpecs = QStringList;

std::unique_ptr<TrainingProgram> MakeProgram(const DaySpecs &days)
{
    auto program = std::make_unique<TrainingProgram>();
    for (const QString &wanted : days) {
        auto day = std::make_unique<TrainingDay>();
        if (wanted != QLatin1String("-")) {
            const QString name = wanted.section(QLatin1Char(':'), 0, 0);
            const int exercises = wanted.section(QLatin1Char(':'), 1, 1).toInt();
            day->AddWorkout(MakeWorkout(name, Named(name, exercises)));
        }
        program->AddDay(std::move(day));
    }
    return program;
}

// The program as its specs: "Workout:exercise names" per day, "-" for an empty day.
QStringList Describe(const TrainingProgram &program)
{
    QStringList days;
    for (int i = 0; i < program.GetDayCount(); ++i) {
        const TrainingDay *day = program.GetDay(i);
        QStringList workouts;
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            workouts.append(day->GetWorkout(w)->GetName() + QLatin1Char(':') +
                            ExerciseNames(*day->GetWorkout(w)).join(QLatin1Char(',')));
        }
        days.append(workouts.isEmpty() ? QStringLiteral("-") : workouts.join(QLatin1Char('|')));
    }
    return days;
}

QStringList DescribeFile(const QString &path)
{
    TrainingProgram program;
    if (!program.Open(path))
        return {QStringLiteral("<unreadable>")};
    return Describe(program);
}

} // namespace

class TestEditorDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void menusOfferEveryCommand();
    void cleanup();

    void startsEmptyAndHintOpensFile();
    void addDayTwice();
    void addWorkoutInEmptyProgramCreatesDayOne();
    void ctrlDownMovesDayOrExercise_data();
    void ctrlDownMovesDayOrExercise();
    void moveDayBounds();
    void deleteKey_data();
    void deleteKey();
    void clearRemovesEveryDay();
    void saveAsOntoExistingFile();
    void damagedFileLeavesProgramUntouched();
    void exitAsks_data();
    void exitAsks();
    void newAndCloseAsk_data();
    void newAndCloseAsk();
    void openOverModifiedProgramAsks();
    void savedProgramReopensIdentical();
    void failedSaveIsReported();
    void statusImagesShowNotYet();
    void sizeRememberedInSection86();

private:
    void OpenEditor();
    QString WriteProgram(const QString &name, const DaySpecs &days);
    void LoadProgram(const DaySpecs &days);
    CGridCtrl &Days() { return *m_dlg->DayGrid(); }
    CGridCtrl &Exercises() { return *m_dlg->GetTabCtrl()->GetGrid(); }
    void ClickDay(int row);
    QList<int> SelectedDayRows();
    QAbstractButton *Button(const char *name)
    {
        return m_dlg->findChild<QAbstractButton *>(QLatin1String(name));
    }

    FakeOwner m_owner;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CEditorDlg> m_dlg;
};

void TestEditorDlg::initTestCase()
{
    MessageBox::setTestMode(true);
    FileDialog::setTestMode(true);
}

void TestEditorDlg::menusOfferEveryCommand()
{
    const QStringList expected {
        QStringLiteral("&File: New... | Open... | Close | - | Save | Save as... | - | Exit"),
        QStringLiteral("&Add: Exercise... | Workout... | Day"),
        QStringLiteral("&Edit: Move exercise(s) [Up | Down] | Move workout [Left | Right] | "
                       "Move day [Up | Down] | - | Rename workout..."),
        QStringLiteral("&Remove: Selected exercise(s) | All exercises | - | Workout | - | Day | - "
                       "| Clear")};
    QCOMPARE(MenuBarText(*m_dlg->findChild<QMenuBar *>()), expected);
    // The buttons' drop-down menus repeat the Add and Remove menus.
    const auto dropDown = [this](const char *name) {
        return MenuText(*m_dlg->findChild<QMenu *>(QLatin1String(name)));
    };
    QCOMPARE(dropDown("editorAddMenu"), expected.at(1).section(QStringLiteral(": "), 1));
    QCOMPARE(dropDown("editorRemoveMenu"),
             expected.at(3)
                 .section(QStringLiteral(": "), 1)
                 .replace(QStringLiteral("| Workout |"), QStringLiteral("| Workout... |")));
}

void TestEditorDlg::init()
{
    QFile::remove(DataFolder::ExerciseListPath());
    QFile::remove(DataFolder::WorkoutListPath());
    SettingsStore store;
    for (const char *value : {"CX", "CY", "Maximized"})
        store.WriteProfileInt(QStringLiteral("86"), QLatin1String(value), 0);
    MessageBox::takeShown();
    m_folder = std::make_unique<QTemporaryDir>();
    OpenEditor();
}

void TestEditorDlg::cleanup()
{
    m_dlg.reset();
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    QCOMPARE(FileDialog::takeUnexpected(), QStringList());
    m_folder.reset();
}

void TestEditorDlg::OpenEditor()
{
    m_dlg = std::make_unique<CEditorDlg>(nullptr, &m_owner);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
}

QString TestEditorDlg::WriteProgram(const QString &name, const DaySpecs &days)
{
    const QString path = m_folder->filePath(name);
    const auto program = MakeProgram(days);
    program->SetPath(path);
    if (!program->Save())
        return QString();
    return path;
}

void TestEditorDlg::LoadProgram(const DaySpecs &days)
{
    const QString path = WriteProgram(QStringLiteral("loaded.rpp"), days);
    QVERIFY(!path.isEmpty());
    FileDialog::setNextFileNames({path});
    m_dlg->RunCommand(Ed::Open);
    QCOMPARE(m_dlg->Program().GetDayCount(), days.size());
    QCOMPARE(m_dlg->GetFileName(), path);
}

void TestEditorDlg::ClickDay(int row)
{
    QTest::mouseClick(Days().viewport(), Qt::LeftButton, {}, Days().CellRect(row, 0).center());
}

QList<int> TestEditorDlg::SelectedDayRows()
{
    QList<int> rows;
    for (int row = 0; row < Days().GetRowCount(); ++row) {
        if (Days().IsCellSelected(row, 0))
            rows.append(row);
    }
    return rows;
}

void TestEditorDlg::startsEmptyAndHintOpensFile()
{
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Workout programs editor"));
    QCOMPARE(Days().GetRowCount(), 0);
    QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), int(DayDlgIds::HintEmptyProgram));
    QVERIFY(m_dlg->GetTabCtrl()->IsProgramMode());
    QCOMPARE(Button("okButton")->text(), QStringLiteral("Save"));
    QCOMPARE(Button("cancelButton")->text(), QStringLiteral("Exit"));
    QCOMPARE(Button("openButton")->text(), QStringLiteral("Open"));
    QVERIFY(!Button("statusButton")->isVisible());

    const QString path = WriteProgram(QStringLiteral("two.rpp"), {"A:1", "B:2"});
    FileDialog::setNextFileNames({path});
    CEmptyDlg *placeholder = m_dlg->GetTabCtrl()->GetPlaceholder();
    QVERIFY(placeholder->isVisible());
    QTest::mouseDClick(placeholder, Qt::LeftButton);

    QCOMPARE(Describe(m_dlg->Program()), (QStringList {"A:A1", "B:B1,B2"}));
    QCOMPARE(Days().GetRowCount(), 2);
    QCOMPARE(Days().GetItemText(0, 0), QStringLiteral("Day 1"));
    QCOMPARE(Days().GetItemText(1, 0), QStringLiteral("Day 2"));
    QCOMPARE(DayFromCellData(Days().GetItemData(1, 0)), m_dlg->Program().GetDay(1));
    QCOMPARE(m_dlg->CurrentDayIndex(), 0);
    QCOMPARE(SelectedDayRows(), QList<int> {0});
    QCOMPARE(m_dlg->GetTabCtrl()->GetDay(), m_dlg->Program().GetDay(0));

    // Choosing a row shows its day.
    ClickDay(1);
    QCOMPARE(m_dlg->CurrentDayIndex(), 1);
    QCOMPARE(m_dlg->GetTabCtrl()->GetDay(), m_dlg->Program().GetDay(1));
}

void TestEditorDlg::addDayTwice()
{
    m_dlg->RunCommand(Ed::AddDay);
    QCOMPARE(MessageBox::takeShown().size(), 0);
    MessageBox::setNextAnswers({QMessageBox::Ok});
    m_dlg->RunCommand(Ed::AddDay);
    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("You need to fill the current day first."));
    QCOMPARE(shown.first().icon, QMessageBox::Information);
    QCOMPARE(m_dlg->Program().GetDayCount(), 1);
    QCOMPARE(Days().GetItemText(0, 0), QStringLiteral("Day 1"));
    QCOMPARE(m_dlg->CurrentDayIndex(), 0);
}

void TestEditorDlg::addWorkoutInEmptyProgramCreatesDayOne()
{
    ModalDriver driver(m_dlg.get());
    driver.Then(TypeNameAndOk(QStringLiteral("Push")));
    m_dlg->RunCommand(DayDlgIds::AddWorkout);
    QCOMPARE(driver.Titles(), QStringList {QStringLiteral("Add workout")});
    QCOMPARE(Describe(m_dlg->Program()), QStringList {QStringLiteral("Push:")});
    QCOMPARE(Days().GetRowCount(), 1);
    QCOMPARE(Days().GetItemText(0, 0), QStringLiteral("Day 1"));
    QCOMPARE(m_dlg->GetTabCtrl()->GetTabCount(), 1);
    // Now the last day has a workout, so another day may follow.
    m_dlg->RunCommand(Ed::AddDay);
    QCOMPARE(m_dlg->Program().GetDayCount(), 2);
    QCOMPARE(m_dlg->CurrentDayIndex(), 1);
    QCOMPARE(SelectedDayRows(), QList<int> {1});
}

void TestEditorDlg::ctrlDownMovesDayOrExercise_data()
{
    QTest::addColumn<DaySpecs>("program");
    QTest::addColumn<int>("day"); // the day shown
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("one exercise: the day moves")
        << DaySpecs {"A:1", "B:1", "C:1"} << 0 << QStringList {"B:B1", "A:A1", "C:C1"} << 1;
    QTest::newRow("two exercises: the exercise moves")
        << DaySpecs {"A:2", "B:1"} << 0 << QStringList {"A:A2,A1", "B:B1"} << 0;
    QTest::newRow("last day stays")
        << DaySpecs {"A:1", "B:1"} << 1 << QStringList {"A:A1", "B:B1"} << 1;
    QTest::newRow("a workout without exercises moves its day")
        << DaySpecs {"A:0", "B:1"} << 0 << QStringList {"B:B1", "A:"} << 1;
}

void TestEditorDlg::ctrlDownMovesDayOrExercise()
{
    QFETCH(DaySpecs, program);
    QFETCH(int, day);
    QFETCH(QStringList, expected);
    QFETCH(int, currentAfter);

    LoadProgram(program);
    ClickDay(day);
    TrainingDay *shown = m_dlg->Program().GetDay(day);
    if (Exercises().GetRowCount() > 1) {
        Exercises().setFocus();
        Exercises().SetFocusCell(1, Col::Exercise);
    }
    QTest::keyClick(&Exercises(), Qt::Key_Down, Qt::ControlModifier);

    QCOMPARE(Describe(m_dlg->Program()), expected);
    QCOMPARE(m_dlg->CurrentDayIndex(), currentAfter);
    QCOMPARE(m_dlg->Program().GetDay(currentAfter), shown);
    QCOMPARE(SelectedDayRows(), QList<int> {currentAfter});
    QCOMPARE(m_dlg->GetTabCtrl()->GetDay(), shown);
    QCOMPARE(m_dlg->Program().IsModified(), expected != Describe(*MakeProgram(program)));
}

void TestEditorDlg::moveDayBounds()
{
    LoadProgram({"A:1", "B:1"});
    m_dlg->RunCommand(Ed::MoveDayUp);
    QCOMPARE(Describe(m_dlg->Program()), (QStringList {"A:A1", "B:B1"}));
    m_dlg->RunCommand(Ed::MoveDayDown);
    QCOMPARE(Describe(m_dlg->Program()), (QStringList {"B:B1", "A:A1"}));
    m_dlg->RunCommand(Ed::MoveDayUp);
    QCOMPARE(Describe(m_dlg->Program()), (QStringList {"A:A1", "B:B1"}));
    QCOMPARE(m_dlg->CurrentDayIndex(), 0);
}

void TestEditorDlg::deleteKey_data()
{
    QTest::addColumn<DaySpecs>("program");
    QTest::addColumn<int>("day");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("day with workouts: the exercise goes")
        << DaySpecs {"A:2", "-"} << 0 << QStringList {"A:A2", "-"} << 0;
    QTest::newRow("day without workouts: the day goes")
        << DaySpecs {"A:2", "-", "B:1"} << 1 << QStringList {"A:A1,A2", "B:B1"} << 0;
    QTest::newRow("the only day goes") << DaySpecs {"-"} << 0 << QStringList {} << -1;
}

void TestEditorDlg::deleteKey()
{
    QFETCH(DaySpecs, program);
    QFETCH(int, day);
    QFETCH(QStringList, expected);
    QFETCH(int, currentAfter);

    LoadProgram(program);
    ClickDay(day);
    if (Exercises().GetRowCount() > 1) {
        QTest::mouseClick(Exercises().viewport(), Qt::LeftButton, {},
                          Exercises().CellRect(1, Col::Exercise).center());
    }
    QTest::keyClick(m_dlg.get(), Qt::Key_Delete);

    QCOMPARE(Describe(m_dlg->Program()), expected);
    QCOMPARE(m_dlg->CurrentDayIndex(), currentAfter);
    QCOMPARE(Days().GetRowCount(), expected.size());
    if (currentAfter >= 0) {
        QCOMPARE(SelectedDayRows(), QList<int> {currentAfter});
        QCOMPARE(Days().GetItemText(expected.size() - 1, 0),
                 QStringLiteral("Day %1").arg(expected.size()));
    } else {
        QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), int(DayDlgIds::HintEmptyProgram));
    }
}

void TestEditorDlg::clearRemovesEveryDay()
{
    LoadProgram({"A:1", "B:1"});
    QTest::mouseClick(Button("clearButton"), Qt::LeftButton);
    QCOMPARE(m_dlg->Program().GetDayCount(), 0);
    QCOMPARE(Days().GetRowCount(), 0);
    QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), int(DayDlgIds::HintEmptyProgram));
    QVERIFY(m_dlg->Program().IsModified());
}

void TestEditorDlg::saveAsOntoExistingFile()
{
    const QString existing = WriteProgram(QStringLiteral("existing.rpp"), {"Old:3", "Old:1"});
    LoadProgram({"New:1"});
    FileDialog::setNextFileNames({existing});
    m_dlg->RunCommand(Ed::SaveAs);

    QCOMPARE(MessageBox::takeShown().size(), 0);
    QCOMPARE(DescribeFile(existing), QStringList {QStringLiteral("New:New1")});
    QCOMPARE(m_dlg->GetFileName(), existing);
    QVERIFY(!m_dlg->Program().IsModified());
}

void TestEditorDlg::damagedFileLeavesProgramUntouched()
{
    LoadProgram({"A:1", "B:2"});
    const QString good = m_dlg->GetFileName();
    ClickDay(1);

    const QString damaged = WriteProgram(QStringLiteral("damaged.rpp"), {"X:1"});
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.replace("X1", "Y1"); // edited by hand: the digest no longer fits
    file.seek(0);
    file.write(bytes);
    file.close();

    FileDialog::setNextFileNames({damaged});
    MessageBox::setNextAnswers({QMessageBox::Ok});
    m_dlg->RunCommand(Ed::Open);

    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Error! File is corrupted."));
    QCOMPARE(shown.first().icon, QMessageBox::Critical);
    QCOMPARE(Describe(m_dlg->Program()), (QStringList {"A:A1", "B:B1,B2"}));
    QCOMPARE(m_dlg->GetFileName(), good);
    QCOMPARE(m_dlg->CurrentDayIndex(), 1);
    QCOMPARE(m_dlg->GetTabCtrl()->GetDay(), m_dlg->Program().GetDay(1));
}

void TestEditorDlg::exitAsks_data()
{
    QTest::addColumn<bool>("bound"); // the program has a file
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("viaCloseBox");
    QTest::addColumn<int>("answer"); // QMessageBox::NoButton: no question expected
    QTest::addColumn<QStringList>("saveAs"); // queued save dialog answers
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");

    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const int cancel = QMessageBox::Cancel;
    const int none = QMessageBox::NoButton;
    QTest::newRow("unchanged: closes at once")
        << true << false << false << none << QStringList {} << true << false;
    QTest::newRow("yes saves and closes")
        << true << true << false << yes << QStringList {} << true << true;
    QTest::newRow("no closes without saving")
        << true << true << false << no << QStringList {} << true << false;
    QTest::newRow("cancel stays") << true << true << false << cancel << QStringList {} << false
                                  << false;
    QTest::newRow("yes without a file, save dialog cancelled: stays")
        << false << true << false << yes << QStringList {QString()} << false << false;
    QTest::newRow("yes without a file, saved as")
        << false << true << false << yes << QStringList {"new.rpp"} << true << true;
    QTest::newRow("close box asks too")
        << true << true << true << cancel << QStringList {} << false << false;
}

void TestEditorDlg::exitAsks()
{
    QFETCH(bool, bound);
    QFETCH(bool, modified);
    QFETCH(bool, viaCloseBox);
    QFETCH(int, answer);
    QFETCH(QStringList, saveAs);
    QFETCH(bool, closes);
    QFETCH(bool, saved);

    QString path;
    if (bound) {
        LoadProgram({"A:1"});
        path = m_dlg->GetFileName();
    } else {
        m_dlg->RunCommand(Ed::AddDay);
    }
    if (modified)
        m_dlg->Program().GetDay(0)->SetNotes(QStringLiteral("changed"));
    for (QString &name : saveAs) {
        if (!name.isEmpty())
            name = path = m_folder->filePath(name);
    }
    FileDialog::setNextFileNames(saveAs);
    if (answer != QMessageBox::NoButton)
        MessageBox::setNextAnswers({static_cast<MessageBox::Button>(answer)});

    if (viaCloseBox)
        m_dlg->close();
    else
        QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);

    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), answer == QMessageBox::NoButton ? 0 : 1);
    if (!shown.isEmpty()) {
        QCOMPARE(shown.first().text, QStringLiteral("Save changes?"));
        QCOMPARE(shown.first().icon, QMessageBox::Question);
        QCOMPARE(shown.first().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    QCOMPARE(m_dlg->isVisible(), !closes);
    if (closes)
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    QCOMPARE(m_dlg->Program().IsModified(), modified && !saved);
    if (!path.isEmpty()) {
        TrainingProgram onDisk;
        QCOMPARE(onDisk.Open(path), true);
        QCOMPARE(onDisk.GetDay(0)->GetNotes(), saved ? QStringLiteral("changed") : QString());
    }
}

void TestEditorDlg::newAndCloseAsk_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("saved");

    for (const int command : {int(Ed::New), int(Ed::Close)}) {
        const char *name = command == Ed::New ? "New" : "Close";
        QTest::addRow("%s, yes", name) << command << int(QMessageBox::Yes) << true << true;
        QTest::addRow("%s, no", name) << command << int(QMessageBox::No) << true << false;
        QTest::addRow("%s, cancel", name) << command << int(QMessageBox::Cancel) << false << false;
    }
}

void TestEditorDlg::newAndCloseAsk()
{
    QFETCH(int, command);
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    QFETCH(bool, saved);

    LoadProgram({"A:1", "B:1"});
    const QString path = m_dlg->GetFileName();
    m_dlg->Program().GetDay(1)->SetNotes(QStringLiteral("changed"));
    MessageBox::setNextAnswers({static_cast<MessageBox::Button>(answer)});
    m_dlg->RunCommand(command);

    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Save changes?"));
    QCOMPARE(m_dlg->Program().GetDayCount(), cleared ? 0 : 2);
    QCOMPARE(m_dlg->GetFileName(), cleared ? QString() : path);
    QCOMPARE(Days().GetRowCount(), m_dlg->Program().GetDayCount());
    TrainingProgram onDisk;
    QVERIFY(onDisk.Open(path));
    QCOMPARE(onDisk.GetDay(1)->GetNotes(), saved ? QStringLiteral("changed") : QString());

    // A program without changes is set aside without a question.
    if (!cleared)
        return;
    m_dlg->RunCommand(command);
    QCOMPARE(MessageBox::takeShown().size(), 0);
    QCOMPARE(m_dlg->Program().GetDayCount(), 0);
}

void TestEditorDlg::openOverModifiedProgramAsks()
{
    LoadProgram({"A:1"});
    m_dlg->Program().GetDay(0)->SetNotes(QStringLiteral("changed"));
    const QString other = WriteProgram(QStringLiteral("other.rpp"), {"B:1"});

    MessageBox::setNextAnswers({QMessageBox::Cancel});
    m_dlg->RunCommand(Ed::Open); // no file dialog after Cancel
    QCOMPARE(Describe(m_dlg->Program()), QStringList {QStringLiteral("A:A1")});

    MessageBox::setNextAnswers({QMessageBox::No});
    FileDialog::setNextFileNames({other});
    m_dlg->RunCommand(Ed::Open);
    QCOMPARE(Describe(m_dlg->Program()), QStringList {QStringLiteral("B:B1")});
    QCOMPARE(MessageBox::takeShown().size(), 2);
}

void TestEditorDlg::savedProgramReopensIdentical()
{
    // Day 1: one workout of one exercise typed into the grid; Day 2: nothing.
    ModalDriver driver(m_dlg.get());
    driver.Then(TypeNameAndOk(QStringLiteral("Chest")));
    driver.Then(TypeNameAndOk(QStringLiteral("Bench press")));
    m_dlg->RunCommand(DayDlgIds::AddExercise);
    QCOMPARE(driver.Pending(), 0);
    QVERIFY(TypeIntoCell(Exercises(), 1, Col::Reps, QStringLiteral("8")));
    QVERIFY(TypeIntoCell(Exercises(), 1, Col::Weight, QStringLiteral("62.5")));
    m_dlg->RunCommand(Ed::AddDay);
    QCOMPARE(Days().GetRowCount(), 2);

    const QString path = m_folder->filePath(QStringLiteral("week.rpp"));
    FileDialog::setNextFileNames({path});
    // The name dialogs have closed: the keys go to the editor again.
    m_dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QTest::keyClick(m_dlg.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_dlg->GetFileName(), path);
    QVERIFY(!m_dlg->Program().IsModified());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readLine().startsWith("30.12.1899"));
    file.close();

    CEditorDlg reopened(nullptr, &m_owner);
    FileDialog::setNextFileNames({path});
    reopened.RunCommand(Ed::Open);
    TrainingProgram &program = reopened.Program();
    QCOMPARE(Describe(program), Describe(m_dlg->Program()));
    QCOMPARE(Describe(program), (QStringList {"Chest:Bench press", "-"}));
    const ExerciseEntry *exercise = program.GetDay(0)->GetWorkout(0)->GetExercise(0);
    QCOMPARE(exercise->GetReps(), 8);
    QCOMPARE(exercise->GetWeight(), 62.5f);
    QCOMPARE(exercise->GetSets(), 1);
    QCOMPARE(reopened.DayGrid()->GetRowCount(), 2);
}

void TestEditorDlg::failedSaveIsReported()
{
    LoadProgram({"A:1"});
    const QString path = m_dlg->GetFileName();
    m_dlg->Program().GetDay(0)->SetNotes(QStringLiteral("changed"));
    // A folder in the way of the file: it cannot be written.
    const QString blocked = m_folder->filePath(QStringLiteral("blocked.rpp"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
    FileDialog::setNextFileNames({blocked});
    MessageBox::setNextAnswers({QMessageBox::Ok});
    m_dlg->RunCommand(Ed::SaveAs);

    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().text.contains(QStringLiteral("could not be saved")));
    QCOMPARE(m_dlg->GetFileName(), path); // still bound to the file it came from
    QVERIFY(m_dlg->Program().IsModified());
}

void TestEditorDlg::statusImagesShowNotYet()
{
    const QString path = m_folder->filePath(QStringLiteral("statuses.rpp"));
    TrainingProgram program;
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("Done"),
                                {{QStringLiteral("a"), ProgressStatus::Done},
                                 {QStringLiteral("b"), ProgressStatus::Failed}},
                                ProgressStatus::Done));
    program.AddDay(std::move(day));
    program.SetPath(path);
    QVERIFY(program.Save());

    FileDialog::setNextFileNames({path});
    m_dlg->RunCommand(Ed::Open);
    const QImage notYet = StatusImageSet(true, StatusImageSize::Small16).NotYet().toImage();
    for (int row = 1; row <= 2; ++row) {
        const QPixmap *image = Exercises().GetItemImage(row, Col::Status);
        QVERIFY(image != nullptr);
        QCOMPARE(image->toImage(), notYet);
    }
    QCOMPARE(m_dlg->Program().GetDay(0)->GetWorkout(0)->GetStatus(), ProgressStatus::Done);
}

void TestEditorDlg::sizeRememberedInSection86()
{
    const QSize designed = m_dlg->size();
    QTest::qWait(20);
    const QSize wanted = designed + QSize(20, 30);
    m_dlg->resize(wanted);
    QTRY_COMPARE(m_dlg->size(), wanted);
    QTest::keyClick(m_dlg.get(), Qt::Key_Escape); // Exit; nothing to save
    QVERIFY(!m_dlg->isVisible());

    const SettingsStore store;
    QVERIFY(store.GetProfileInt(QStringLiteral("86"), QStringLiteral("CX"), 0) >= wanted.width());
    QVERIFY(store.GetProfileInt(QStringLiteral("86"), QStringLiteral("CY"), 0) >= wanted.height());
    QCOMPARE(store.GetProfileInt(QStringLiteral("67"), QStringLiteral("CX"), 0), 0);
}

REPBOOK_TEST_MAIN(TestEditorDlg)
#include "tst_editordlg.moc"
