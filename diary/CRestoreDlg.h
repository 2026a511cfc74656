#pragma once

#include "model/DiaryBackups.h"
#include "widgets/CResizingDialog.h"

#include <QList>

#include <functional>

class CDayTabCtrl;
class DiaryDatabase;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

// "Restore from backup": the backups with when they were made, their size, how many days they
// hold and their last day; the days of the chosen one, read-only; Restore closes the dialog with
// that backup chosen. The days shown belong to whoever supplies the preview.
class CRestoreDlg : public CResizingDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 158;
    enum Column { Made, Size, Days, LastDay, ColumnCount };

    // The days of a backup, or null when it cannot be read.
    using Preview = std::function<DiaryDatabase *(const QString &path)>;

    CRestoreDlg(const QList<DiaryBackups::Entry> &backups, Preview preview,
                QWidget *parent = nullptr);
    ~CRestoreDlg() override;

    void ChooseBackup(int row);
    void ChooseDay(int listRow);
    QString ChosenPath() const;

    QTableWidget *BackupList() const { return m_backupList; }
    QListWidget *DayList() const { return m_dayList; }
    CDayTabCtrl *DayView() const { return m_dayView; }
    QPushButton *RestoreButton() const { return m_restoreButton; }

private:
    void FillNextSummary();
    void ShowDays(DiaryDatabase *days);

    QList<DiaryBackups::Entry> m_backups;
    Preview m_preview;
    DiaryDatabase *m_shown = nullptr;
    QList<int> m_dayIndices; // day list row -> index of the day in m_shown
    int m_chosen = -1;
    int m_nextSummary = 0;

    QTableWidget *m_backupList;
    QListWidget *m_dayList;
    CDayTabCtrl *m_dayView;
    QLabel *m_daysLabel;
    QPushButton *m_restoreButton;
    QTimer *m_summaryTimer;
};
