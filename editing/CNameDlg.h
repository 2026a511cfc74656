#pragma once

#include <QDialog>
#include <QString>

class CPictureButton;
class CSmartComboBox;
class QKeyEvent;
class QShowEvent;

// Base of the two name dialogs: a "Name:" field bound to one name list file, OK and Cancel. Each
// opening reads the list again; OK with an empty field beeps and keeps the dialog open, otherwise
// the name is remembered in the list and handed to the caller through GetName().
class CNameDlg : public QDialog
{
    Q_OBJECT

public:
    QString GetName() const { return m_name; }
    CSmartComboBox *NameField() const { return m_field; }

protected:
    CNameDlg(const QString &caption, const QString &listFile, QWidget *parent);

    // The name selected when the dialog opens (empty: the first name of the list).
    void SetPresetName(const QString &name) { m_presetName = name; }

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OnOK();

    CSmartComboBox *m_field;
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
    QString m_presetName;
    QString m_name;
};
