#pragma once

#include "widgets/CGridCell.h"

class CGridCtrl;

// A cell edited in place with a spin box: whole numbers, or decimals when the range has decimal
// places. The range is the cell class's own unless a cell is given one of its own. Text that is
// not a number is passed through to the cell as typed.
class CSpinGridCell : public CGridCell
{
public:
    struct Range
    {
        double minimum = 0;
        double maximum = 100;
        int decimals = 0; // 0: whole numbers in a QSpinBox
        double step = 1;
    };

    explicit CSpinGridCell(double minimum = 0, double maximum = 100, int decimals = 0,
                           double step = 1);
    explicit CSpinGridCell(const Range &range);

    Range DefaultRange() const { return m_range; }
    Range RangeFor(const CGridCellContext &c) const;

    // A range for one cell that overrides the class's own.
    static void SetCellRange(CGridCtrl &grid, int row, int col, const Range &range);

    // The value in the cell's format: "%d", or with the range's decimal places.
    static QString FormatValue(double value, const Range &range);

    QWidget *CreateEditor(QWidget *parent, const CGridCellContext &c) const override;
    void SetEditorText(QWidget *editor, const CGridCellContext &c) const override;
    QString EditorText(const QWidget *editor) const override;

private:
    Range m_range;
};
