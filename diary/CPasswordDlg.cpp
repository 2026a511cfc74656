#include "diary/CPasswordDlg.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "settings/PasswordDigest.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/EnterKey.h"
#include "widgets/MessageBox.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPasswordDlg::CPasswordDlg(QWidget *parent)
    : QDialog(parent)
    , m_stored(SettingsStore().Read(SettingsKeys::Password))
    , m_field(new QLineEdit(this))
    , m_okButton(new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::SmallButtonCancel, tr("Cancel"), this))
{
    setWindowTitle(tr("Access denied"));
    setObjectName(QStringLiteral("CPasswordDlg"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::AppIcon));
    m_field->setObjectName(QStringLiteral("passwordField"));
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setMinimumWidth(220);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *label = new QLabel(tr("Enter password:"), this);
    label->setBuddy(m_field);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(m_field, m_okButton);
    QWidget::setTabOrder(m_okButton, m_cancelButton);
    connect(m_okButton, &CPictureButton::clicked, this, &CPasswordDlg::accept);
    connect(m_cancelButton, &CPictureButton::clicked, this, &CPasswordDlg::reject);
    m_field->setFocus();
}

bool CPasswordDlg::Pass(QWidget *parent)
{
    // Without a password there is nothing to build.
    if (SettingsStore().Read(SettingsKeys::Password).isEmpty())
        return true;
    CPasswordDlg gate(parent);
    return gate.exec() == QDialog::Accepted;
}

QString CPasswordDlg::IncorrectMessage()
{
    return tr("Password incorrect.");
}

int CPasswordDlg::exec()
{
    if (IsOpen()) {
        setResult(QDialog::Accepted);
        return QDialog::Accepted;
    }
    return QDialog::exec();
}

void CPasswordDlg::open()
{
    if (IsOpen()) {
        QDialog::accept();
        return;
    }
    QDialog::open();
}

void CPasswordDlg::accept()
{
    if (IsOpen()) {
        QDialog::accept();
        return;
    }
    // Deriving the key of the stored record takes a noticeable moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool correct = PasswordDigest::VerifyPassword(m_stored, m_field->text());
    QGuiApplication::restoreOverrideCursor();
    if (!correct) {
        MessageBox::Error(this, IncorrectMessage());
        m_field->setFocus();
        m_field->selectAll();
        return;
    }
    QDialog::accept();
}

void CPasswordDlg::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(*this, event))
        QDialog::keyPressEvent(event);
}
