#include "diary/RangeControls.h"

#include "diary/CDisplayDlg.h"
#include "diary/CalendarRange.h"
#include "diary/CalendarView.h"
#include "model/Clock.h"
#include "settings/SettingsStore.h"
#include "translations/AppLanguage.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CGridCtrl.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>

#include <utility>

namespace {

constexpr int KeepScroll = CalendarView::KeepScroll;
constexpr int ScrollToTop = CalendarView::ScrollToTop;

} // namespace

RangeControls::RangeControls(QComboBox *rangeBox, CFPSMiniCalendarCtrl *miniCalendar,
                             SettingsStore &settings, CalendarView &calendar, Actions actions)
    : m_rangeBox(rangeBox)
    , m_miniCalendar(miniCalendar)
    , m_settings(settings)
    , m_calendar(calendar)
    , m_actions(std::move(actions))
{
    m_rangeBox->addItems(CalendarRange::PresetTexts());
    m_rangeBox->setAccessibleName(tr("Range"));
    m_miniCalendar->setAccessibleName(tr("Calendar"));
    m_miniCalendar->SetSpecialDatesMeaning(tr("dates in the range"));
}

void RangeControls::Restore()
{
    // An unreadable stored range falls back to today and the default length instead of leaving
    // the calendar empty.
    DateValue start = CalendarRange::ParseStartDate(m_settings.Read(SettingsKeys::RangeStartDate));
    if (!start.IsValid())
        start = Clock::TodayValue();
    int days = m_settings.Read(SettingsKeys::RangeDays);
    if (!CalendarRange(start, days).IsValid())
        days = SettingsKeys::RangeDays.defaultValue;

    const QDate shown = start.ToQDate();
    m_miniCalendar->SetCurrentDate(shown);
    m_miniCalendar->SetSelectedDates(shown, shown);
    m_miniCalendar->SetMonthShown(shown.month(), shown.year());
    m_miniCalendar->SetSpecialDateCallback(
        [this](const QDate &date) { return IsSpecialDate(date); });

    m_rangeBox->setCurrentIndex(CalendarRange::PresetIndexForDays(days));
    m_actions.setRange(start, days, ScrollToTop);
    m_calendar.GoToToday();
}

void RangeControls::ShowRange(const CalendarRange &range)
{
    // The month calendar shows the month the range starts in, also when the range moves to a
    // date chosen elsewhere (an import, Find, the Progress window).
    const QDate shown = range.Start().ToQDate();
    m_miniCalendar->SetMonthShown(shown.month(), shown.year());
    // On Linux a combo box is read by its current entry; the description tells the range.
    const QLocale shownLocale = AppLanguage::Locale();
    const QString format = QStringLiteral("d MMMM yyyy");
    m_rangeBox->setAccessibleDescription(
        tr("Range of the calendar: %1 to %2")
            .arg(shownLocale.toString(range.Start().ToQDate(), format),
                 shownLocale.toString(range.End().ToQDate(), format)));
    // Each write goes to disk at once, so only what changed is written.
    const QString startText = CalendarRange::FormatStartDate(range.Start());
    if (m_settings.Read(SettingsKeys::RangeStartDate) != startText)
        m_settings.Write(SettingsKeys::RangeStartDate, startText);
    if (m_settings.Read(SettingsKeys::RangeDays) != range.Days())
        m_settings.Write(SettingsKeys::RangeDays, range.Days());
}

void RangeControls::ShowPresetOfRange()
{
    m_rangeBox->setCurrentIndex(CalendarRange::PresetIndexForDays(m_calendar.Range().Days()));
}

bool RangeControls::IsSpecialDate(const QDate &date) const
{
    // Nothing stored reads as an invalid start: no date is marked.
    const DateValue start =
        CalendarRange::ParseStartDate(m_settings.Read(SettingsKeys::RangeStartDate));
    const int days = m_settings.Read(SettingsKeys::RangeDaysHighlight);
    const DateValue value = DateValue::FromQDate(date);
    return start.IsValid() && value >= start && value <= start.AddDays(days);
}

void RangeControls::ChoosePreset(int presetIndex)
{
    if (m_actions.isApplying()) {
        ShowPresetOfRange();
        return;
    }
    if (presetIndex == CalendarRange::CustomPresetIndex) {
        OpenDialog();
        return;
    }
    m_actions.setRange(m_calendar.Range().Start(), CalendarRange::PresetDays(presetIndex),
                       KeepScroll);
}

void RangeControls::OpenDialog()
{
    m_rangeBox->setCurrentIndex(CalendarRange::CustomPresetIndex);
    CDisplayDlg dialog(m_rangeBox->window());
    dialog.SetStart(m_calendar.Range().Start());
    dialog.SetDays(m_calendar.Range().Days());
    if (dialog.exec() == QDialog::Accepted &&
        m_actions.setRange(dialog.GetStart(), dialog.GetDays(), KeepScroll))
        return;
    // Nothing changed: the box names the range shown again.
    ShowPresetOfRange();
}

void RangeControls::ChooseStartDate(const QDate &date)
{
    if (m_actions.isApplying())
        return;
    m_actions.setRange(DateValue::FromQDate(date), m_calendar.Range().Days(), KeepScroll);
}

void RangeControls::SelectionToRange()
{
    CGridCtrl *grid = m_calendar.Grid();
    const CCellRange selection = grid->GetSelectedCellRange();
    if (!selection.IsValid())
        return;
    const auto ends = CalendarNavigation::SelectedEnds(
        qMax(1, selection.minRow), qMax(1, selection.minCol), selection.maxRow, selection.maxCol,
        [grid](int row, int col) { return grid->IsCellSelected(row, col); });
    if (!ends)
        return;
    const std::optional<CalendarRange> range =
        CalendarRange::SelectionToRange(m_calendar.DateAt(ends->first.row, ends->first.col),
                                        m_calendar.DateAt(ends->second.row, ends->second.col));
    if (!range)
        return;
    m_actions.setRange(range->Start(), range->Days(), KeepScroll);
    m_calendar.GoToToday();
    m_rangeBox->setCurrentIndex(CalendarRange::CustomPresetIndex);
}
