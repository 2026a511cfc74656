#include "diary/DiaryHistory.h"

#include "model/NumberText.h"
#include "translations/AppLanguage.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QScopedValueRollback>
#include <QUndoStack>
#include <QWidget>

namespace {

QString DateText(const DateValue &date)
{
    return AppLanguage::Locale().toString(date.ToQDate(), QStringLiteral("d MMMM"));
}

// Delivers a context menu event inside a recording, so that what the menu does is one step.
class ContextMenuRecorder : public QObject
{
public:
    ContextMenuRecorder(DiaryHistory &history, std::function<QString()> name,
                        std::function<QList<DateValue>()> dates)
        : QObject(&history)
        , m_history(history)
        , m_name(std::move(name))
        , m_dates(std::move(dates))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu || m_delivering)
            return false;
        m_history.Record(m_name, m_dates(), [&] {
            const QScopedValueRollback delivering(m_delivering, true);
            QCoreApplication::sendEvent(watched, event);
        });
        return true;
    }

private:
    DiaryHistory &m_history;
    std::function<QString()> m_name;
    std::function<QList<DateValue>()> m_dates;
    bool m_delivering = false;
};

} // namespace

DiaryHistory::DiaryHistory(DiaryDatabase &database, QWidget *owner, Hooks hooks)
    : QObject(owner)
    , m_database(database)
    , m_owner(owner)
    , m_hooks(std::move(hooks))
    , m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(StepLimit);
}

DiaryHistory::~DiaryHistory() = default;

QString DiaryHistory::DatesText(const QList<DateValue> &dates)
{
    if (dates.size() == 1)
        return DateText(dates.first());
    return CountText(dates.size(), QT_TRANSLATE_N_NOOP("CountText", "%n day(s)"),
                     QStringLiteral("day"));
}

void DiaryHistory::Record(const QString &name, const QList<DateValue> &dates,
                          const std::function<void()> &change)
{
    Record([name] { return name; }, dates, change);
}

void DiaryHistory::Record(const std::function<QString()> &name, const QList<DateValue> &dates,
                          const std::function<void()> &change)
{
    if (m_recording) {
        change();
        return;
    }
    m_recording = true;
    DaysSnapshot before = DaysSnapshot::Take(m_database, dates);
    change();
    m_recording = false;
    DaysSnapshot after = DaysSnapshot::Take(m_database, dates);
    if (!after.HoldsSameDaysAs(before))
        Push(name(), std::move(before), std::move(after));
}

void DiaryHistory::RecordAny(const QString &name, const std::function<void()> &change)
{
    if (m_recording) {
        change();
        return;
    }
    m_recording = true;
    const DaysSnapshot before = DaysSnapshot::TakeAll(m_database);
    change();
    m_recording = false;
    const DaysSnapshot after = DaysSnapshot::TakeAll(m_database);
    const QList<DateValue> changed = DaysSnapshot::ChangedDates(before, after);
    if (!changed.isEmpty())
        Push(name, before.Only(changed), after.Only(changed));
}

void DiaryHistory::Push(const QString &name, DaysSnapshot before, DaysSnapshot after)
{
    m_stack->push(
        new DaysChangeCommand(name, m_database, std::move(before), std::move(after), m_hooks.days));
    emit Changed();
}

void DiaryHistory::RecordContextMenus(const QList<QWidget *> &widgets,
                                      const std::function<QString()> &name,
                                      const std::function<QList<DateValue>()> &dates)
{
    auto *recorder = new ContextMenuRecorder(*this, name, dates);
    for (QWidget *widget : widgets)
        widget->installEventFilter(recorder);
}

bool DiaryHistory::Undo()
{
    return Step(true);
}

bool DiaryHistory::Redo()
{
    return Step(false);
}

bool DiaryHistory::Step(bool undo)
{
    if (IsBusy())
        return false;
    const int index = undo ? m_stack->index() - 1 : m_stack->index();
    const auto *step = dynamic_cast<const DaysChangeCommand *>(m_stack->command(index));
    if (!step)
        return false;
    const DaysSnapshot &expected = undo ? step->After() : step->Before();
    const DaysSnapshot now = DaysSnapshot::Take(m_database, expected.Dates());
    if (!now.HoldsSameDaysAs(expected)) {
        const QList<DateValue> dates = DaysSnapshot::ChangedDates(expected, now);
        MessageBox::Warning(
            m_owner,
            tr("\"%1 %2\" is not possible: another program (the notifier or the "
               "command-line tool) has changed %3 since. Doing it would throw that "
               "change away.")
                .arg(undo ? tr("Undo") : tr("Redo"), step->text(), DatesText(dates)));
        return false;
    }
    if (undo)
        m_stack->undo();
    else
        m_stack->redo();
    emit Changed();
    return true;
}

void DiaryHistory::BindActions(QAction *undo, QAction *redo)
{
    const QString undoKeys = undo->text().section(QLatin1Char('\t'), 1);
    const QString redoKeys = redo->text().section(QLatin1Char('\t'), 1);
    const auto label = [](const QString &verb, const QString &step, const QString &keys) {
        const QString text = step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
        return keys.isEmpty() ? text : text + QLatin1Char('\t') + keys;
    };
    const auto update = [=, this] {
        undo->setText(label(tr("&Undo"), m_stack->undoText(), undoKeys));
        redo->setText(label(tr("&Redo"), m_stack->redoText(), redoKeys));
        undo->setEnabled(m_stack->canUndo());
        redo->setEnabled(m_stack->canRedo());
    };
    connect(m_stack, &QUndoStack::indexChanged, this, update);
    connect(m_stack, &QUndoStack::cleanChanged, this, update);
    update();
}
