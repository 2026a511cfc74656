#pragma once

#include "model/DateValue.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <memory>

class CDayPrinter;
class CPictureButton;
class DiaryDatabase;
class QCheckBox;
class QLabel;
class QTimeEdit;
class SettingsStore;
class SharedDiaryFile;
class TrainingDay;

// "Workout remind": the reminder the notifier shows for today. In workout mode it offers today's
// plan ("View"), the diary, printing the day and the time to ask about the results; in results
// mode it asks for the results ("Fill in"). OK acknowledges the reminder, "Remind me later"
// (Cancel) leaves it pending. The day is shown in the diary's own day dialog on the notifier's
// database, which takes in the file's changes first and is saved after the day dialog's OK
// without writing over what the diary saved meanwhile.
class CNotifyDlg : public QDialog
{
    Q_OBJECT

public:
    using DiaryLauncher = std::function<bool(QWidget *owner)>;

    CNotifyDlg(SharedDiaryFile &file, SettingsStore &settings, QWidget *parent = nullptr);
    ~CNotifyDlg() override;

    // Before showing: the moment the reminder is for (only its date is used) and the mode.
    void SetReminderDay(const DateValue &day);
    void SetResultsMode(bool resultsMode);
    // After OK: 1 when "Ask about workout results at" was ticked, with the chosen moment.
    int GetAskTime(DateValue &askTime) const;

    // How the diary is started; tests replace it.
    void SetDiaryLauncher(DiaryLauncher launcher) { m_launchDiary = std::move(launcher); }

public slots:
    void OnView();
    void OnMove();
    void OnOpenDiary();
    void OnPrint();
    void OnCancelWorkout();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void InitControls();
    void CloseWithOK();
    // Takes in what changed in the database file. A file that is there but cannot be read or
    // fails its check is not taken: the user is told, and false comes back.
    bool ReloadDatabase();
    TrainingDay *FindReminderDay();
    void EditDay(TrainingDay &day);
    bool SaveDatabase();

    SharedDiaryFile &m_file;
    DiaryDatabase &m_database;
    SettingsStore &m_settings;
    DiaryLauncher m_launchDiary;
    std::unique_ptr<CDayPrinter> m_printer; // keeps the chosen printer between prints

    DateValue m_day = DateValue::MakeInvalid();
    bool m_resultsMode = false;
    int m_askFlag = 0;
    DateValue m_askTime = DateValue::MakeInvalid();
    QDate m_pickerDate;

    QLabel *m_message;
    CPictureButton *m_viewButton;
    QCheckBox *m_askBox;
    QTimeEdit *m_timePicker;
};
