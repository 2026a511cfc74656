#include "editing/ExerciseColumnLayout.h"

#include "editing/CGridImageCell.h"
#include "editing/DayDlgIds.h"
#include "model/ExerciseColumns.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CSpinGridCell.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>

#include <memory>

namespace {

namespace Col = ExerciseColumns;

// Cell types of the grid: one cell class per column that needs its own.
constexpr int CellTypeBase = 100;

// The width a column gets while its menu entry is ticked, before it is sized to its contents.
constexpr int ShownColumnWidth = SettingsKeys::DefaultColumnWidth;

} // namespace

ExerciseColumnLayout::ExerciseColumnLayout(CGridCtrl *grid, QWidget *menuParent)
    : m_grid(grid)
    , m_menu(new QMenu(menuParent))
{
    m_menu->setObjectName(QStringLiteral("columnMenu"));
    for (int col = 0; col < Col::Count; ++col) {
        QAction *action = m_menu->addAction(
            QCoreApplication::translate("ExerciseColumns", Col::Info(col).menuText));
        action->setCheckable(true);
        action->setChecked(true);
        action->setData(DayDlgIds::FirstColumnCommand + col);
        m_actions[static_cast<size_t>(col)] = action;
    }
}

int ExerciseColumnLayout::CellTypeOf(int column)
{
    return Col::Info(column).kind == Col::CellKind::Text ? 0 : CellTypeBase + column;
}

void ExerciseColumnLayout::RegisterCellClasses(const QFont &font, const QFont &bold,
                                               WeightUnit unit)
{
    for (int col = 0; col < Col::Count; ++col) {
        const Col::ColumnInfo info = Col::Info(col, unit);
        if (info.kind == Col::CellKind::Image) {
            m_grid->RegisterCellClass(CellTypeOf(col), std::make_shared<CGridImageCell>());
        } else if (info.kind == Col::CellKind::Spin) {
            auto cell = std::make_shared<CSpinGridCell>(info.minimum, info.maximum, info.decimals,
                                                        info.step);
            // The column keeps room for the spin box with its arrows.
            CGridCellContext context;
            context.font = info.bold ? bold : font;
            context.format = info.alignment;
            const std::unique_ptr<QWidget> probe(cell->CreateEditor(nullptr, context));
            if (probe)
                m_minimumWidths[static_cast<size_t>(col)] = probe->sizeHint().width();
            m_grid->RegisterCellClass(CellTypeOf(col), std::move(cell));
        }
    }
}

bool ExerciseColumnLayout::HasColumns() const
{
    return m_grid->GetColumnCount() == Col::Count;
}

void ExerciseColumnLayout::ReadTicks()
{
    const SettingsStore store;
    for (int col = 0; col < Col::Count; ++col) {
        const int width = store.Read(SettingsKeys::ExerciseColumns[static_cast<size_t>(col)]);
        if (col < m_grid->GetColumnCount())
            m_grid->SetColumnWidth(col, width);
        m_actions[static_cast<size_t>(col)]->setChecked(width != 0);
    }
}

void ExerciseColumnLayout::StoreWidths()
{
    SettingsStore store;
    for (int col = 0; col < Col::Count; ++col) {
        const auto &key = SettingsKeys::ExerciseColumns[static_cast<size_t>(col)];
        const int width = m_grid->GetColumnWidth(col);
        // Only changed values are written: every write goes to disk at once.
        if (store.Read(key) != width)
            store.Write(key, width);
    }
}

int ExerciseColumnLayout::LayoutWidth() const
{
    // The width the columns can fill once the rows are in: the grid's inside less the vertical
    // scroll bar when the rows will need one (the grid places its scroll bars later).
    const int frame = m_grid->frameWidth();
    int width = m_grid->width() - 2 * frame;
    int rowsHeight = 0;
    for (int row = 1; row < m_grid->GetRowCount(); ++row)
        rowsHeight += m_grid->GetRowHeight(row);
    const int available = m_grid->height() - 2 * frame - m_grid->GetRowHeight(0);
    if (m_grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && rowsHeight > available)
        width -= m_grid->verticalScrollBar()->sizeHint().width();
    return qMax(0, width);
}

void ExerciseColumnLayout::Layout()
{
    if (!HasColumns())
        return;
    bool anyDataColumn = false;
    for (int col = Col::Exercise; col < Col::Count; ++col)
        anyDataColumn = anyDataColumn || m_actions[static_cast<size_t>(col)]->isChecked();
    // Without a column to read the exercises by, the names are shown.
    if (!anyDataColumn)
        m_actions[Col::Exercise]->setChecked(true);

    int dataColumns = 0;
    int last = -1;
    for (int col = 0; col < Col::Count; ++col) {
        const bool shown = m_actions[static_cast<size_t>(col)]->isChecked();
        m_grid->SetColumnWidth(col, shown ? ShownColumnWidth : 0);
        if (shown) {
            dataColumns += col == Col::Status ? 0 : 1;
            last = col;
        }
    }

    m_grid->AutoSizeRows();
    m_grid->AutoSizeColumns();
    int total = 0;
    for (int col = 0; col < Col::Count; ++col) {
        const int width = m_grid->GetColumnWidth(col);
        if (width == 0)
            continue;
        const int wanted = qMax(width, m_minimumWidths[static_cast<size_t>(col)]);
        m_grid->SetColumnWidth(col, wanted);
        total += wanted;
    }
    // With the notes shown, or a single column to read, the columns fill the width.
    const int width = LayoutWidth();
    const bool fill = m_actions[Col::Note]->isChecked() || dataColumns == 1;
    if (fill && last >= 0 && total < width)
        m_grid->SetColumnWidth(last, m_grid->GetColumnWidth(last) + width - total);
    m_grid->viewport()->update();
    m_grid->horizontalHeader()->viewport()->update();
}

void ExerciseColumnLayout::Toggle(int column)
{
    if (column < 0 || column >= Col::Count)
        return;
    QAction *action = m_actions[static_cast<size_t>(column)];
    if (action->isChecked()) {
        // A column is hidden only while at least two columns after the status column are in
        // view, so the grid never loses its last readable column.
        int inView = 0;
        for (int col = Col::Exercise; col < Col::Count; ++col)
            inView += m_grid->IsCellVisible(0, col) ? 1 : 0;
        if (inView >= 2)
            action->setChecked(false);
    } else {
        action->setChecked(true);
    }
    Layout();
    if (HasColumns())
        StoreWidths();
}

void ExerciseColumnLayout::ShowMenu(const QPoint &globalPos)
{
    QAction *chosen = m_menu->exec(globalPos);
    if (chosen == nullptr)
        return;
    // The menu ticked or unticked the entry itself; whether that may stand is decided here.
    chosen->setChecked(!chosen->isChecked());
    Toggle(chosen->data().toInt() - DayDlgIds::FirstColumnCommand);
}
