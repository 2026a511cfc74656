#include "diary/CRepbookDlg.h"

#include "diary/CAboutDlg.h"
#include "diary/CConflictsDlg.h"
#include "diary/CFindDlg.h"
#include "diary/CommandIds.h"
#include "diary/ConflictsWindow.h"
#include "diary/DayOperations.h"
#include "diary/DiaryExchange.h"
#include "diary/DiaryHistory.h"
#include "diary/DiarySaving.h"
#include "diary/FindWindow.h"
#include "diary/MainMenu.h"
#include "diary/ProgramApplication.h"
#include "diary/ProgressWindow.h"
#include "diary/RangeControls.h"
#include "diary/RestoreFlow.h"
#include "diary/WindowDialogs.h"
#include "diary/WindowHistory.h"
#include "editing/CDayTabCtrl.h"
#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"
#include "widgets/SessionEnd.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr QSize DesignedWindowSize(720, 560);
// Without a stored size the window opens large enough to read a month's labels and workouts.
constexpr QSize FirstOpenWindowSize(1240, 900);

} // namespace

CRepbookDlg::CRepbookDlg(SharedDiaryFile &file, QWidget *parent)
    : CResizingDialog(DialogId, parent)
    , m_file(file)
    , m_database(file.Database())
{
    m_commands = new MainMenu(this);
    m_exchange = std::make_unique<DiaryExchange>(this, m_database);
    BuildLayout();
    m_progress = new ProgressWindow(*this, m_calendar->Range(), m_database);

    ConnectSignals();
    MapCommands();
    m_rangeControls->Restore();
    // The first-run user data dialog opens once the window shows (OfferUserData).
    Refresh(KeepScroll);

    m_saving = new DiarySaving(file, this,
                               {.isBusy = [this] { return IsBusy(); },
                                .commitEdits = [this] { m_preview->CommitEdits(); },
                                .daysChanged = [this] { ShowDaysFromDisk(); }});
    m_history = WindowHistory::Create(
        *this, *m_commands, *m_preview, *m_dayOperations, m_database, [this] { return IsBusy(); },
        [this] { ShowDaysFromDisk(); });
    connect(m_history, &DiaryHistory::Changed, m_saving, &DiarySaving::SaveSoon);
    auto *sessionEnd = new SessionEnd(this);
    connect(sessionEnd, &SessionEnd::SaveRequested, m_saving, &DiarySaving::SaveQuietly);
    connect(sessionEnd, &SessionEnd::Ending, this, &CRepbookDlg::EndSession);
}

CRepbookDlg::~CRepbookDlg() = default;

void CRepbookDlg::BuildLayout()
{
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(4);
    for (CPictureButton *button : m_commands->CreateButtons(this))
        buttonRow->addWidget(button);
    buttonRow->addStretch(1);

    // Created in the order Tab visits them.
    auto *notesPane = new QPlainTextEdit(this);
    m_grid = new CGridCtrl(this);
    m_grid->installEventFilter(this);
    m_rangeBox = new QComboBox(this);
    m_miniCalendar = new CFPSMiniCalendarCtrl(this);
    auto *workoutArea = new CDayTabCtrl(this);
    CreateCollaborators(notesPane, workoutArea);

    // The left column is as narrow as the mini calendar allows; the grid takes the rest.
    const int leftWidth = m_miniCalendar->minimumSizeHint().width();
    notesPane->setFixedWidth(leftWidth);
    m_rangeBox->setFixedWidth(leftWidth);

    auto *leftBottom = new QVBoxLayout;
    leftBottom->setSpacing(6);
    leftBottom->addWidget(m_rangeBox);
    leftBottom->addWidget(m_miniCalendar);

    auto *body = new QGridLayout;
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(8);
    body->addWidget(notesPane, 0, 0);
    body->addWidget(m_grid, 0, 1);
    body->addLayout(leftBottom, 1, 0);
    body->addWidget(workoutArea, 1, 1);
    body->setColumnStretch(1, 1);
    body->setRowStretch(0, 1);

    auto *top = new QVBoxLayout(this);
    top->setMenuBar(m_commands->MenuBar());
    top->addLayout(buttonRow);
    top->addLayout(body, 1);

    SetDesignedSize(DesignedWindowSize);
    SetFirstOpenSize(FirstOpenWindowSize);
}

void CRepbookDlg::CreateCollaborators(QPlainTextEdit *notesPane, CDayTabCtrl *workoutArea)
{
    m_preview = std::make_unique<DayPreview>(notesPane, workoutArea);
    m_calendar =
        std::make_unique<CalendarView>(m_grid, m_database, m_settings, *m_commands, *m_preview);
    m_rangeControls = std::make_unique<RangeControls>(
        m_rangeBox, m_miniCalendar, m_settings, *m_calendar,
        RangeControls::Actions {
            .setRange = [this](const DateValue &start, int days,
                               int scroll) { return SetRange(start, days, scroll); },
            .isApplying = [this] { return IsApplying(); }});
    m_dayOperations = std::make_unique<DayOperations>(*this, *m_calendar, *m_preview, m_database);
    m_dialogs = std::make_unique<WindowDialogs>(
        *this, m_file, m_settings, *m_calendar, *m_preview,
        WindowDialogs::Actions {
            .refresh = [this] { Refresh(KeepScroll); },
            .showDaysFromDisk = [this] { ShowDaysFromDisk(); },
            .applyProgram = [this](const QString &fileName) { ApplyProgram(fileName); }});
    m_application = std::make_unique<ProgramApplication>(
        this, m_database, *m_calendar, *m_commands, QList<QWidget *> {m_rangeBox, m_miniCalendar});
}

void CRepbookDlg::ConnectSignals()
{
    connect(m_commands, &MainMenu::commandTriggered, this, &CRepbookDlg::ExecuteCommand);
    connect(m_grid, &CGridCtrl::selectionChangedTo, this, &CRepbookDlg::OnGridSelectionChanged);
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this,
            [this] { ExecuteCommand(CommandId::View); });
    connect(m_grid, &CGridCtrl::cellRightClicked, this,
            [this](int row, int col, const QPoint &globalPos) {
                m_calendar->Columns().OnRightClick(row, col, globalPos);
            });
    connect(WorkoutArea(), &CDayTabCtrl::hintDoubleClicked, this, &CRepbookDlg::OnWorkoutAreaHint);
    connect(m_rangeBox, &QComboBox::activated, this, &CRepbookDlg::ChooseRangePreset);
    connect(m_miniCalendar, &CFPSMiniCalendarCtrl::dateClicked, this,
            &CRepbookDlg::ChooseStartDate);
    connect(this, &CRepbookDlg::diaryChanged, m_progress, &ProgressWindow::DiaryChanged);
    connect(m_progress, &ProgressWindow::dateChosen, this, &CRepbookDlg::ShowDate);
}

void CRepbookDlg::MapCommands()
{
    const auto onFocus = [this](const QString &verb, const std::function<void()> &change) {
        WindowHistory::OnFocus(*m_history, *m_calendar, verb, change);
    };
    CalendarView &calendar = *m_calendar;
    m_commandHandlers = {
        {CommandId::Exit, [this] { CloseWindow(); }},
        {CommandId::ImportFile, [this] { Import(); }},
        {CommandId::ExportFile, [this] { m_exchange->Export(SelectedDays()); }},
        {CommandId::Notes,
         [this, onFocus] { onFocus(tr("Notes"), [this] { m_dialogs->EditNotes(); }); }},
        {CommandId::Undo, [this] { m_history->Undo(); }},
        {CommandId::Redo, [this] { m_history->Redo(); }},
        {CommandId::RestoreBackup, [this] { RestoreFlow::Run(this, m_file, *m_history); }},
        {CommandId::Today, [&calendar] { calendar.GoToToday(); }},
        {CommandId::FirstDay, [&calendar] { calendar.GoToFirstDay(); }},
        {CommandId::PreviousDay, [&calendar] { calendar.GoToPreviousDay(); }},
        {CommandId::NextDay, [&calendar] { calendar.GoToNextDay(); }},
        {CommandId::LastDay, [&calendar] { calendar.GoToLastDay(); }},
        {CommandId::Refresh, [this] { Refresh(KeepScroll); }},
        {CommandId::SetRange, [this] { m_rangeControls->OpenDialog(); }},
        {CommandId::SelectionToRange, [this] { m_rangeControls->SelectionToRange(); }},
        {CommandId::SelectAll, [&calendar] { calendar.SelectAllDays(); }},
        {CommandId::User, [this] { m_dialogs->EditUserData(false); }},
        {CommandId::Options, [this] { m_dialogs->EditOptions(); }},
        {CommandId::About, [this] { CAboutDlg(this).exec(); }},
        {CommandId::Print, [this] { m_dialogs->PrintSelection(false); }},
        {CommandId::PrintPreview, [this] { m_dialogs->PrintSelection(true); }},
        {CommandId::View, [this] { ViewDay(); }},
        {CommandId::AddWorkout, [this] { AddWorkoutToDay(); }},
        {CommandId::RemoveSelected,
         [this] {
             WindowHistory::OnSelection(*m_history, *m_calendar, tr("Remove"),
                                        [this] { m_dayOperations->Remove(); });
         }},
        {CommandId::MoveSelected, [this] { m_dayOperations->StartMove(); }},
        {CommandId::Editor, [this] { m_dialogs->OpenEditor(); }},
        {CommandId::ApplyProgram, [this] { ApplyProgram(QString()); }},
        {CommandId::Progress, [this] { m_progress->Open(); }},
        {CommandId::Find, [this] { OpenFind(); }},
        {CommandId::Conflicts, [this] { OpenConflicts(); }},
        // Stops a program being applied and forgets a move waiting for its target.
        {CommandId::Escape,
         [this] {
             m_application->Stop();
             m_dayOperations->CancelMove();
         }},
    };
}

// ---- Calendar --------------------------------------------------------------------------------

bool CRepbookDlg::SetRange(const DateValue &start, int days, int scroll)
{
    const CalendarRange range(start, days);
    if (!range.IsValid())
        return false;
    m_calendar->SetRange(range);
    m_rangeControls->ShowRange(range);
    // The new rows hold no days yet; Refresh binds them.
    m_calendar->RebuildGrid();
    Refresh(scroll);
    return true;
}

void CRepbookDlg::Refresh(int scroll)
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    m_calendar->UpdateLayout();
    if (scroll == ScrollToTop)
        m_grid->scrollToTop();
    // The diary's days may have been replaced since the cells were bound (the start-up read
    // hands its days over after the window is built), so every refresh binds them again.
    ShowDays();
    setWindowTitle(
        Caption(m_settings.Read(SettingsKeys::FirstName), m_settings.Read(SettingsKeys::LastName)));
    m_grid->setFocus();
    m_refreshing = false;
    emit diaryChanged();
}

void CRepbookDlg::ShowDays()
{
    m_calendar->BindCellDays();
    m_calendar->ShowSelectionInPreview();
    m_miniCalendar->Redraw();
}

void CRepbookDlg::ShowDaysFromDisk()
{
    if (const TrainingDay *source = m_dayOperations->PendingMoveSource()) {
        bool stillThere = false;
        for (int i = 0; i < m_database.GetDayCount() && !stillThere; ++i)
            stillThere = m_database.GetDay(i) == source;
        if (!stillThere)
            m_dayOperations->CancelMove();
    }
    ShowDays();
    // The same day object may hold other workouts now.
    m_preview->ShowWorkoutsAgain();
    const CalendarCell focus = m_calendar->FocusCell();
    if (IsInRange(focus.row, focus.col))
        m_preview->ShowNotesOf(DayAt(focus.row, focus.col));
    m_grid->viewport()->update();
    emit diaryChanged();
}

void CRepbookDlg::ShowDate(const QDate &date)
{
    // Never while a dialog or a program application holds days; a pending move is not aimed here.
    if (IsBusy())
        return;
    m_dayOperations->CancelMove();
    const DateValue value = DateValue::FromQDate(date);
    if (!CellOf(value).IsValid())
        SetRange(value, Range().Days(), ScrollToTop);
    m_calendar->SelectCell(CellOf(value));
    Refresh(KeepScroll);
    activateWindow();
}

void CRepbookDlg::OnGridSelectionChanged(int row, int col)
{
    if (row >= 0 && col >= 0) {
        bool moved = false;
        if (m_dayOperations->IsMovePending() && IsInRange(row, col)) {
            const DateValue from = m_dayOperations->PendingMoveSource()->GetDate();
            m_history->Record(
                [this, from] {
                    return m_dayOperations->LastMoveKind() + QLatin1Char(' ') +
                        DiaryHistory::DatesText({from});
                },
                {from, DateAt(row, col)}, [&] { moved = m_dayOperations->MoveTo(row, col); });
        }
        if (!moved && IsInRange(row, col))
            m_preview->ShowNotesOf(DayAt(row, col));
        m_grid->SetFocusCell(row, col);
    }
    m_dayOperations->CancelMove();
    Refresh(KeepScroll);
}

void CRepbookDlg::OnWorkoutAreaHint(int hintId)
{
    if (hintId == HintNoWorkouts)
        ExecuteCommand(CommandId::AddWorkout);
    else if (hintId == HintViewDay)
        ExecuteCommand(CommandId::View);
}

// ---- Commands --------------------------------------------------------------------------------

void CRepbookDlg::ExecuteCommand(int commandId)
{
    const QAction *action = m_commands->Action(commandId);
    if (!action || !action->isEnabled())
        return;
    if (const auto handler = m_commandHandlers.value(commandId))
        handler();
}

void CRepbookDlg::Import()
{
    const auto added = m_exchange->Import([this](const std::function<void()> &change) {
        m_history->RecordAny(tr("Import"), change);
    });
    if (!added)
        return;
    Refresh(KeepScroll);
    m_saving->SaveNow();
    // The calendar shows the newest day that received something, and says what came.
    if (added->last.IsValid())
        ShowDate(added->last.ToQDate());
    MessageBox::Information(this, DiaryImport::AddedText(*added));
}

void CRepbookDlg::AddWorkoutToDay()
{
    WindowHistory::OnFocus(*m_history, *m_calendar, tr("Add workout"),
                           [this] { m_dayOperations->AddWorkoutToDay(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::ViewDay()
{
    WindowHistory::OnFocus(*m_history, *m_calendar, tr("Edit"),
                           [this] { m_dayOperations->ViewDay(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::RemoveSelectedDays()
{
    WindowHistory::OnSelection(*m_history, *m_calendar, tr("Remove"),
                               [this] { m_dayOperations->RemoveSelectedDays(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::RemoveFocusedDay()
{
    WindowHistory::OnFocus(*m_history, *m_calendar, tr("Remove"),
                           [this] { m_dayOperations->RemoveFocusedDay(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::ApplyProgram(const QString &fileName)
{
    if (IsApplying())
        return;
    m_dayOperations->CancelMove();
    m_application->Run(fileName, Range(), ApplyDelay(), *m_history);
    Refresh(KeepScroll);
    if (m_application->TakeCloseRequest())
        CloseWindow();
}

void CRepbookDlg::OpenFind()
{
    FindWindow::Open(*this, m_database, [this](CFindDlg &dialog) {
        connect(this, &CRepbookDlg::diaryChanged, &dialog, &CFindDlg::DiaryChanged);
        connect(&dialog, &CFindDlg::dateChosen, this, &CRepbookDlg::ShowDate);
    });
}

void CRepbookDlg::OpenConflicts()
{
    ConflictsWindow::Open(*this, *m_history, m_file, [this](CConflictsDlg &dialog) {
        connect(this, &CRepbookDlg::diaryChanged, &dialog, &CConflictsDlg::DiaryChanged);
        connect(&dialog, &CConflictsDlg::dateChosen, this, &CRepbookDlg::ShowDate);
    });
}

QString CRepbookDlg::Caption(const QString &firstName, const QString &lastName)
{
    QString caption = QStringLiteral("Repbook");
    if (firstName.isEmpty())
        return caption;
    caption += QStringLiteral(" - ") + firstName;
    if (!lastName.isEmpty())
        caption += QLatin1Char(' ') + lastName;
    return caption;
}

// ---- Saving and closing ----------------------------------------------------------------------

bool CRepbookDlg::IsBusy() const
{
    const QWidget *modal = QApplication::activeModalWidget();
    return (modal && modal != this) || QApplication::activePopupWidget() || IsApplying() ||
        m_refreshing || m_preview->IsEditing();
}

void CRepbookDlg::CloseWindow()
{
    // While a program is applied, the walk stops first; the question comes once it has ended
    // (ApplyProgram).
    if (m_application->DeferClose())
        return;
    if (MessageBox::Question(this, tr("Do you want to exit application?")) != QMessageBox::Yes)
        return;
    if (!m_saving->SaveBeforeExit())
        return;
    m_calendar->Columns().StoreWidths();
    m_saving->Stop();
    done(QDialog::Accepted);
}

void CRepbookDlg::EndSession()
{
    // As Exit does, without its questions: nobody is there to answer them.
    m_saving->SaveQuietly();
    m_saving->Stop();
    m_calendar->Columns().StoreWidths();
    // Every event loop ends, open dialogs' included, and with the main window's the program.
    QCoreApplication::exit(0);
}

void CRepbookDlg::accept()
{
    // The dialog's default action opens the focused day.
    ExecuteCommand(CommandId::View);
}

void CRepbookDlg::reject()
{
    // The close box and every other close request go the confirmed way.
    CloseWindow();
}

void CRepbookDlg::keyPressEvent(QKeyEvent *event)
{
    // Return and Escape belong to their commands; they never reach the dialog's default
    // handling, which would close the window.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        CResizingDialog::keyPressEvent(event);
    }
}

bool CRepbookDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::Resize && Range().IsValid() &&
        Range().Days() > 0)
        Refresh(KeepScroll);
    return CResizingDialog::eventFilter(watched, event);
}
