#include "widgets/GridCellClasses.h"

GridCellClasses::GridCellClasses()
    : m_plainCell(std::make_shared<CGridCell>())
{
}

bool GridCellClasses::Register(int typeId, std::shared_ptr<CGridCell> cellClass)
{
    if (typeId == 0 || !cellClass)
        return false;
    m_classes.insert(typeId, std::move(cellClass));
    return true;
}

const CGridCell &GridCellClasses::For(int typeId) const
{
    if (typeId != 0) {
        const auto found = m_classes.constFind(typeId);
        if (found != m_classes.constEnd())
            return **found;
    }
    return *m_plainCell;
}
