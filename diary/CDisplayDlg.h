#pragma once

#include "model/DateValue.h"

#include <QDialog>

class CDayCountSpinBox;
class CFPSMiniCalendarCtrl;
class CPictureButton;
class QDate;

// "Display range": chooses the calendar's range by its start date, its end date or its number
// of days. The range shows the dates start .. start + days, so the end is start + days. The
// caller sets the start and the day count before running the dialog and reads them after OK.
class CDisplayDlg : public QDialog
{
    Q_OBJECT

public:
    // A range chosen in the calendars spans at least MinimumDays and fewer than MaximumDays
    // days; the spin buttons step within MinimumDays..MaximumDays.
    static constexpr int MinimumDays = 14;
    static constexpr int MaximumDays = 365;
    static constexpr int DefaultDays = 31;

    explicit CDisplayDlg(QWidget *parent = nullptr);

    // A start without a calendar date is replaced by today, so the calendars have a range to
    // show and every choice in them works.
    void SetStart(const DateValue &start);
    void SetDays(int days);
    DateValue GetStart() const { return m_start; }
    int GetDays() const { return m_days; }
    // The last date shown: start + days (kept when a typed count leads past the last date).
    DateValue GetEnd() const { return m_end; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OnStartChosen(const QDate &date);
    void OnEndChosen(const QDate &date);
    void OnDaysTextChanged(const QString &text);

    void ShowRange();
    void ShowDays();
    void ShowDate(CFPSMiniCalendarCtrl *calendar, const DateValue &date);
    void RedrawCalendars();
    bool IsHighlighted(const QDate &date) const;

    DateValue m_start;
    DateValue m_end;
    int m_days = DefaultDays;
    // Set while the dialog writes into its own controls, so that those writes are not taken as
    // the user's choice.
    bool m_updating = false;

    CFPSMiniCalendarCtrl *m_startCalendar;
    CFPSMiniCalendarCtrl *m_endCalendar;
    CDayCountSpinBox *m_daysField;
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
};
