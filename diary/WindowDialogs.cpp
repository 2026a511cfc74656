#include "diary/WindowDialogs.h"

#include "diary/COptionsSheet.h"
#include "diary/CUserDataDlg.h"
#include "diary/CalendarView.h"
#include "diary/DayPreview.h"
#include "diary/DiaryFolderFlow.h"
#include "editing/CCommentDlg.h"
#include "editing/CDayPrinter.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "model/TrainingDay.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>

#include <utility>

WindowDialogs::WindowDialogs(QWidget &window, SharedDiaryFile &file, SettingsStore &settings,
                             CalendarView &calendar, DayPreview &preview, Actions actions)
    : m_window(window)
    , m_file(file)
    , m_settings(settings)
    , m_calendar(calendar)
    , m_preview(preview)
    , m_actions(std::move(actions))
    , m_applyDelay(settings.Read(SettingsKeys::Delay) != 0)
{
}

WindowDialogs::~WindowDialogs() = default;

void WindowDialogs::EditNotes()
{
    const CalendarCell focus = m_calendar.FocusCell();
    TrainingDay *day = m_calendar.DayAt(focus.row, focus.col);
    if (!day) {
        MessageBox::Information(
            &m_window,
            QCoreApplication::translate("WindowDialogs", "To add notes select day first."));
        return;
    }
    CCommentDlg dialog(&m_window);
    dialog.SetText(day->GetNotes());
    if (dialog.exec() != QDialog::Accepted)
        return;
    day->SetNotes(dialog.GetText());
    m_preview.ShowNotesOf(day);
}

void WindowDialogs::OfferUserData()
{
    if (m_settings.Read(SettingsKeys::Filled) == 0)
        EditUserData(true);
}

void WindowDialogs::EditUserData(bool firstRun)
{
    if (CUserDataDlg::Edit(&m_window, m_settings, firstRun))
        m_actions.refresh();
}

void WindowDialogs::EditOptions()
{
    bool useShields = m_calendar.UsesShields();
    const auto chooseFolder = [this] {
        if (DiaryFolderFlow::Choose(&m_window, m_file, m_settings))
            m_actions.showDaysFromDisk();
    };
    if (!COptionsSheet::Edit(&m_window, m_settings, useShields, m_applyDelay, chooseFolder))
        return;
    m_calendar.SetImageSet(useShields);
    m_preview.WorkoutArea()->FollowWeightUnit();
    m_actions.refresh();
    m_calendar.Grid()->viewport()->update();
}

void WindowDialogs::OpenEditor()
{
    CEditorDlg editor(&m_window, &m_calendar);
    editor.exec();
    const QString fileName = editor.GetFileName();
    if (fileName.isEmpty())
        return;
    if (MessageBox::Question(
            &m_window,
            QCoreApplication::translate(
                "WindowDialogs",
                "Do you want to apply the last edited program to selected range?")) ==
        QMessageBox::Yes)
        m_actions.applyProgram(fileName);
}

void WindowDialogs::PrintSelection(bool preview)
{
    if (!m_printer)
        m_printer = std::make_unique<CDayPrinter>(&m_window);
    const QList<const TrainingDay *> days = m_calendar.SelectedDays();
    if (preview)
        m_printer->Preview(days);
    else
        m_printer->Print(days);
}
