#pragma once

// Helpers of the tests of the workout tab control and the day dialog: days built from short
// descriptions, typing into grid cells as a user does, and answering modal dialogs that a
// command opens.

#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace dayfixtures {

struct ExerciseSpec
{
    QString name;
    ProgressStatus status = ProgressStatus::NotYet;
    int sets = 3;
    int reps = 10;
    float weight = 0.0f;
};

inline std::unique_ptr<Workout> MakeWorkout(const QString &name,
                                            const QList<ExerciseSpec> &exercises = {},
                                            ProgressStatus status = ProgressStatus::NotYet)
{
    auto workout = std::make_unique<Workout>();
    workout->SetName(name);
    for (const ExerciseSpec &wanted : exercises) {
        auto exercise = std::make_unique<ExerciseEntry>();
        exercise->SetName(wanted.name);
        exercise->SetSets(wanted.sets);
        exercise->SetReps(wanted.reps);
        exercise->SetWeight(wanted.weight);
        exercise->SetStatus(wanted.status);
        workout->AddExercise(std::move(exercise));
    }
    workout->SetStatus(status, false);
    return workout;
}

// Exercises named "<prefix>1", "<prefix>2", ...
inline QList<ExerciseSpec> Named(const QString &prefix, int count)
{
    QList<ExerciseSpec> specs;
    for (int i = 1; i <= count; ++i)
        specs.append({prefix + QString::number(i)});
    return specs;
}

inline QStringList ExerciseNames(const Workout &workout)
{
    QStringList names;
    for (int i = 0; i < workout.GetExerciseCount(); ++i)
        names.append(workout.GetExercise(i)->GetName());
    return names;
}

inline QStringList WorkoutNames(const TrainingDay &day)
{
    QStringList names;
    for (int i = 0; i < day.GetWorkoutCount(); ++i)
        names.append(day.GetWorkout(i)->GetName());
    return names;
}

// The grid's selected rows (grid rows: 0 = the heading row, 1 = the first exercise).
inline QList<int> SelectedRows(const CGridCtrl &grid)
{
    QList<int> rows;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        if (grid.IsCellSelected(row, 1))
            rows.append(row);
    }
    return rows;
}

// The open in-place editor of the grid, or nullptr.
inline QWidget *OpenEditor(const CGridCtrl &grid)
{
    const QList<QWidget *> children =
        grid.viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (!child->isHidden())
            return child;
    }
    return nullptr;
}

// Moves the focus to a cell with the keyboard's help and opens its editor with F2.
inline QWidget *StartEditing(CGridCtrl &grid, int row, int col)
{
    grid.setFocus(Qt::OtherFocusReason);
    grid.SetFocusCell(row, col);
    QTest::keyClick(&grid, Qt::Key_F2);
    return OpenEditor(grid);
}

// Types `text` over the cell's value and commits it with Enter.
inline bool TypeIntoCell(CGridCtrl &grid, int row, int col, const QString &text)
{
    QWidget *editor = StartEditing(grid, row, col);
    if (editor == nullptr)
        return false;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    return QTest::qWaitFor([&grid] { return !grid.IsEditing(); }, 2000);
}

// Answers the modal dialogs that open while a test runs: each opened dialog gets the next queued
// action. A dialog that finds no action is recorded as unexpected and rejected, so a test never
// hangs on it.
class ModalDriver : public QObject
{
public:
    using Action = std::function<void(QWidget *dialog)>;

    explicit ModalDriver(QWidget *owner)
        : m_owner(owner)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::Poll);
        m_timer.start();
    }

    void Then(Action action) { m_actions.append(std::move(action)); }
    QStringList Titles() const { return m_titles; }
    QStringList Unexpected() const { return m_unexpected; }
    int Pending() const { return static_cast<int>(m_actions.size()); }

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_owner || modal == m_handled)
            return;
        m_handled = modal;
        m_titles.append(modal->windowTitle());
        if (m_actions.isEmpty()) {
            m_unexpected.append(modal->windowTitle());
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        const Action action = m_actions.takeFirst();
        action(modal);
    }

    QWidget *m_owner;
    QPointer<QWidget> m_handled;
    QTimer m_timer;
    QList<Action> m_actions;
    QStringList m_titles;
    QStringList m_unexpected;
};

// Actions for the name dialogs: type a name and press OK, or cancel.
inline ModalDriver::Action TypeNameAndOk(const QString &name)
{
    return [name](QWidget *dialog) {
        auto *field = dialog->findChild<QComboBox *>(QStringLiteral("nameField"));
        QVERIFY(field && field->lineEdit());
        field->lineEdit()->clear();
        QTest::keyClicks(field->lineEdit(), name);
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("okButton")),
                          Qt::LeftButton);
    };
}

inline ModalDriver::Action Cancel()
{
    return [](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
    };
}

// Clicks the entry of the popup menu that opens next, once it is open.
inline void ChooseFromNextPopup(QObject *context, const QString &text)
{
    QTimer::singleShot(0, context, [text] {
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
        QFAIL(qPrintable(QStringLiteral("no menu entry ") + text));
    });
}

} // namespace dayfixtures
