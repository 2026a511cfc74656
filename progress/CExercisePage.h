#pragma once

#include "model/WeightUnit.h"
#include "progress/ChartRange.h"
#include "stats/ExerciseCatalog.h"
#include "stats/ExerciseHistory.h"

#include <QWidget>

class CProgressChart;
class DiaryDatabase;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTableWidget;
class QTreeWidget;

// The Progress window's first page: the performed exercises with a filter, the chart of the
// chosen measure of the chosen exercise over the chosen span, and its records. It reads the
// diary only in Reload and keeps nothing of it.
class CExercisePage : public QWidget
{
    Q_OBJECT

public:
    enum ListColumn { NameColumn, DaysColumn, LastColumn };

    explicit CExercisePage(const DiaryDatabase &database, QWidget *parent = nullptr);

    // Reads the diary again: the list, then the chosen exercise (kept by name when it is still
    // there).
    void Reload(const QDate &today);
    void SetCalendarSpan(const DateSpan &span);

    // Chooses the exercise by name (as the statistics match names); false when it is not listed.
    bool ChooseExercise(const QString &name);
    QString ChosenExercise() const;
    void ChooseMeasure(ProgressMeasure measure);
    void ChooseSpan(ChartSpan span);
    void SetCountFailed(bool countFailed);
    // Saves the chart with a title line: exercise, measure and span.
    bool SaveImage(const QString &path) const;
    QString ImageTitle() const;

    QTreeWidget *ExerciseList() const { return m_list; }
    CProgressChart *Chart() const { return m_chart; }
    QTableWidget *Records() const { return m_records; }
    QLineEdit *FilterBox() const { return m_filter; }
    // The text shown instead of list and chart when nothing was performed yet.
    QLabel *EmptyState() const { return m_emptyState; }
    bool ShowsEmptyState() const;

signals:
    void dayClicked(const QDate &date);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildLayout();
    QWidget *BuildControls();
    void FillList();
    void ApplyFilter();
    // Reads the chosen exercise again; with onlyIfChanged, nothing is redrawn when its measures
    // and records are as shown.
    void ShowChosen(bool onlyIfChanged = false);
    void Redraw();
    void ShowPeriodNote();
    // The list widens to its names while the chart keeps its minimum width.
    void FitListToNames();
    void GiveListItsRoom();
    void SaveImageAsked();

    const DiaryDatabase &m_database;
    QDate m_today;
    bool m_loaded = false;
    DateSpan m_calendarSpan;
    QList<ExerciseSummary> m_exercises;
    ExerciseHistory m_history;
    // The measure was switched to repetitions because a body-weight exercise was chosen.
    bool m_measureFollowsWeight = false;
    WeightUnit m_unit; // the unit the chart and the records show weights in

    QStackedWidget *m_stack = nullptr;
    QSplitter *m_content = nullptr;
    int m_listWidthNeeded = 0;
    QLabel *m_emptyState = nullptr;
    QLineEdit *m_filter = nullptr;
    QTreeWidget *m_list = nullptr;
    QCheckBox *m_countFailed = nullptr;
    QComboBox *m_measure = nullptr;
    QButtonGroup *m_spans = nullptr;
    CProgressChart *m_chart = nullptr;
    QTableWidget *m_records = nullptr;
    QLabel *m_heading = nullptr;
    QLabel *m_periodNote = nullptr;
    QPushButton *m_saveImage = nullptr;
};
