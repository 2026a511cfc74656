#pragma once

#include <QComboBox>
#include <QStringList>

class QKeyEvent;

// The name field of the name dialogs: an editable drop-down bound to one name list file. It shows
// the names of the file sorted alphabetically (ignoring case), completes the typed text with the
// first name that begins with it, and remembers a confirmed name by appending it to the file.
class CSmartComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CSmartComboBox(QWidget *parent = nullptr);

    void SetListFile(const QString &path);
    QString GetListFile() const { return m_listFile; }

    // Reads the list file again (a missing file gives an empty list) and selects the first name in
    // alphabetical order. Returns false when the file could not be read.
    bool Load();

    // Selects the name a rename starts from: a name equal to `name` (ignoring case), else the
    // first name beginning with it, searching from the second name onwards and wrapping around.
    // Without such a name the field shows `name` itself; an empty `name` changes nothing.
    void SelectPreset(const QString &name);

    // Appends the current text to the list file unless the file already holds exactly that name.
    // Returns true when the name was appended; a file that cannot be written is left alone.
    bool Confirm();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OnTextEdited(const QString &text);
    void ShowEntry(int index);
    int FindEqual(const QString &name) const;

    QString m_listFile;
    QStringList m_entries; // in the order shown
    int m_lastKey = 0; // the last key pressed in the field
};
