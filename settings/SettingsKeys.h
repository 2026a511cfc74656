#pragma once

#include <QString>

#include <array>

// Every section, value name and default of the settings store, in one place. Code that reads or
// writes a setting names one of these instead of spelling the key or the default again.
namespace SettingsKeys {

struct IntSetting
{
    const char *section;
    const char *value;
    int defaultValue;
};

struct TextSetting
{
    const char *section;
    const char *value; // read with an empty default
};

struct BinarySetting
{
    const char *section;
    const char *value; // absent by default
};

// The company and application keys that both programs share.
inline constexpr char Organization[] = "Ironvale";
inline constexpr char Application[] = "Repbook";

// "User": the user's data and the start-up password.
inline constexpr TextSetting FirstName {"User", "First Name"};
inline constexpr TextSetting LastName {"User", "Last Name"};
inline constexpr TextSetting Password {"User", "Password"};
inline constexpr IntSetting Height {"User", "Height", 0};
inline constexpr IntSetting Weight {"User", "Weight", 0};
inline constexpr IntSetting Chest {"User", "Chest", 0};
inline constexpr IntSetting Biceps {"User", "Biceps", 0};
inline constexpr IntSetting Filled {"User", "Filled", 0};

// "Settings": options of both programs.
inline constexpr IntSetting Image {"Settings", "Image", 0}; // 0 shields, 1 flags
inline constexpr IntSetting Delay {"Settings", "Delay", 0}; // 1 = pause while applying
inline constexpr IntSetting ShowTrayIcon {"Settings", "ShowTrayIcon", 1};
// 0 follows the desktop, 1 light, 2 dark; both programs apply it.
inline constexpr IntSetting Appearance {"Settings", "Appearance", 0};
// The folder of the diary and the name lists chosen in Options; empty: the data folder's.
inline constexpr TextSetting DiaryFolder {"Settings", "DiaryFolder"};
// The unit weights are shown in: 0 kilograms, 1 pounds; absent (-1) follows the locale.
inline constexpr IntSetting WeightUnitChoice {"Settings", "WeightUnit", -1};
// The language of both programs and repbook-cli: empty follows the system, "en" or a
// translation's code ("de", "pt_BR"); read at start.
inline constexpr TextSetting Language {"Settings", "Language"};

// "Columns": widths of the calendar's weekday columns (Monday first) and of the exercise grid's
// columns (Status first); on reading only zero (hidden) or non-zero (shown) matters.
inline constexpr int DefaultColumnWidth = 10;
inline constexpr std::array<IntSetting, 7> WeekdayColumns {{
    {"Columns", "Monday", DefaultColumnWidth},
    {"Columns", "Tuesday", DefaultColumnWidth},
    {"Columns", "Wednesday", DefaultColumnWidth},
    {"Columns", "Thursday", DefaultColumnWidth},
    {"Columns", "Friday", DefaultColumnWidth},
    {"Columns", "Saturday", DefaultColumnWidth},
    {"Columns", "Sunday", DefaultColumnWidth},
}};
inline constexpr std::array<IntSetting, 8> ExerciseColumns {{
    {"Columns", "Status", DefaultColumnWidth},
    {"Columns", "Exercise", DefaultColumnWidth},
    {"Columns", "Sets", DefaultColumnWidth},
    {"Columns", "Reps", DefaultColumnWidth},
    {"Columns", "Forced", DefaultColumnWidth},
    {"Columns", "Negative", DefaultColumnWidth},
    {"Columns", "Weight", DefaultColumnWidth},
    {"Columns", "Note", DefaultColumnWidth},
}};

// Dialog ids whose sections hold a resizable window's size ("66", "67", "86").
inline constexpr int MainWindowId = 102;
inline constexpr int DayDialogId = 103;
inline constexpr int EditorDialogId = 134;

// The main window's section: the display range next to its size.
inline constexpr TextSetting RangeStartDate {"66", "Start Date"}; // "%d.%d.%d", empty = today
inline constexpr IntSetting RangeDays {"66", "Days", 56};
// The mini calendar's highlight query reads the same value with another default.
inline constexpr IntSetting RangeDaysHighlight {"66", "Days", 31};

// Size values of a resizable dialog, stored in the section DialogSection(id).
inline constexpr char WindowWidth[] = "CX";
inline constexpr char WindowHeight[] = "CY";
inline constexpr char WindowMaximized[] = "Maximized";
QString DialogSection(int dialogId); // the id in lower-case hexadecimal

// The notifier's records (16 bytes each, see NotifyTimeRecord) and its balloon interval.
inline constexpr BinarySetting NotifyDone {"Notify", "Done"};
inline constexpr BinarySetting TrainNotified {"Notify", "TrainNotified"};
inline constexpr BinarySetting DoneNotified {"Notify", "DoneNotified"};
inline constexpr IntSetting TipNotifyTime {"TipNotify", "Time", 1}; // -1 never, 0 at start, N min

} // namespace SettingsKeys
