#pragma once

#include "widgets/CGridCell.h"

#include <QHash>

#include <memory>

// The cell classes of a grid by cell type: registered once, shared by every cell of their type.
// Type 0 is the plain cell, built in; a type without a class is drawn as a plain cell.
class GridCellClasses
{
public:
    GridCellClasses();

    // False for type 0 or no class: nothing was registered.
    bool Register(int typeId, std::shared_ptr<CGridCell> cellClass);
    const CGridCell &For(int typeId) const;

private:
    QHash<int, std::shared_ptr<CGridCell>> m_classes;
    std::shared_ptr<CGridCell> m_plainCell;
};
