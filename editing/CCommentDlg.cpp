#include "editing/CCommentDlg.h"

#include "images/ImageIds.h"
#include "widgets/CPictureButton.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// About the dialog's designed size of 172 x 206 dialog units.
constexpr QSize DesignedSize(260, 335);
constexpr QSize MinimumSize(220, 200);

} // namespace

CCommentDlg::CCommentDlg(QWidget *parent)
    : QDialog(parent)
    , m_edit(new QPlainTextEdit(this))
    , m_okButton(new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::SmallButtonCancel, tr("Cancel"), this))
    , m_clearButton(new CPictureButton(ImageId::SmallButtonClear, tr("Clear"), this))
{
    setWindowTitle(tr("Notes"));
    setObjectName(QStringLiteral("CCommentDlg"));

    m_edit->setObjectName(QStringLiteral("notesEdit"));
    m_edit->setAccessibleName(tr("Day note"));
    m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab moves on to the buttons, so the dialog can be worked by keyboard alone.
    m_edit->setTabChangesFocus(true);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_clearButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit, 1);
    layout->addLayout(buttons);

    connect(m_okButton, &CPictureButton::clicked, this, &CCommentDlg::accept);
    connect(m_cancelButton, &CPictureButton::clicked, this, &CCommentDlg::reject);
    connect(m_clearButton, &CPictureButton::clicked, this, &CCommentDlg::OnClear);
    for (const QKeySequence &key :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &CCommentDlg::accept);
    }

    setMinimumSize(MinimumSize);
    resize(DesignedSize);
    m_edit->setFocus();
}

void CCommentDlg::SetText(const QString &text)
{
    m_text = text;
    m_edit->setPlainText(text);
    // Typing adds to the note rather than putting words before it.
    m_edit->moveCursor(QTextCursor::End);
}

void CCommentDlg::accept()
{
    m_text = m_edit->toPlainText();
    QDialog::accept();
}

void CCommentDlg::OnClear()
{
    // Through a cursor rather than clear(), so that Ctrl+Z brings the text back.
    QTextCursor cursor(m_edit->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_edit->setFocus();
}
