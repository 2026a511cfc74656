#pragma once

// Helpers of the editing tests: workouts built in the diary notation and typing into grid cells
// as a user does.

#include "common/DiaryText.h"
#include "editing/IDayCellOwner.h"
#include "images/StatusImageSet.h"
#include "model/TrainingDay.h"
#include "model/TrainingProgram.h"
#include "widgets/CGridCtrl.h"

#include <QtTest>

#include <memory>

namespace dayfixtures {

using testsupport::BuildDay;
using testsupport::BuildDiary;
using testsupport::BuildWorkout;

// The main window's part for the program editor: the day cells' images (colours or flags) and
// font; program days have no dates.
class FakeOwner : public IDayCellOwner
{
public:
    explicit FakeOwner(bool colours = true)
        : images(colours, StatusImageSize::Large32)
    {
    }
    const StatusImageSet &DayCellImages() const override { return images; }
    QFont DayCellFont() const override { return QFont(); }
    DateValue DateAt(int, int) const override { return DateValue::MakeNull(); }
    bool IsInRange(int, int) const override { return false; }

    StatusImageSet images;
};

// A program of a day per entry: "-" is a day without workouts; otherwise "Workout:exercise count",
// or the workout's name alone for one exercise. The exercises are named after their workout and
// numbered from 1 ("A1", "A2"), each of 3 sets of 10.
inline std::unique_ptr<TrainingProgram> MakeProgram(const QStringList &days)
{
    auto program = std::make_unique<TrainingProgram>();
    for (const QString &wanted : days) {
        const QString name = wanted.section(u':', 0, 0);
        QStringList exercises;
        for (int i = 1; i <= (wanted.contains(u':') ? wanted.section(u':', 1).toInt() : 1); ++i)
            exercises.append(name + QString::number(i) + QStringLiteral(" 3x10"));
        program->AddDay(BuildDay(
            wanted == u"-"
                ? wanted
                : QStringLiteral("- %1[%2]").arg(name, exercises.join(QStringLiteral(", ")))));
    }
    return program;
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

// Moves the focus to a cell with the keyboard's help and opens its editor with F2: the editor, or
// nullptr when none opened.
inline QWidget *StartEditing(CGridCtrl &grid, int row, int col)
{
    grid.setFocus(Qt::OtherFocusReason);
    grid.SetFocusCell(row, col);
    QTest::keyClick(&grid, Qt::Key_F2);
    for (QWidget *child : grid.viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden())
            return child;
    }
    return nullptr;
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

} // namespace dayfixtures
