#pragma once

class CGridCtrl;
class MainMenu;
class QPoint;
class SettingsStore;

// The calendar grid's columns and rows: the weekday columns with their stored widths, the
// sharing of the grid's width among the shown weekdays, the week rows' heights, the headings
// (long or short weekday names) and the weekday column menu that shows and hides weekdays.
class CalendarColumns
{
public:
    CalendarColumns(CGridCtrl *grid, SettingsStore &settings, MainMenu &commands);

    // Puts the heading column and the seven weekday columns into the emptied grid.
    void AddColumns();
    // Gives the week rows 1..rows their height and decides whether the grid scrolls.
    void UpdateRowHeights(int rows);
    // Ticks the column menu's items of the shown weekdays.
    void UpdateMenuMarks();
    // Shares the grid's width among the shown weekday columns.
    void Fit();
    // The weekday column menu's choice (Monday 0 .. Sunday 6): shows or hides the weekday.
    void ChooseMenuItem(int weekdayIndex);
    // A right click on the heading row opens the weekday column menu.
    void OnRightClick(int row, int col, const QPoint &globalPos);
    // Stores the weekday columns' widths for the next start.
    void StoreWidths();

private:
    int ClientWidth() const;
    void UpdateHeadings();
    bool HasColumns() const;

    CGridCtrl *m_grid;
    SettingsStore &m_settings;
    MainMenu &m_commands;
};
