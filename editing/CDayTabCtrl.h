#pragma once

#include "editing/CWorkoutTabBar.h"
#include "editing/DayTabPane.h"
#include "editing/ExerciseColumnLayout.h"
#include "editing/ExerciseRows.h"
#include "editing/ExerciseStatusMenu.h"
#include "editing/WorkoutStatusImages.h"
#include "model/ProgressStatus.h"
#include "settings/WeightUnitSetting.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <QList>

#include <array>

class CEmptyDlg;
class CGridCtrl;
class ExerciseEntry;
class QMenu;
class TrainingDay;
class Workout;

// Shows one training day: a tab per workout and, under the tab row, a grid with the exercises of
// the selected workout, one row each. Where there is nothing to show, a placeholder with a hint
// covers the grid. The control edits the day it is given in place; undo is the host's business.
//
// The host decides whether the grid is editable (GetGrid()->SetEditable). Edits made in the grid
// reach the model through WriteBack, which the host calls when an in-place edit ends.
class CDayTabCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CDayTabCtrl(QWidget *parent = nullptr);
    ~CDayTabCtrl() override; // writes pending edits back

    // Binds a day (or none) and rebuilds the tabs; pending edits go into the old day first.
    bool SetDay(TrainingDay *day);
    TrainingDay *GetDay() const { return m_day; }

    void RebuildTabs();
    // Fills the grid with workout `index` of the day (or the hint for a workout without
    // exercises).
    void ShowWorkout(int index);
    // Writes pending edits back, selects tab `index` and shows its workout; returns the index of
    // the selected tab.
    virtual int SelectWorkout(int index);
    // Copies the grid's texts into the shown workout unless the grid is in sync with it, and
    // stores the column widths. Returns true when there were edits to copy.
    bool WriteBack();

    CGridCtrl *GetGrid() const { return m_grid; }
    CWorkoutTabBar *GetTabBar() const { return m_tabs; }
    CEmptyDlg *GetPlaceholder() const { return m_placeholder; }
    QMenu *GetColumnMenu() const { return m_columns.Menu(); }

    // False: the grid holds edits that are not in the model yet.
    void SetInSync(bool inSync) { m_gridInSync = inSync; }
    bool IsInSync() const { return m_gridInSync; }
    // In program mode every status image shows Not yet.
    void SetProgramMode(bool programMode);
    bool IsProgramMode() const { return m_statuses.IsProgramMode(); }
    // Shows a hint in the placeholder; 0 hides it.
    void SetHint(int hintId);
    // The status images: shields or flags; taken at the next RebuildTabs.
    void SetImageSet(bool shields) { m_statuses.SetShields(shields); }

    int GetTabCount() const { return m_tabs->count(); }
    int GetCurSel() const { return m_tabs->currentIndex(); } // -1 without tabs
    int GetShownWorkout() const { return m_shownWorkout; }
    // The workout of the selected tab, or nullptr when the tab is not a workout of the day.
    Workout *SelectedWorkout() const;

    // Column visibility: widths from the menu's ticks, the visible columns sized to their
    // contents; with "Note" shown the last visible column fills the width.
    void LayoutColumns();
    // Reads the column settings again (after another window changed them) and lays out.
    void ReloadColumnSettings();
    // Shows the workout again when the weight unit chosen in Options changed.
    void FollowWeightUnit();
    // The status cell's double click: Not yet -> Done -> Failed -> Not yet.
    void CycleStatus(int row);
    // Shows the model's values and statuses again in every row without rebuilding the grid (so
    // an open selection and focus stay).
    void RefreshRows();
    // Ends an open in-place edit as if the user had left the cell. True when one was open.
    bool EndEditing();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The grid's row colours.

signals:
    // The placeholder was double-clicked while showing this hint.
    void hintDoubleClicked(int hintId);
    // The shown workout changed or the status shown for it may have: -1 when none is shown.
    void shownWorkoutStatusChanged(int workoutIndex);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void OnTabChanged(int index);
    void OnCellDoubleClicked(int row, int col);
    void OnCellRightClicked(int row, int col, const QPoint &globalPos);
    void SetTabsSilently(int index);
    void FillRow(int row, const ExerciseEntry &exercise);
    const QPixmap *TabImage(int index) const;
    // Each tab's accessible name tells its workout's status too.
    void UpdateTabSpeech();
    void TakeWeightUnit();
    void ShowGrid(bool show);
    ExerciseEntry *ExerciseAt(int row) const;
    Workout *WorkoutAt(int index) const;

    TrainingDay *m_day = nullptr;
    CWorkoutTabBar *m_tabs;
    CGridCtrl *m_grid;
    CEmptyDlg *m_placeholder;
    ExerciseColumnLayout m_columns;
    ExerciseStatusMenu m_statusMenu;
    ExerciseRows m_rows;
    QFont m_boldFont;
    WeightUnit m_unit = WeightUnitSetting::Read(); // the unit the grid's weights are shown in
    WorkoutStatusImages m_statuses;
    DayTabPane m_pane;
    int m_shownWorkout = -1;
    bool m_gridInSync = true;
    bool m_changingTabs = false;
};
