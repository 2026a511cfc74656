#pragma once

#include "model/ConflictRecords.h"
#include "widgets/CResizingDialog.h"

#include <functional>

class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class SharedDiaryFile;

// The non-modal Conflicts window: every date that both sides changed (the other program, or
// another computer through a sync engine), each with the diary's version beside the other one
// kept on record (ConflictRecords). Taking the other version hands it to the take function (one
// undoable step of the diary's history); taking or dismissing removes the record. The list
// follows the records on disk and the diary's days.
class CConflictsDlg : public CResizingDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 161;
    // Puts the record's version into the diary; false when it could not (the record stays).
    using TakeFunction = std::function<bool(const ConflictRecords::Record &)>;

    CConflictsDlg(const SharedDiaryFile &file, TakeFunction take, QWidget *parent = nullptr);

    // Reads the records again, keeping the chosen row where it can.
    void Reload();
    // The diary's days changed: the diary's version shown follows.
    void DiaryChanged();
    // Take the other version of the chosen date; dismiss it (after asking).
    void TakeOther();
    void Dismiss();

    QListWidget *List() const { return m_list; }
    QPlainTextEdit *DiaryVersion() const { return m_diaryVersion; }
    QPlainTextEdit *OtherVersion() const { return m_otherVersion; }
    QLabel *Summary() const { return m_summary; }
    QPushButton *TakeButton() const { return m_takeButton; }
    QPushButton *DismissButton() const { return m_dismiss; }
    const QList<ConflictRecords::Record> &Records() const { return m_found.records; }

signals:
    // Show in calendar: the calendar should show this day.
    void dateChosen(const QDate &date);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void ShowChosen();
    void Remove(const ConflictRecords::Record &record);
    const ConflictRecords::Record *Chosen() const;

    const SharedDiaryFile &m_file;
    TakeFunction m_takeVersion;
    ConflictRecords::Found m_found;
    QLabel *m_summary;
    QListWidget *m_list;
    QPlainTextEdit *m_diaryVersion;
    QPlainTextEdit *m_otherVersion;
    QPushButton *m_takeButton;
    QPushButton *m_dismiss;
    QPushButton *m_show;
    QTimer *m_settle; // gathers a burst of changes in the diary's folder into one reading
    QFileSystemWatcher *m_watcher;
};
