#include "diary/CDisplayDlg.h"

#include "images/ImageIds.h"
#include "model/Clock.h"
#include "widgets/CDayCountSpinBox.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CPictureButton.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

bool IsChoosableSpan(qint64 days)
{
    return days >= CDisplayDlg::MinimumDays && days < CDisplayDlg::MaximumDays;
}

} // namespace

CDisplayDlg::CDisplayDlg(QWidget *parent)
    : QDialog(parent)
    , m_start(Clock::TodayValue())
    , m_startCalendar(new CFPSMiniCalendarCtrl(this))
    , m_endCalendar(new CFPSMiniCalendarCtrl(this))
    , m_daysField(new CDayCountSpinBox(this))
    , m_okButton(new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::SmallButtonCancel, tr("Cancel"), this))
{
    setWindowTitle(tr("Display range"));
    setObjectName(QStringLiteral("CDisplayDlg"));
    m_startCalendar->setObjectName(QStringLiteral("startCalendar"));
    m_endCalendar->setObjectName(QStringLiteral("endCalendar"));
    m_daysField->setObjectName(QStringLiteral("daysField"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_daysField->SetStepRange(MinimumDays, MaximumDays);
    // The calendars share whatever room the user gives the dialog.
    for (CFPSMiniCalendarCtrl *calendar : {m_startCalendar, m_endCalendar})
        calendar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto *startLabel = new QLabel(tr("Start date:"), this);
    auto *endLabel = new QLabel(tr("End date:"), this);
    auto *daysLabel = new QLabel(tr("Total days:"), this);
    startLabel->setBuddy(m_startCalendar);
    endLabel->setBuddy(m_endCalendar);
    daysLabel->setBuddy(m_daysField);
    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto *calendars = new QGridLayout;
    calendars->addWidget(startLabel, 0, 0);
    calendars->addWidget(endLabel, 0, 1);
    calendars->addWidget(m_startCalendar, 1, 0);
    calendars->addWidget(m_endCalendar, 1, 1);

    auto *days = new QHBoxLayout;
    days->addWidget(daysLabel);
    days->addWidget(m_daysField);
    days->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(calendars);
    layout->addWidget(separator);
    layout->addLayout(days);
    layout->addLayout(buttons);

    const auto highlight = [this](const QDate &date) { return IsHighlighted(date); };
    m_startCalendar->SetSpecialDateCallback(highlight);
    m_endCalendar->SetSpecialDateCallback(highlight);

    // A date picked by mouse or keyboard is the user's choice; the dialog's own writes are not.
    connect(m_startCalendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_updating)
            OnStartChosen(m_startCalendar->selectedDate());
    });
    connect(m_endCalendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_updating)
            OnEndChosen(m_endCalendar->selectedDate());
    });
    // A click also reaches the calendar's own record of the clicked date after the selection
    // change was handled, so a refused click is put right once more.
    connect(m_startCalendar, &CFPSMiniCalendarCtrl::dateClicked, this, &CDisplayDlg::OnStartChosen);
    connect(m_endCalendar, &CFPSMiniCalendarCtrl::dateClicked, this, &CDisplayDlg::OnEndChosen);
    connect(m_daysField, &CDayCountSpinBox::textChanged, this, &CDisplayDlg::OnDaysTextChanged);
    connect(m_okButton, &CPictureButton::clicked, this, &CDisplayDlg::accept);
    connect(m_cancelButton, &CPictureButton::clicked, this, &CDisplayDlg::reject);

    ShowRange();
    setMinimumSize(minimumSizeHint());
    m_daysField->setFocus();
}

void CDisplayDlg::SetStart(const DateValue &start)
{
    m_start = start.IsValid() ? start : Clock::TodayValue();
    ShowRange();
}

void CDisplayDlg::SetDays(int days)
{
    m_days = days;
    ShowRange();
}

void CDisplayDlg::keyPressEvent(QKeyEvent *event)
{
    // No button is a default button: Enter presses the focused button, or OK anywhere else.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()))
            button->click();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDisplayDlg::OnStartChosen(const QDate &date)
{
    const DateValue chosen = DateValue::FromQDate(date);
    const qint64 span = chosen.DaysTo(m_end);
    if (chosen.IsValid() && m_end.IsValid() && IsChoosableSpan(span)) {
        m_start = chosen;
        m_days = int(span);
        ShowDays();
    }
    ShowDate(m_startCalendar, m_start); // a refused choice snaps back
    RedrawCalendars();
}

void CDisplayDlg::OnEndChosen(const QDate &date)
{
    const DateValue chosen = DateValue::FromQDate(date);
    const qint64 span = m_start.DaysTo(chosen);
    if (chosen.IsValid() && IsChoosableSpan(span)) {
        m_end = chosen;
        m_days = int(span);
        ShowDays();
    }
    ShowDate(m_endCalendar, m_end);
    RedrawCalendars();
}

void CDisplayDlg::OnDaysTextChanged(const QString &text)
{
    if (m_updating)
        return;
    // Typed counts are taken as they are; only the end calendar needs a real date to show.
    m_days = text.toInt();
    const DateValue end = m_start + m_days;
    if (end.IsValid()) {
        m_end = end;
        ShowDate(m_endCalendar, m_end);
    }
    RedrawCalendars();
}

void CDisplayDlg::ShowRange()
{
    m_end = m_start + m_days;
    ShowDate(m_startCalendar, m_start);
    if (m_end.IsValid())
        ShowDate(m_endCalendar, m_end);
    ShowDays();
    RedrawCalendars();
}

void CDisplayDlg::ShowDays()
{
    const QScopedValueRollback<bool> updating(m_updating, true);
    m_daysField->SetText(QString::number(m_days));
}

void CDisplayDlg::ShowDate(CFPSMiniCalendarCtrl *calendar, const DateValue &date)
{
    const QScopedValueRollback<bool> updating(m_updating, true);
    const QDate shown = date.ToQDate();
    calendar->SetCurrentDate(shown);
    calendar->SetSelectedDates(shown, shown);
}

void CDisplayDlg::RedrawCalendars()
{
    m_startCalendar->Redraw();
    m_endCalendar->Redraw();
}

bool CDisplayDlg::IsHighlighted(const QDate &date) const
{
    const QDate first = m_startCalendar->selectedDate();
    const QDate last = m_endCalendar->selectedDate();
    return first.isValid() && last.isValid() && first <= date && date <= last;
}
