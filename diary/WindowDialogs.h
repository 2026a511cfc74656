#pragma once

#include <QString>

#include <functional>
#include <memory>

class CDayPrinter;
class CalendarView;
class DayPreview;
class SettingsStore;
class SharedDiaryFile;
class QWidget;

// The main window's dialogs: the focused day's note, the user data, the options (with the
// diary folder), the program editor, and printing the selected days. Each opens over the window
// and hands what changed back through Actions.
class WindowDialogs
{
public:
    struct Actions
    {
        // The calendar shows the diary again (the caption, images or note changed).
        std::function<void()> refresh;
        // The diary's days were replaced (another diary folder was chosen).
        std::function<void()> showDaysFromDisk;
        // Applies the program file just edited to the range.
        std::function<void(const QString &fileName)> applyProgram;
    };

    WindowDialogs(QWidget &window, SharedDiaryFile &file, SettingsStore &settings,
                  CalendarView &calendar, DayPreview &preview, Actions actions);
    ~WindowDialogs();

    void EditNotes();
    // Opens the user data dialog in first-run mode while the user has never confirmed it.
    void OfferUserData();
    void EditUserData(bool firstRun);
    void EditOptions();
    void OpenEditor();
    void PrintSelection(bool preview);
    // Whether applying a program pauses before each day (an option).
    bool ApplyDelay() const { return m_applyDelay; }

private:
    QWidget &m_window;
    SharedDiaryFile &m_file;
    SettingsStore &m_settings;
    CalendarView &m_calendar;
    DayPreview &m_preview;
    Actions m_actions;
    bool m_applyDelay = false;
    std::unique_ptr<CDayPrinter> m_printer; // keeps the chosen printer between prints
};
