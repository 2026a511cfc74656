#pragma once

#include "diary/CalendarNavigation.h"
#include "diary/CalendarRange.h"
#include "editing/IDayCellOwner.h"
#include "editing/IProgramApplyTarget.h"
#include "settings/SettingsStore.h"
#include "widgets/CResizingDialog.h"

#include <QList>

#include <memory>

class CDayPrinter;
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
class QFrame;
class QPlainTextEdit;
class SharedDiaryFile;
class StatusImageSet;
class TrainingDay;

// The diary's main window: the calendar grid of the display range with the notes pane, the
// range box, the mini calendar and the workout area below, the menu, keys and picture buttons,
// and the saving of the diary (DiarySaving). The window works on the application's database and
// its file; it owns neither.
class CRepbookDlg : public CResizingDialog, public IDayCellOwner, public IProgramApplyTarget
{
    Q_OBJECT

public:
    static constexpr int DialogId = 102;
    static constexpr int DayCellType = 1;
    // Scroll requests of SetRange and Refresh.
    static constexpr int KeepScroll = -1;
    static constexpr int ScrollToTop = 0;
    // Hints of the workout area: a day without workouts, a date outside the range.
    static constexpr int HintNoWorkouts = 103;
    static constexpr int HintOutsideRange = 105;
    // The workout area's hint that opens the day.
    static constexpr int HintViewDay = 104;

    explicit CRepbookDlg(SharedDiaryFile &file, QWidget *parent = nullptr);
    ~CRepbookDlg() override;

    // The calendar.
    bool SetRange(const DateValue &start, int days, int scroll);
    DateValue DateAt(int row, int col) const override;
    CalendarCell CellOf(const DateValue &date) const;
    bool IsInRange(int row, int col) const override;
    void Refresh(int scroll);
    void FitColumns();
    void SelectDay(int row, int col);
    const CalendarRange &Range() const { return m_range; }
    // The day a week cell shows, or null.
    TrainingDay *DayAt(int row, int col) const;
    // The mini calendar's highlight: dates of the range last stored.
    bool IsSpecialDate(const QDate &date) const;
    // The days of the selected in-range cells in date order; without a selection, the focused
    // cell's day.
    QList<const TrainingDay *> SelectedDays() const;

    // The options as the window uses them.
    bool UsesShields() const;
    bool ApplyDelay() const { return m_applyDelay; }
    // Opens the user data dialog in first-run mode while the user has never confirmed it.
    void OfferUserData();

    // IDayCellOwner
    const StatusImageSet &DayCellImages() const override;
    QFont DayCellFont() const override;

    // Runs a command of the menu, the keys or the buttons; disabled commands do nothing.
    void ExecuteCommand(int commandId);
    // The weekday column menu's choice (Monday 0 .. Sunday 6).
    void ChooseColumnMenuItem(int weekdayIndex);
    // The range box's entry chosen by the user.
    void ChooseRangePreset(int presetIndex);
    // A click on a date of the mini calendar.
    void ChooseStartDate(const QDate &date);

    // What the workout area shows for the current selection: a day, or a hint id (0 = none).
    TrainingDay *WorkoutAreaDay() const { return m_workoutAreaDay; }
    int WorkoutAreaHint() const { return m_workoutAreaHint; }

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
    bool IsApplying() const { return m_applying; }

    // IProgramApplyTarget
    bool CellHoldsDay(int row, int col) const override;
    void AttachDay(int row, int col, TrainingDay *day) override;

    static QString Caption(const QString &firstName, const QString &lastName);
    static QString NotesHint();

    // The window's parts, for whoever drives it.
    CGridCtrl *Grid() const { return m_grid; }
    QComboBox *RangeBox() const { return m_rangeBox; }
    CFPSMiniCalendarCtrl *MiniCalendar() const { return m_miniCalendar; }
    QPlainTextEdit *NotesPane() const { return m_notesPane; }
    CDayTabCtrl *WorkoutArea() const { return m_workoutArea; }
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
    void ConnectSignals();
    void RestoreRange();
    void RebuildGrid();
    void UpdateRowHeights();
    int GridClientWidth() const;
    void UpdateColumnMenuMarks();
    void UpdateColumnHeadings();
    void UpdateWorkoutArea();
    void ShowInWorkoutArea();
    void ShowNotesOf(const TrainingDay *day);
    void OnGridSelectionChanged(int row, int col);
    void OnGridRightClicked(int row, int col, const QPoint &globalPos);

    void GoToFirstDay();
    void GoToLastDay();
    void GoToNextDay();
    void GoToPreviousDay();
    void GoToToday();
    void SelectAllDays();
    void EditNotes();
    void OpenEditor();
    void OnWorkoutAreaHint(int hintId);
    void EditUserData(bool firstRun);
    void EditOptions();
    void PrintSelection(bool preview);
    void OpenRangeDialog();
    void SelectionToRange();
    void CloseWindow();
    // The session ends or a signal asks the program to end: save and leave.
    void EndSession();
    // True while a dialog, menu, program application or cell editor may hold days of the diary.
    bool IsBusy() const;
    void CommitWorkoutAreaEdits();
    // Days in memory were replaced by those another program wrote: every cell, the workout area
    // and the notes look their day up again.
    void ShowDaysFromDisk();
    void BindCellDays();
    void StoreWeekdayColumnWidths();
    CalendarCell FocusCell() const;
    CalendarNavigation Navigation() const;
    void SelectCell(const CalendarCell &cell);

    SharedDiaryFile &m_file;
    DiaryDatabase &m_database;
    SettingsStore m_settings;
    CalendarRange m_range;
    std::unique_ptr<StatusImageSet> m_images;
    bool m_applyDelay = false;
    std::unique_ptr<CDayPrinter> m_printer; // keeps the chosen printer between prints
    std::unique_ptr<DayOperations> m_dayOperations;
    std::unique_ptr<DiaryExchange> m_exchange; // File > Import... and Export...
    bool m_stopApplying = true; // false only while a program is being applied
    bool m_applying = false; // from the start of ApplyProgram to its end
    bool m_closeAfterApplying = false; // a close request stopped the walk

    MainMenu *m_commands = nullptr;
    CGridCtrl *m_grid = nullptr;
    QPlainTextEdit *m_notesPane = nullptr;
    QComboBox *m_rangeBox = nullptr;
    CFPSMiniCalendarCtrl *m_miniCalendar = nullptr;
    CDayTabCtrl *m_workoutArea = nullptr;
    bool m_workoutAreaShields = true;
    DiarySaving *m_saving = nullptr;
    DiaryHistory *m_history = nullptr;
    ProgressWindow *m_progress = nullptr;

    TrainingDay *m_workoutAreaDay = nullptr;
    int m_workoutAreaHint = 0;
    bool m_refreshing = false;
};
