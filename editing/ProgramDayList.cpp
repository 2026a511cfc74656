#include "editing/ProgramDayList.h"

#include "editing/CWorkoutDayCell.h"
#include "editing/DayCellData.h"
#include "editing/IDayCellOwner.h"
#include "images/StatusImageSet.h"
#include "widgets/CGridCtrl.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>

namespace {

constexpr int DayGridWidth = 150;
// A program day's row is three quarters as high as the list is wide.
constexpr double DayRowAspect = 0.75;

} // namespace

// The cell owner of an editor opened without the main window's: the default images and the
// dialog's font. Program days have no dates, so nothing is ever in a range.
class ProgramDayList::OwnCellOwner : public IDayCellOwner
{
public:
    explicit OwnCellOwner(const QWidget *window)
        : m_window(window)
        , m_images(true, StatusImageSize::Large32)
    {
    }

    const StatusImageSet &DayCellImages() const override { return m_images; }
    QFont DayCellFont() const override { return m_window->font(); }
    DateValue DateAt(int, int) const override { return DateValue::MakeNull(); }
    bool IsInRange(int, int) const override { return false; }

private:
    const QWidget *m_window;
    StatusImageSet m_images;
};

ProgramDayList::ProgramDayList(CGridCtrl *grid, QWidget &window, const IDayCellOwner *cellOwner)
    : m_grid(grid)
    , m_cellOwner(cellOwner)
{
    if (m_cellOwner == nullptr) {
        m_ownCellOwner = std::make_unique<OwnCellOwner>(&window);
        m_cellOwner = m_ownCellOwner.get();
    }
    m_grid->setObjectName(QStringLiteral("dayGrid"));
    m_grid->SetFixedRowCount(0);
    m_grid->SetFixedColumnCount(0);
    m_grid->SetEditable(false);
    m_grid->SetListMode(true);
    m_grid->SetGridBkColour(window.palette().color(QPalette::Button));
    m_grid->RegisterCellClass(DayCellType, std::make_shared<CWorkoutDayCell>(m_cellOwner, true));
    m_grid->setFixedWidth(DayGridWidth);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setAccessibleName(tr("Program days"));
}

ProgramDayList::~ProgramDayList() = default;

void ProgramDayList::Fill(TrainingProgram &program)
{
    m_grid->DeleteAllItems();
    if (program.GetDayCount() == 0)
        return;
    m_grid->InsertColumn(QString(), Qt::AlignCenter);
    for (int k = 0; k < program.GetDayCount(); ++k) {
        const int row = m_grid->InsertRow();
        m_grid->SetItemText(row, 0, tr("Day %1").arg(k + 1));
        m_grid->SetCellType(row, 0, DayCellType);
        m_grid->SetItemData(row, 0, CellDataFromDay(program.GetDay(k)));
        m_grid->SetItemFormat(row, 0, Qt::AlignCenter);
    }
    FitRows();
}

void ProgramDayList::FitRows()
{
    // The rows keep their height whether or not the scroll bar shows.
    const int width = m_grid->width() - 2 * m_grid->frameWidth() -
        m_grid->verticalScrollBar()->sizeHint().width();
    const int height = qMax(1, static_cast<int>(width * DayRowAspect));
    for (int row = 0; row < m_grid->GetRowCount(); ++row)
        m_grid->SetRowHeight(row, height);
}

void ProgramDayList::SelectRow(int row)
{
    if (row < 0 || row >= m_grid->GetRowCount())
        return;
    m_grid->SetSelectedRange(row, 0, row, 0);
    m_grid->SetFocusCell(row, 0);
    m_grid->EnsureVisible(row, 0);
}

void ProgramDayList::Repaint()
{
    m_grid->viewport()->update();
}
