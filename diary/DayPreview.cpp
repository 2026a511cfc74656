#include "diary/DayPreview.h"

#include "editing/CDayTabCtrl.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

DayPreview::DayPreview(QPlainTextEdit *notesPane, CDayTabCtrl *workoutArea)
    : m_notesPane(notesPane)
    , m_workoutArea(workoutArea)
{
    m_notesPane->setReadOnly(true);
    m_notesPane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab reaches the note too; being read-only, it passes Tab on by itself.
    m_notesPane->setAccessibleName(tr("Day note"));
    m_notesPane->setAccessibleDescription(tr("No note"));
    // The note is written in the bold variant of the window's font.
    QFont bold = m_notesPane->parentWidget()->font();
    bold.setWeight(QFont::Bold);
    m_notesPane->setFont(bold);

    // The day's workouts are shown, not edited, here; the menus of the grid stay.
    m_workoutArea->setAccessibleName(tr("Workout area"));
    m_workoutArea->GetGrid()->SetEditable(false);
    m_workoutArea->GetGrid()->setTabKeyNavigation(false);
    // The calendar above takes the height; the area keeps what the column beside it needs.
    m_workoutArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_workoutArea->setMinimumHeight(150);
}

void DayPreview::Show(TrainingDay *day, int hint, bool shields)
{
    m_day = day;
    m_hint = hint;
    // The tabs are rebuilt only when the day or the images change, so the page shown stays.
    if (m_workoutArea->GetDay() != m_day || m_shields != shields) {
        m_shields = shields;
        m_workoutArea->SetImageSet(shields);
        m_workoutArea->SetDay(m_day);
    }
    m_workoutArea->SetHint(m_hint);
}

void DayPreview::ShowNotesOf(const TrainingDay *day)
{
    const QString notes = day ? day->GetNotes() : QString();
    m_notesPane->setAccessibleDescription(notes.isEmpty() ? tr("No note") : notes);
    if (!day) {
        m_notesPane->clear();
        return;
    }
    m_notesPane->setPlainText(notes.isEmpty() ? NotesHint() : notes);
}

void DayPreview::ShowWorkoutsAgain()
{
    if (m_workoutArea->GetDay())
        m_workoutArea->RebuildTabs();
}

bool DayPreview::IsEditing() const
{
    return m_workoutArea->GetGrid()->IsEditing();
}

void DayPreview::CommitEdits()
{
    m_workoutArea->WriteBack();
}

QString DayPreview::NotesHint()
{
    return QCoreApplication::translate("DayPreview",
                                       "To add notes to selected day press \"Notes\" button.");
}
