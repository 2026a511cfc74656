#include "editing/CNameDlg.h"

#include "editing/CSmartComboBox.h"
#include "images/ImageIds.h"
#include "widgets/CPictureButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr int kDesignedWidth = 380;
constexpr int kMinimumWidth = 260;
} // namespace

CNameDlg::CNameDlg(const QString &caption, const QString &listFile, QWidget *parent)
    : QDialog(parent)
    , m_field(new CSmartComboBox(this))
    , m_okButton(new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::SmallButtonCancel, tr("Cancel"), this))
{
    setWindowTitle(caption);
    m_field->setObjectName(QStringLiteral("nameField"));
    m_field->SetListFile(listFile);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *label = new QLabel(tr("Name:"), this);
    label->setBuddy(m_field);

    auto *fieldRow = new QHBoxLayout;
    fieldRow->addWidget(label);
    fieldRow->addWidget(m_field, 1);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_okButton);
    buttonRow->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fieldRow);
    layout->addStretch(1);
    layout->addLayout(buttonRow);

    connect(m_okButton, &CPictureButton::clicked, this, &CNameDlg::OnOK);
    connect(m_cancelButton, &CPictureButton::clicked, this, &CNameDlg::reject);

    // Only the width is worth changing: the dialog holds one line of text.
    const int height = qMax(sizeHint().height(), 110);
    setMinimumSize(kMinimumWidth, height);
    setMaximumHeight(height);
    resize(kDesignedWidth, height);
}

void CNameDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_name.clear();
        m_field->Load();
        m_field->SelectPreset(m_presetName);
        m_field->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void CNameDlg::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        // Enter presses a focused button, and OK everywhere else.
        if (focusWidget() == m_cancelButton)
            m_cancelButton->click();
        else
            OnOK();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CNameDlg::OnOK()
{
    const QString name = m_field->currentText();
    if (name.isEmpty()) {
        QApplication::beep();
        m_field->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_field->Confirm();
    m_name = name;
    accept();
}
