#pragma once

#include "model/DateValue.h"

#include <QDialog>

#include <array>

class CPictureButton;
class QCheckBox;

// "Apply program": the weekdays a training program is laid onto. Every new dialog starts with
// Monday, Wednesday and Friday ticked; the choice is not remembered.
class CApplyProgramDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DialogId = 137;
    static constexpr int WeekdayCount = 7;

    explicit CApplyProgramDlg(QWidget *parent = nullptr);

    // Whether the box of the date's weekday is ticked; false for a date without calendar fields.
    bool IsDayChosen(const DateValue &date) const;
    // Monday 0 .. Sunday 6.
    bool IsWeekdayChosen(int weekdayIndex) const;
    QCheckBox *WeekdayBox(int weekdayIndex) const;

    static QString WeekdayName(int weekdayIndex);

private:
    std::array<QCheckBox *, WeekdayCount> m_boxes {};
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
};
