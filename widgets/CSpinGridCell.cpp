#include "widgets/CSpinGridCell.h"

#include "widgets/CGridCtrl.h"
#include "widgets/CGridSpinEditor.h"

#include <cmath>

CSpinGridCell::CSpinGridCell(double minimum, double maximum, int decimals, double step)
    : CSpinGridCell(Range {minimum, maximum, decimals, step})
{
}

CSpinGridCell::CSpinGridCell(const Range &range)
    : m_range(range)
{
    if (m_range.maximum < m_range.minimum)
        std::swap(m_range.minimum, m_range.maximum);
    m_range.decimals = qBound(0, m_range.decimals, 6);
    if (!(m_range.step > 0))
        m_range.step = 1;
}

CSpinGridCell::Range CSpinGridCell::RangeFor(const CGridCellContext &c) const
{
    if (c.grid == nullptr)
        return m_range;
    const QVariantList own =
        c.grid->GetItemProperty(c.row, c.col, CGridCtrl::SpinRangeRole).toList();
    if (own.size() != 4)
        return m_range;
    return Range {own.at(0).toDouble(), own.at(1).toDouble(), own.at(2).toInt(),
                  own.at(3).toDouble()};
}

void CSpinGridCell::SetCellRange(CGridCtrl &grid, int row, int col, const Range &range)
{
    const CSpinGridCell checked(range);
    const Range r = checked.DefaultRange();
    grid.SetItemProperty(row, col, CGridCtrl::SpinRangeRole,
                         QVariantList {r.minimum, r.maximum, r.decimals, r.step});
}

QString CSpinGridCell::FormatValue(double value, const Range &range)
{
    if (range.decimals == 0)
        return QString::number(static_cast<long long>(std::llround(value)));
    return QString::number(value, 'f', range.decimals);
}

QWidget *CSpinGridCell::CreateEditor(QWidget *parent, const CGridCellContext &c) const
{
    const Range range = RangeFor(c);
    QAbstractSpinBox *editor = nullptr;
    if (range.decimals == 0) {
        auto *spin = new CGridSpinEditor<QSpinBox>(parent);
        spin->setRange(static_cast<int>(std::ceil(range.minimum)),
                       static_cast<int>(std::floor(range.maximum)));
        spin->setSingleStep(qMax(1, static_cast<int>(std::lround(range.step))));
        editor = spin;
    } else {
        auto *spin = new CGridSpinEditor<QDoubleSpinBox>(parent);
        spin->setDecimals(range.decimals);
        spin->setRange(range.minimum, range.maximum);
        spin->setSingleStep(range.step);
        editor = spin;
    }
    editor->setFont(c.font);
    editor->setAlignment((c.format & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    return editor;
}

void CSpinGridCell::SetEditorText(QWidget *editor, const CGridCellContext &c) const
{
    if (auto *spin = dynamic_cast<CGridSpinEditorBase *>(editor))
        spin->SetCellText(c.text);
    else
        CGridCell::SetEditorText(editor, c);
}

QString CSpinGridCell::EditorText(const QWidget *editor) const
{
    if (const auto *spin = dynamic_cast<const CGridSpinEditorBase *>(editor))
        return spin->CellText();
    return CGridCell::EditorText(editor);
}
