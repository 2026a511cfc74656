#include "diary/CalendarColumns.h"

#include "diary/CalendarRange.h"
#include "diary/CommandIds.h"
#include "diary/MainMenu.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"

#include <QAction>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QStyle>

namespace {

constexpr int Weekdays = CalendarRange::WeekdayCount;
// Width a weekday column is given when the column menu shows it; Fit then shares the grid among
// the shown columns, so only zero or not zero matters.
constexpr int ShownColumnWidth = SettingsKeys::DefaultColumnWidth;

} // namespace

CalendarColumns::CalendarColumns(CGridCtrl *grid, SettingsStore &settings, MainMenu &commands)
    : m_grid(grid)
    , m_settings(settings)
    , m_commands(commands)
{
}

bool CalendarColumns::HasColumns() const
{
    return m_grid->GetColumnCount() > Weekdays;
}

void CalendarColumns::AddColumns()
{
    m_grid->InsertColumn(QString(), Qt::AlignCenter);
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        const int col = m_grid->InsertColumn(CalendarRange::WeekdayName(weekday),
                                             Qt::AlignHCenter | Qt::AlignVCenter);
        m_grid->SetColumnWidth(col, m_settings.Read(SettingsKeys::WeekdayColumns[weekday]));
    }
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(1);
}

void CalendarColumns::UpdateRowHeights(int rows)
{
    // The week rows are as high as 0.8 of a column is wide. Whether the rows need a scroll bar
    // is decided here once, so the bar cannot come and go as the row heights follow the width.
    const int fullWidth = m_grid->width() - 2 * m_grid->frameWidth();
    const int available = m_grid->height() - 2 * m_grid->frameWidth() -
        m_grid->horizontalHeader()->sizeHint().height();
    int height = CalendarRange::WeekRowHeight(fullWidth);
    const bool needsScrollBar = rows * height > available;
    m_grid->setVerticalScrollBarPolicy(needsScrollBar ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    height = CalendarRange::WeekRowHeight(ClientWidth());
    for (int row = 1; row <= rows; ++row)
        m_grid->SetRowHeight(row, height);
}

int CalendarColumns::ClientWidth() const
{
    int width = m_grid->width() - 2 * m_grid->frameWidth();
    if (m_grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        width -= m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    return qMax(0, width);
}

void CalendarColumns::UpdateMenuMarks()
{
    for (int weekday = 0; weekday < Weekdays; ++weekday)
        m_commands.ColumnAction(weekday)->setChecked(m_grid->GetColumnWidth(weekday + 1) != 0);
}

void CalendarColumns::Fit()
{
    if (!HasColumns())
        return;
    m_grid->SetColumnWidth(0, 0);
    const int clientWidth = ClientWidth();
    int shown = 0;
    int lastShown = 1;
    for (int col = 1; col <= Weekdays; ++col) {
        if (m_grid->GetColumnWidth(col) > 0) {
            ++shown;
            lastShown = col;
        }
    }
    if (shown == 0) {
        m_grid->SetColumnWidth(1, clientWidth);
        m_commands.ColumnAction(0)->setChecked(true);
    } else {
        const int width = clientWidth / shown;
        for (int col = 1; col <= Weekdays; ++col) {
            if (m_grid->GetColumnWidth(col) > 0)
                m_grid->SetColumnWidth(col, width);
        }
        // The pixels the division leaves go to the last shown column, so no gap remains.
        m_grid->SetColumnWidth(lastShown, width + clientWidth % shown);
    }
    UpdateHeadings();
    m_grid->viewport()->update();
}

void CalendarColumns::UpdateHeadings()
{
    // When a weekday's name does not fit its column, every heading takes the short name.
    QFont headingFont = m_grid->horizontalHeader()->font();
    headingFont.setBold(true);
    const QFontMetrics metrics(headingFont);
    const int margins = 2 * m_grid->style()->pixelMetric(QStyle::PM_HeaderMargin);
    bool fit = true;
    for (int weekday = 0; weekday < Weekdays && fit; ++weekday) {
        const int width = m_grid->GetColumnWidth(weekday + 1);
        fit = width == 0 ||
            metrics.horizontalAdvance(CalendarRange::WeekdayName(weekday)) + margins <= width;
    }
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        m_grid->SetItemText(0, weekday + 1,
                            fit ? CalendarRange::WeekdayName(weekday)
                                : CalendarRange::WeekdayShortName(weekday));
    }
}

void CalendarColumns::OnRightClick(int row, int col, const QPoint &globalPos)
{
    if (!m_grid->IsCellFixed(row, col) || row != 0)
        return;
    const QAction *chosen = m_commands.ColumnMenu()->exec(globalPos);
    if (!chosen)
        return;
    ChooseMenuItem(chosen->data().toInt() - CommandId::ColumnMonday);
}

void CalendarColumns::ChooseMenuItem(int weekdayIndex)
{
    if (weekdayIndex < 0 || weekdayIndex >= Weekdays || !HasColumns())
        return;
    bool shown[Weekdays];
    int shownCount = 0;
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        shown[weekday] = m_grid->GetColumnWidth(weekday + 1) != 0;
        shownCount += shown[weekday] ? 1 : 0;
    }
    // The last shown weekday stays.
    if (!shown[weekdayIndex])
        shown[weekdayIndex] = true;
    else if (shownCount >= 2)
        shown[weekdayIndex] = false;

    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        const int width = shown[weekday] ? ShownColumnWidth : 0;
        m_grid->SetColumnWidth(weekday + 1, width);
        m_settings.Write(SettingsKeys::WeekdayColumns[weekday], width);
        m_commands.ColumnAction(weekday)->setChecked(shown[weekday]);
    }
    Fit();
}

void CalendarColumns::StoreWidths()
{
    if (!HasColumns())
        return;
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        m_settings.Write(SettingsKeys::WeekdayColumns[weekday],
                         m_grid->GetColumnWidth(weekday + 1));
    }
}
