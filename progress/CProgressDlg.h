#pragma once

#include "progress/ChartRange.h"
#include "widgets/CResizingDialog.h"

class CConsistencyPage;
class CExercisePage;
class DiaryDatabase;
class QTabWidget;
class QTimer;

// The non-modal Progress window: the exercise page and the consistency page over the diary it is
// given. It owns no model object and keeps no pointer into the diary: every update reads the
// diary again, so days may be replaced or removed while it is open.
class CProgressDlg : public CResizingDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 140;

    explicit CProgressDlg(const DiaryDatabase &database, QWidget *parent = nullptr);

    // The diary changed: the window reads it again once control returns to the event loop
    // (several changes in a row cost one update), or when it is next shown.
    void DiaryChanged();
    // Reads the diary again now.
    void UpdateNow();
    // The calendar's display range, for the chart's "Calendar range" span.
    void SetCalendarSpan(const DateSpan &span);

    QTabWidget *Pages() const { return m_pages; }
    CExercisePage *Exercises() const { return m_exercises; }
    CConsistencyPage *Consistency() const { return m_consistency; }

signals:
    // The user clicked a day in a chart or the year grid.
    void dateChosen(const QDate &date);

protected:
    void showEvent(QShowEvent *event) override;

private:
    CExercisePage *m_exercises;
    CConsistencyPage *m_consistency;
    QTabWidget *m_pages;
    QTimer *m_updateTimer;
    bool m_stale = true;
};
