#pragma once

#include <QCoreApplication>
#include <QString>

class CDayTabCtrl;
class QPlainTextEdit;
class TrainingDay;

// The main window's preview of the selected day: the workout area below the calendar, which
// shows the day's workouts or a hint, and the notes pane beside the calendar. It shows what it
// is handed; the calendar decides which day that is.
class DayPreview
{
    Q_DECLARE_TR_FUNCTIONS(DayPreview)

public:
    // Hints of the workout area: a day without workouts, a date outside the range.
    static constexpr int HintNoWorkouts = 103;
    static constexpr int HintOutsideRange = 105;
    // The workout area's hint that opens the day.
    static constexpr int HintViewDay = 104;

    // Sets up both widgets for showing, not editing; the window owns and lays them out.
    DayPreview(QPlainTextEdit *notesPane, CDayTabCtrl *workoutArea);

    // Shows the day (or none) with the hint (0 = none) in the workout area, with the status
    // images of the calendar (shields or flags).
    void Show(TrainingDay *day, int hint, bool shields);
    // Shows the day's note in the notes pane; no day clears it.
    void ShowNotesOf(const TrainingDay *day);
    // The day shown may hold other workouts now: its tabs are built again.
    void ShowWorkoutsAgain();

    TrainingDay *Day() const { return m_day; }
    int Hint() const { return m_hint; }
    CDayTabCtrl *WorkoutArea() const { return m_workoutArea; }
    QPlainTextEdit *NotesPane() const { return m_notesPane; }

    // Whether a cell of the workout area is being edited.
    bool IsEditing() const;
    // Writes edits still in the workout area's grid to the day.
    void CommitEdits();

    static QString NotesHint();

private:
    QPlainTextEdit *m_notesPane;
    CDayTabCtrl *m_workoutArea;
    bool m_shields = true;
    TrainingDay *m_day = nullptr;
    int m_hint = 0;
};
