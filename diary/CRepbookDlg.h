#pragma once

#include "diary/CalendarNavigation.h"
#include "diary/CalendarRange.h"
#include "diary/CalendarView.h"
#include "diary/DayPreview.h"
#include "diary/ProgramApplication.h"
#include "diary/RangeControls.h"
#include "diary/WindowDialogs.h"
#include "settings/SettingsStore.h"
#include "widgets/CResizingDialog.h"

#include <QHash>
#include <QList>

#include <functional>
#include <memory>

class CDayTabCtrl;
class DayOperations;
class DiaryExchange;
class DiaryHistory;
class DiarySaving;
class CFPSMiniCalendarCtrl;
class CGridCtrl;
class DiaryDatabase;
class MainMenu;
class ProgressWindow;
class QComboBox;
class QPlainTextEdit;
class SharedDiaryFile;
class TrainingDay;

// The diary's main window: the calendar grid of the display range with the notes pane, the
// range box, the mini calendar and the workout area below, the menu, keys and picture buttons,
// and the saving of the diary (DiarySaving). The window lays out and connects its collaborators
// (CalendarView, RangeControls, DayPreview, DayOperations, WindowDialogs,
// ProgramApplication) and maps each
// command onto one of them. It works on the application's database and its file; it owns
// neither.
class CRepbookDlg : public CResizingDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 102;
    static constexpr int DayCellType = CalendarView::DayCellType;
    // Scroll requests of SetRange and Refresh.
    static constexpr int KeepScroll = CalendarView::KeepScroll;
    static constexpr int ScrollToTop = CalendarView::ScrollToTop;
    // Hints of the workout area: a day without workouts, a date outside the range.
    static constexpr int HintNoWorkouts = DayPreview::HintNoWorkouts;
    static constexpr int HintOutsideRange = DayPreview::HintOutsideRange;
    // The workout area's hint that opens the day.
    static constexpr int HintViewDay = DayPreview::HintViewDay;

    explicit CRepbookDlg(SharedDiaryFile &file, QWidget *parent = nullptr);
    ~CRepbookDlg() override;

    // The calendar.
    bool SetRange(const DateValue &start, int days, int scroll);
    DateValue DateAt(int row, int col) const { return m_calendar->DateAt(row, col); }
    CalendarCell CellOf(const DateValue &date) const { return m_calendar->CellOf(date); }
    bool IsInRange(int row, int col) const { return m_calendar->IsInRange(row, col); }
    void Refresh(int scroll);
    void FitColumns() { m_calendar->Columns().Fit(); }
    void SelectDay(int row, int col) { m_calendar->SelectDay(row, col); }
    const CalendarRange &Range() const { return m_calendar->Range(); }
    // The day a week cell shows, or null.
    TrainingDay *DayAt(int row, int col) const { return m_calendar->DayAt(row, col); }
    // The mini calendar's highlight: dates of the range last stored.
    bool IsSpecialDate(const QDate &date) const { return m_rangeControls->IsSpecialDate(date); }
    // The days of the selected in-range cells in date order; without a selection, the focused
    // cell's day.
    QList<const TrainingDay *> SelectedDays() const { return m_calendar->SelectedDays(); }

    // The options as the window uses them.
    bool UsesShields() const { return m_calendar->UsesShields(); }
    bool ApplyDelay() const { return m_dialogs->ApplyDelay(); }
    // Opens the user data dialog in first-run mode while the user has never confirmed it.
    void OfferUserData() { m_dialogs->OfferUserData(); }

    // Runs a command of the menu, the keys or the buttons; disabled commands do nothing.
    void ExecuteCommand(int commandId);
    // The weekday column menu's choice (Monday 0 .. Sunday 6).
    void ChooseColumnMenuItem(int weekdayIndex)
    {
        m_calendar->Columns().ChooseMenuItem(weekdayIndex);
    }
    // The range box's entry chosen by the user.
    void ChooseRangePreset(int presetIndex) { m_rangeControls->ChoosePreset(presetIndex); }
    // A click on a date of the mini calendar.
    void ChooseStartDate(const QDate &date) { m_rangeControls->ChooseStartDate(date); }

    // What the workout area shows for the current selection: a day, or a hint id (0 = none).
    TrainingDay *WorkoutAreaDay() const { return m_preview->Day(); }
    int WorkoutAreaHint() const { return m_preview->Hint(); }

    // The day operations (DayOperations) on the focused cell and the selection.
    void AddWorkoutToDay();
    void ViewDay();
    void RemoveSelectedDays();
    void RemoveFocusedDay();
    DayOperations &DayCommands() const { return *m_dayOperations; }

    // Selects the date's cell, moving the range to start there when it lies outside; nothing
    // while the window is busy (IsBusy).
    void ShowDate(const QDate &date);
    ProgressWindow &Progress() const { return *m_progress; }

    // Lays the days of a program file onto the range; an empty name asks for the file. The
    // whole application, from choosing the file to the last day laid out, runs in here.
    void ApplyProgram(const QString &fileName);
    bool IsApplying() const { return m_application->IsApplying(); }

    // Whether the cell already shows a day.
    bool CellHoldsDay(int row, int col) const { return m_calendar->CellHoldsDay(row, col); }

    static QString Caption(const QString &firstName, const QString &lastName);
    static QString NotesHint() { return DayPreview::NotesHint(); }

    // The window's parts, for whoever drives it.
    CalendarView &Calendar() const { return *m_calendar; }
    CGridCtrl *Grid() const { return m_grid; }
    QComboBox *RangeBox() const { return m_rangeBox; }
    CFPSMiniCalendarCtrl *MiniCalendar() const { return m_miniCalendar; }
    QPlainTextEdit *NotesPane() const { return m_preview->NotesPane(); }
    CDayTabCtrl *WorkoutArea() const { return m_preview->WorkoutArea(); }
    MainMenu *Commands() const { return m_commands; }
    DiarySaving &Saving() const { return *m_saving; }
    DiaryHistory &History() const { return *m_history; }

signals:
    // The calendar was shown again: days, the range or the selection may have changed.
    void diaryChanged();

public slots:
    // The dialog's default action opens the focused day; every close request asks first.
    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    void CreateCollaborators(QPlainTextEdit *notesPane, CDayTabCtrl *workoutArea);
    void ConnectSignals();
    void MapCommands();
    void OnGridSelectionChanged(int row, int col);
    void OnWorkoutAreaHint(int hintId);
    void Import();
    void OpenFind();
    void OpenConflicts();
    void CloseWindow();
    // The session ends or a signal asks the program to end: save and leave.
    void EndSession();
    // True while a dialog, menu, program application or cell editor may hold days of the diary.
    bool IsBusy() const;
    // The one place that shows the diary's days again after they were replaced or changed:
    // every cell is bound to its day, and the preview and the mini calendar follow.
    void ShowDays();
    // Days in memory were replaced by those another program wrote: every cell, the workout area
    // and the notes look their day up again.
    void ShowDaysFromDisk();

    SharedDiaryFile &m_file;
    DiaryDatabase &m_database;
    SettingsStore m_settings;
    std::unique_ptr<DayPreview> m_preview;
    std::unique_ptr<CalendarView> m_calendar;
    std::unique_ptr<RangeControls> m_rangeControls;
    std::unique_ptr<DayOperations> m_dayOperations;
    std::unique_ptr<WindowDialogs> m_dialogs;
    std::unique_ptr<ProgramApplication> m_application;
    std::unique_ptr<DiaryExchange> m_exchange; // File > Import... and Export...
    QHash<int, std::function<void()>> m_commandHandlers;

    MainMenu *m_commands = nullptr;
    CGridCtrl *m_grid = nullptr;
    QComboBox *m_rangeBox = nullptr;
    CFPSMiniCalendarCtrl *m_miniCalendar = nullptr;
    DiarySaving *m_saving = nullptr;
    DiaryHistory *m_history = nullptr;
    ProgressWindow *m_progress = nullptr;

    bool m_refreshing = false;
};
