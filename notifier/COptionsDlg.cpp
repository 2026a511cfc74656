#include "notifier/COptionsDlg.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/MessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QRadioButton *MakeRadio(const QString &text, const char *name, QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

} // namespace

COptionsDlg::COptionsDlg(SettingsStore &settings, AutostartEntry autostart, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_autostart(std::move(autostart))
    , m_modeGroup(new QButtonGroup(this))
    , m_minutesBox(new QComboBox(this))
    , m_autorunBox(new QCheckBox(tr("&Launch at logon"), this))
    , m_showIconBox(new QCheckBox(tr("Show notification &icon in taskbar"), this))
{
    setWindowTitle(tr("Options"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::NotifierIcon));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *notifyGroup = new QGroupBox(tr("Notify"), this);
    auto *never = MakeRadio(tr("&Never"), "neverRadio", notifyGroup);
    auto *startup = MakeRadio(tr("On &startup only"), "startupRadio", notifyGroup);
    auto *every = MakeRadio(tr("&Every"), "everyRadio", notifyGroup);
    m_modeGroup->addButton(never, Never);
    m_modeGroup->addButton(startup, StartupOnly);
    m_modeGroup->addButton(every, Every);

    m_minutesBox->setObjectName(QStringLiteral("minutesBox"));
    m_minutesBox->setAccessibleName(tr("Minutes between reminders"));
    m_minutesBox->setEditable(true);
    m_minutesBox->setInsertPolicy(QComboBox::NoInsert);
    m_minutesBox->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"),
                            QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                            QStringLiteral("30")});
    m_minutesBox->setMinimumContentsLength(4);
    // Choosing or typing a number of minutes means repeating at that interval.
    connect(m_minutesBox, &QComboBox::activated, every, [every] { every->setChecked(true); });
    connect(m_minutesBox->lineEdit(), &QLineEdit::textEdited, every,
            [every] { every->setChecked(true); });

    auto *notifyLayout = new QGridLayout(notifyGroup);
    notifyLayout->addWidget(never, 0, 0, 1, 3);
    notifyLayout->addWidget(startup, 1, 0, 1, 3);
    notifyLayout->addWidget(every, 2, 0);
    notifyLayout->addWidget(m_minutesBox, 2, 1);
    notifyLayout->addWidget(new QLabel(tr("minutes"), notifyGroup), 2, 2);
    notifyLayout->setColumnStretch(3, 1);

    auto *miscGroup = new QGroupBox(tr("Misc"), this);
    m_autorunBox->setObjectName(QStringLiteral("autorunBox"));
    m_showIconBox->setObjectName(QStringLiteral("showIconBox"));
    auto *miscLayout = new QVBoxLayout(miscGroup);
    miscLayout->addWidget(m_autorunBox);
    miscLayout->addWidget(m_showIconBox);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notifyGroup);
    layout->addWidget(miscGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COptionsDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        InitDialog();
    QDialog::showEvent(event);
}

void COptionsDlg::InitDialog()
{
    PutMembersIntoControls();
    m_minutesBox->setCurrentIndex(0);

    const int interval = m_settings.Read(SettingsKeys::TipNotifyTime);
    m_showIcon = m_settings.Read(SettingsKeys::ShowTrayIcon) != 0 ? 1 : 0;
    // Every negative interval means no balloons, as the scheduler reads it.
    if (interval < 0) {
        m_notifyMode = Never;
    } else if (interval == 0) {
        m_notifyMode = StartupOnly;
    } else {
        m_notifyMode = Every;
        m_minutesBox->setEditText(QString::number(interval));
    }
    m_autorun = m_autostart.IsEnabled() ? 1 : 0;
    PutMembersIntoControls();
}

void COptionsDlg::PutMembersIntoControls()
{
    if (QAbstractButton *mode = m_modeGroup->button(m_notifyMode))
        mode->setChecked(true);
    m_autorunBox->setChecked(m_autorun != 0);
    m_showIconBox->setChecked(m_showIcon != 0);
}

void COptionsDlg::TakeControlsIntoMembers()
{
    m_notifyMode = m_modeGroup->checkedId();
    m_autorun = m_autorunBox->isChecked() ? 1 : 0;
    m_showIcon = m_showIconBox->isChecked() ? 1 : 0;
}

bool COptionsDlg::ReadInterval(int &interval)
{
    switch (m_modeGroup->checkedId()) {
    case StartupOnly:
        interval = 0;
        return true;
    case Every: {
        bool ok = false;
        const int minutes = m_minutesBox->currentText().trimmed().toInt(&ok);
        if (ok && minutes >= 1 && minutes <= MaximumMinutes) {
            interval = minutes;
            return true;
        }
        MessageBox::Warning(this,
                            tr("Please enter the number of minutes between "
                               "reminders, from 1 to %1.")
                                .arg(MaximumMinutes));
        m_minutesBox->setFocus(Qt::OtherFocusReason);
        m_minutesBox->lineEdit()->selectAll();
        return false;
    }
    default:
        interval = -1;
        return true;
    }
}

void COptionsDlg::accept()
{
    int interval = 0;
    if (!ReadInterval(interval))
        return;
    TakeControlsIntoMembers();
    m_settings.Write(SettingsKeys::TipNotifyTime, interval);
    m_settings.Write(SettingsKeys::ShowTrayIcon, m_showIcon);

    const bool written = m_autorun ? m_autostart.Enable(QCoreApplication::applicationFilePath())
                                   : m_autostart.Disable();
    if (!written)
        MessageBox::Warning(this,
                            (m_autorun ? tr("The logon entry could not be written:\n%1")
                                       : tr("The logon entry could not be removed:\n%1"))
                                .arg(QDir::toNativeSeparators(m_autostart.FilePath())));
    QDialog::accept();
}
