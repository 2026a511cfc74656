#include "notifier/CNotifyDlg.h"

#include "editing/CDayDlg.h"
#include "editing/CDayPrinter.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "model/Clock.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"
#include "notifier/LaunchDiary.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QShowEvent>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int IconSize = 32;

// The locale's long time format (hours, minutes and seconds) without a time zone.
QString TimeFormat()
{
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    format = format.trimmed();
    if (!format.contains(QLatin1String("ss")))
        format = QStringLiteral("HH:mm:ss");
    return format;
}

CPictureButton *MakeButton(int imageId, const QString &text, const char *name, QWidget *parent)
{
    auto *button = new CPictureButton(imageId, text, parent);
    button->SetImagePlacement(CPictureButton::Placement::Above);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

CNotifyDlg::CNotifyDlg(SharedDiaryFile &file, SettingsStore &settings, QWidget *parent)
    : QDialog(parent)
    , m_file(file)
    , m_database(file.Database())
    , m_settings(settings)
    , m_launchDiary(&LaunchDiary)
    , m_printer(std::make_unique<CDayPrinter>(this))
    , m_message(new QLabel(this))
    , m_viewButton(MakeButton(ImageId::ButtonNotifierView, tr("View"), "viewButton", this))
    , m_askBox(new QCheckBox(tr("Ask about workout results at"), this))
    , m_timePicker(new QTimeEdit(this))
{
    setWindowTitle(tr("Workout remind"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::NotifierIcon));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *icon = new QLabel(this);
    icon->setPixmap(ResourceImages::AppIconPixmap(ImageId::NotifierIcon, IconSize));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(280);
    QFont messageFont = m_message->font();
    messageFont.setPointSizeF(messageFont.pointSizeF() * 1.15);
    messageFont.setBold(true);
    m_message->setFont(messageFont);

    auto *moveButton = MakeButton(ImageId::ButtonNotifierMove, tr("Move"), "moveButton", this);
    auto *diaryButton =
        MakeButton(ImageId::ButtonOpenDiary, tr("Open Diary"), "openDiaryButton", this);
    auto *printButton = MakeButton(ImageId::ButtonPrint, tr("Print"), "printButton", this);
    auto *cancelWorkoutButton =
        MakeButton(ImageId::ButtonCancel, tr("Cancel workout"), "cancelWorkoutButton", this);
    auto *laterButton =
        MakeButton(ImageId::ButtonCancel, tr("Remind me later"), "remindLaterButton", this);
    moveButton->hide();
    cancelWorkoutButton->hide();

    m_askBox->setObjectName(QStringLiteral("askBox"));
    m_timePicker->setObjectName(QStringLiteral("timePicker"));
    m_timePicker->setAccessibleName(tr("Time to ask about workout results"));
    m_timePicker->setDisplayFormat(TimeFormat());
    m_timePicker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_timePicker->setWrapping(true);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(m_message, 1);

    auto *ask = new QHBoxLayout;
    ask->addWidget(m_askBox);
    ask->addWidget(m_timePicker);
    ask->addStretch(1);

    auto *buttons = new QHBoxLayout;
    for (CPictureButton *button :
         {m_viewButton, moveButton, diaryButton, printButton, cancelWorkoutButton, laterButton})
        buttons->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(ask);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab follows the layout: the question row, then the buttons from View on.
    setTabOrder(m_timePicker, m_viewButton);
    connect(m_viewButton, &QToolButton::clicked, this, &CNotifyDlg::OnView);
    connect(moveButton, &QToolButton::clicked, this, &CNotifyDlg::OnMove);
    connect(diaryButton, &QToolButton::clicked, this, &CNotifyDlg::OnOpenDiary);
    connect(printButton, &QToolButton::clicked, this, &CNotifyDlg::OnPrint);
    connect(cancelWorkoutButton, &QToolButton::clicked, this, &CNotifyDlg::OnCancelWorkout);
    connect(laterButton, &QToolButton::clicked, this, &CNotifyDlg::reject);
    connect(m_askBox, &QCheckBox::toggled, m_timePicker, &QWidget::setEnabled);
}

CNotifyDlg::~CNotifyDlg() = default;

void CNotifyDlg::SetReminderDay(const DateValue &day)
{
    m_day = day;
}

void CNotifyDlg::SetResultsMode(bool resultsMode)
{
    m_resultsMode = resultsMode;
}

int CNotifyDlg::GetAskTime(DateValue &askTime) const
{
    askTime = m_askTime;
    return m_askFlag;
}

void CNotifyDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        InitControls();
        // Opened from the notification area: come to the front of the other windows.
        QTimer::singleShot(0, this, [this] {
            raise();
            activateWindow();
        });
    }
    QDialog::showEvent(event);
}

void CNotifyDlg::InitControls()
{
    if (m_resultsMode) {
        m_message->setText(tr("Please fill in information about your workout results"));
        m_viewButton->setText(tr("Fill in"));
        m_askBox->setChecked(false);
        m_askBox->setEnabled(false);
        m_timePicker->setEnabled(false);
        m_timePicker->setTime(Clock::Now().time());
    } else {
        m_message->setText(tr("You have a workout today"));
        m_viewButton->setText(tr("View"));
        m_askBox->setEnabled(true);
        m_askBox->setChecked(true);
        m_timePicker->setEnabled(true);
        const QDateTime askAt = Clock::Now().addSecs(60 * 60);
        m_pickerDate = askAt.date();
        m_timePicker->setTime(askAt.time());
    }
    m_viewButton->setFocus(Qt::OtherFocusReason);
}

void CNotifyDlg::CloseWithOK()
{
    m_askFlag = m_askBox->isChecked() ? 1 : 0;
    if (m_askFlag)
        m_askTime = DateValue::FromQDateTime(QDateTime(m_pickerDate, m_timePicker->time()));
    accept();
}

bool CNotifyDlg::ReloadDatabase()
{
    const SharedDiaryFile::Outcome outcome = m_file.Refresh();
    if (outcome.ok && !outcome.diskDamaged)
        return true;
    MessageBox::Warning(this,
                        tr("The diary database could not be read or is damaged:"
                           "\n%1\nOpen the diary to check it.")
                            .arg(QDir::toNativeSeparators(m_file.Path())));
    return false;
}

TrainingDay *CNotifyDlg::FindReminderDay()
{
    return ReloadDatabase() ? m_database.FindDay(m_day) : nullptr;
}

void CNotifyDlg::OnView()
{
    if (!ReloadDatabase())
        return; // stays open: the diary can still be opened from here
    if (TrainingDay *day = m_database.FindDay(m_day))
        EditDay(*day);
    else
        MessageBox::Information(this, tr("There is no workout for today in the diary."));
    CloseWithOK();
}

void CNotifyDlg::EditDay(TrainingDay &day)
{
    // The day dialog edits the day in place; a cancelled edit is undone from this copy.
    TrainingDay before;
    before.CopyExactFrom(day);

    CDayDlg dialog(this);
    dialog.setWindowIcon(ResourceImages::AppIcon(ImageId::NotifierIcon));
    dialog.SetImageSet(m_settings.Read(SettingsKeys::Image) == 0);
    dialog.SetDay(&day);
    if (dialog.exec() == QDialog::Accepted) {
        if (!SaveDatabase())
            m_file.Open(m_file.Path()); // given up: memory follows the file again
    } else {
        day.CopyExactFrom(before);
        m_database.SetModified(false);
    }
}

bool CNotifyDlg::SaveDatabase()
{
    for (;;) {
        const SharedDiaryFile::Outcome outcome = m_file.Save();
        if (outcome.ok) {
            if (!outcome.conflictFile.isEmpty())
                MessageBox::Information(
                    this,
                    tr("The diary changed this day while you were editing it. "
                       "The diary's version was kept; your entries were saved "
                       "in:\n%1\nIn the diary, Edit > Conflicts shows them beside "
                       "its version and lets you take them instead.")
                        .arg(QDir::toNativeSeparators(outcome.conflictFile)));
            return true;
        }
        const QString text =
            tr("The workout could not be saved to the diary database.\n%1\nTry again?")
                .arg(outcome.error);
        if (MessageBox::Error(this, text, QMessageBox::Retry | QMessageBox::Cancel) !=
            QMessageBox::Retry)
            return false;
    }
}

void CNotifyDlg::OnMove()
{
    // Kept from the template and never shown: it only looks the day up again.
    FindReminderDay();
}

void CNotifyDlg::OnOpenDiary()
{
    // A diary that could not be started was reported; the reminder stays open.
    if (m_launchDiary(this))
        CloseWithOK();
}

void CNotifyDlg::OnPrint()
{
    if (!ReloadDatabase())
        return;
    const TrainingDay *day = m_database.FindDay(m_day);
    if (day == nullptr) {
        MessageBox::Information(this, tr("There is no workout for today to print."));
        return;
    }
    m_printer->Print({day});
}

void CNotifyDlg::OnCancelWorkout()
{
    CloseWithOK();
}
