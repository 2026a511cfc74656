#pragma once

#include <QDialog>
#include <QString>

class CPictureButton;
class QPlainTextEdit;

// "Notes": edits the free text of a training day. The caller sets the text before running the
// dialog and reads it back after OK; Clear empties the edit but stores nothing until OK.
// Enter starts a new line; Ctrl+Enter confirms and Escape cancels.
class CCommentDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCommentDlg(QWidget *parent = nullptr);

    void SetText(const QString &text);
    // The text as the caller set it, or as confirmed with OK.
    const QString &GetText() const { return m_text; }

public slots:
    void accept() override;

private:
    void OnClear();

    QString m_text;
    QPlainTextEdit *m_edit;
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
    CPictureButton *m_clearButton;
};
