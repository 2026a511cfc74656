#pragma once

#include <QCoreApplication>
#include <QDate>

#include <functional>

class CFPSMiniCalendarCtrl;
class CalendarRange;
class CalendarView;
class DateValue;
class QComboBox;
class SettingsStore;

// The controls that choose the calendar's display range: the range box with its presets and the
// range dialog behind "Custom", the mini calendar whose click sets the start date, and "selection
// to range". The range itself is set by the window (setRange), which rebuilds the calendar.
class RangeControls
{
    Q_DECLARE_TR_FUNCTIONS(RangeControls)

public:
    struct Actions
    {
        // Sets the range; false when it is not a valid one.
        std::function<bool(const DateValue &start, int days, int scroll)> setRange;
        // True while a program is laid onto the range: the range stays.
        std::function<bool()> isApplying;
    };

    RangeControls(QComboBox *rangeBox, CFPSMiniCalendarCtrl *miniCalendar, SettingsStore &settings,
                  CalendarView &calendar, Actions actions);

    // Sets the range stored at the last exit (or today's default) and selects today.
    void Restore();
    // Shows a range just set: the month it starts in, the box's description, and stores it.
    void ShowRange(const CalendarRange &range);

    // The range box's entry chosen by the user.
    void ChoosePreset(int presetIndex);
    // The range dialog.
    void OpenDialog();
    // A click on a date of the mini calendar.
    void ChooseStartDate(const QDate &date);
    // The selected days become the range.
    void SelectionToRange();
    // The mini calendar's highlight: dates of the range last stored.
    bool IsSpecialDate(const QDate &date) const;

private:
    void ShowPresetOfRange();

    QComboBox *m_rangeBox;
    CFPSMiniCalendarCtrl *m_miniCalendar;
    SettingsStore &m_settings;
    CalendarView &m_calendar;
    Actions m_actions;
};
