#pragma once

#include "stats/DiarySearch.h"
#include "widgets/CResizingDialog.h"

class DiaryDatabase;
class FindResultsModel;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTimer;
class QTreeView;

// The non-modal Find window: a search field over the diary's workout names, exercise names and
// notes, and the results while typing, newest first. A result chosen with Enter or a click is
// handed out as its date (dateChosen). The window keeps no pointer into the diary: the search
// reads it again after each change (DiaryChanged).
class CFindDlg : public CResizingDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 160;

    explicit CFindDlg(const DiaryDatabase &database, QWidget *parent = nullptr);

    // The diary changed: the results follow once control returns to the event loop (several
    // changes in a row cost one search), or when the window is next shown.
    void DiaryChanged();
    // Puts the focus into the search field with its text selected.
    void FocusField();
    // Searches the diary for the field's text at once, without waiting for a pause in typing.
    void SearchNow();

    QLineEdit *Field() const { return m_field; }
    QTreeView *Results() const { return m_results; }
    FindResultsModel *ResultsModel() const { return m_model; }
    QLabel *Summary() const { return m_summary; }

signals:
    // The user chose a result: the calendar should show this day.
    void dateChosen(const QDate &date);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Choose(const QModelIndex &index, bool keepFocus);
    void UpdateSummary();

    const DiaryDatabase &m_database;
    DiarySearch m_search;
    bool m_stale = true; // the diary changed since the search last read it
    QLineEdit *m_field;
    QTreeView *m_results;
    FindResultsModel *m_model;
    QLabel *m_summary;
    QTimer *m_typingTimer; // waits for a pause in typing
    QTimer *m_changeTimer; // gathers the diary's changes
};
