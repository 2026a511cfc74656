#pragma once

#include "notifier/AutostartEntry.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class SettingsStore;

// "Options" of the notifier: how often the reminder balloon is repeated, whether the notifier
// starts at logon and the show-icon setting. The dialog reads the stored values each time it
// opens and writes them on OK; Cancel writes nothing. A new interval takes effect at the
// notifier's next start.
class COptionsDlg : public QDialog
{
    Q_OBJECT

public:
    enum NotifyMode { Never = 0, StartupOnly = 1, Every = 2 };
    static constexpr int MaximumMinutes = 24 * 60;

    COptionsDlg(SettingsStore &settings, AutostartEntry autostart = AutostartEntry(),
                QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void InitDialog();
    void PutMembersIntoControls();
    void TakeControlsIntoMembers();
    // The interval the controls stand for; false (after telling the user) when the minutes box
    // holds no usable number.
    bool ReadInterval(int &interval);

    SettingsStore &m_settings;
    AutostartEntry m_autostart;

    // Kept between showings.
    int m_notifyMode = Every;
    int m_autorun = 0;
    int m_showIcon = 1;

    QButtonGroup *m_modeGroup;
    QComboBox *m_minutesBox;
    QCheckBox *m_autorunBox;
    QCheckBox *m_showIconBox;
};
