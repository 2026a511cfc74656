#pragma once

#include "diary/UserProfile.h"
#include "model/WeightUnit.h"

#include <QDialog>

class CPictureButton;
class CWrappingNumberEdit;
class QLineEdit;
class SettingsStore;

// "User data": the user's names, the start-up password with its confirmation and four body
// measurements. In first-run mode the second button reads "Skip" instead of "Cancel". OK checks
// that every measurement is a whole number and that password and confirmation are the same;
// otherwise the dialog says so and stays open.
class CUserDataDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CUserDataDlg(QWidget *parent = nullptr);

    // Opens the dialog on the stored profile and stores what the user confirmed; true after OK.
    static bool Edit(QWidget *parent, SettingsStore &settings, bool firstRun);

    void SetFirstRun(bool firstRun);
    bool IsFirstRun() const { return m_firstRun; }
    void SetData(const UserData &data);
    // The data as set, or as confirmed with OK.
    const UserData &GetData() const { return m_data; }

    static QString MismatchMessage();
    static QString NumberMessage();

public slots:
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *BuildTextSections();
    QWidget *BuildMeasurementSection();
    CWrappingNumberEdit *AddNumberField(const QString &name, const QString &label, int minimum,
                                        int maximum, const QString &unit);

    UserData m_data;
    bool m_firstRun = false;
    // The body weight is stored in whole kilograms and shown in the chosen unit; a shown value
    // left as it is keeps the stored one.
    WeightUnit m_unit;
    int m_shownWeight = 0;
    QLineEdit *m_firstName = nullptr;
    QLineEdit *m_lastName = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_confirmation = nullptr;
    CWrappingNumberEdit *m_height = nullptr;
    CWrappingNumberEdit *m_weight = nullptr;
    CWrappingNumberEdit *m_chest = nullptr;
    CWrappingNumberEdit *m_biceps = nullptr;
    QWidget *m_numberGrid = nullptr;
    CPictureButton *m_okButton = nullptr;
    CPictureButton *m_cancelButton = nullptr;
};
