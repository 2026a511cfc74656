#pragma once

#include <QDialog>
#include <QString>

class CPictureButton;
class QLineEdit;

// "Access denied": the password gate of the diary's start. Without a stored password the dialog
// closes by itself with OK before it is seen. A wrong entry says "Password incorrect." and lets
// the user try again, as often as needed; Cancel, Escape or the close box end with Cancel.
class CPasswordDlg : public QDialog
{
    Q_OBJECT

public:
    // Reads the stored password from the settings.
    explicit CPasswordDlg(QWidget *parent = nullptr);

    // True when no password is stored.
    bool IsOpen() const { return m_stored.isEmpty(); }
    // The whole gate: true when the diary may start.
    static bool Pass(QWidget *parent = nullptr);

    static QString IncorrectMessage();

public slots:
    int exec() override;
    void open() override;
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_stored;
    QLineEdit *m_field;
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
};
