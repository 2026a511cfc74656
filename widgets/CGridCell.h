#pragma once

#include "widgets/CGridCellContext.h"

#include <QSize>
#include <QString>

class QPainter;
class QWidget;

// The plain cell class of CGridCtrl: draws the cell's background, image and text with the cell's
// format, font and colours, and edits its text in a line edit. Cell classes derived from it are
// registered with a grid once and shared by every cell of that type, so they keep no per-cell
// state: everything about a cell comes in the context.
class CGridCell
{
public:
    CGridCell() = default;
    virtual ~CGridCell() = default;
    CGridCell(const CGridCell &) = delete;
    CGridCell &operator=(const CGridCell &) = delete;

    virtual void Draw(QPainter *p, const CGridCellContext &c) const;
    virtual QSize PreferredSize(const CGridCellContext &c) const;
    virtual bool AllowsEdit() const { return true; }
    // What assistive technology reads for a cell whose item sets no accessible text of its own;
    // empty: the cell's text.
    virtual QString AccessibleName(const CGridCellContext &) const { return QString(); }
    virtual QString AccessibleDescription(const CGridCellContext &) const { return QString(); }

    // The in-place editor, its start value and the text it gives back to the cell.
    virtual QWidget *CreateEditor(QWidget *parent, const CGridCellContext &c) const;
    virtual void SetEditorText(QWidget *editor, const CGridCellContext &c) const;
    virtual QString EditorText(const QWidget *editor) const;

    // Pixels between the cell's border and its content.
    static constexpr int Margin = 4;
    // The text as drawn in width: whole when it fits (measured as PreferredSize measures it),
    // otherwise cut short with an ellipsis.
    static QString FittedText(const QString &text, const QFont &font, int width);

protected:
    // The colours the plain cell draws with, for cells that draw the same way.
    static QColor BackgroundColour(const CGridCellContext &c);
    static QColor TextColour(const CGridCellContext &c);
    static void DrawFocusFrame(QPainter *p, const CGridCellContext &c);
};
