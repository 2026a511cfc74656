#include "editing/CSmartComboBox.h"

#include "model/NameList.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

CSmartComboBox::CSmartComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    // Only the completion below runs: no completer, and Enter never inserts the typed text.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(16);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CSmartComboBox::OnTextEdited);
}

void CSmartComboBox::SetListFile(const QString &path)
{
    m_listFile = path;
}

bool CSmartComboBox::Load()
{
    NameList list(m_listFile);
    const bool loaded = !m_listFile.isEmpty() && list.Load();
    m_entries = loaded ? list.SortedEntries() : QStringList();

    clear();
    addItems(m_entries);
    if (m_entries.isEmpty())
        setEditText(QString());
    else
        ShowEntry(0);
    lineEdit()->selectAll();
    return loaded;
}

void CSmartComboBox::SelectPreset(const QString &name)
{
    if (name.isEmpty())
        return;

    int index = FindEqual(name);
    if (index < 0)
        index = NameList::FindPrefix(m_entries, name, m_entries.size() > 1 ? 1 : 0);
    if (index >= 0) {
        ShowEntry(index);
    } else {
        setCurrentIndex(-1);
        setEditText(name);
    }
    lineEdit()->selectAll();
}

bool CSmartComboBox::Confirm()
{
    const QString name = currentText();
    if (m_listFile.isEmpty() || name.isEmpty())
        return false;
    return NameList(m_listFile).Append(name);
}

void CSmartComboBox::keyPressEvent(QKeyEvent *event)
{
    // The line edit gets the key through this handler while the box has the focus.
    m_lastKey = event->key();
    QComboBox::keyPressEvent(event);
}

bool CSmartComboBox::eventFilter(QObject *watched, QEvent *event)
{
    // Keys sent to the line edit directly do not pass keyPressEvent above.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress)
        m_lastKey = static_cast<QKeyEvent *>(event)->key();
    return QComboBox::eventFilter(watched, event);
}

void CSmartComboBox::OnTextEdited(const QString &text)
{
    if (m_lastKey == Qt::Key_Delete || m_lastKey == Qt::Key_Backspace || text.isEmpty())
        return;

    QLineEdit *edit = lineEdit();
    const int selectionStart =
        edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int selectionEnd =
        edit->hasSelectedText() ? edit->selectionEnd() : edit->cursorPosition();

    const int index = NameList::FindPrefix(m_entries, text, 0);
    if (index < 0)
        return; // the typed text and the caret stay as they are

    ShowEntry(index);
    if (selectionEnd < text.size()) {
        // Typing in the middle of the text: keep the caret where the user is.
        edit->setCursorPosition(selectionStart);
        if (selectionEnd > selectionStart)
            edit->setSelection(selectionStart, selectionEnd - selectionStart);
    } else {
        // Highlight the completed tail so that further typing replaces it.
        edit->setSelection(int(text.size()), int(edit->text().size() - text.size()));
    }
}

void CSmartComboBox::ShowEntry(int index)
{
    // Setting the text as well covers an index that is already current but was typed over.
    setCurrentIndex(index);
    setEditText(itemText(index));
}

int CSmartComboBox::FindEqual(const QString &name) const
{
    int ignoringCase = -1;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i) == name)
            return i;
        if (ignoringCase < 0 && m_entries.at(i).compare(name, Qt::CaseInsensitive) == 0)
            ignoringCase = i;
    }
    return ignoringCase;
}
