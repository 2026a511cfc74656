#pragma once

#include "widgets/CCellID.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QPointer>

class CGridCtrl;
class QEvent;
class QKeyEvent;
class QModelIndex;
class QWidget;

// The in-place editing of a grid's cells (CGridCtrl): whether the grid and a cell may be edited,
// the cell being edited and its editor widget, and the lifecycle of an edit: it begins (editBegun),
// ends by commit or cancel (editEnded, after the editor has closed, so that a listener finds the
// grid at rest and may rebuild it), and on Tab or Shift+Tab moves on to the next cell if the grid
// was not rebuilt meanwhile.
class GridEditing
{
public:
    explicit GridEditing(CGridCtrl &grid);

    void SetEditable(bool on) { m_editable = on; }
    bool IsEditable() const { return m_editable; }
    bool IsCellEditable(int row, int col) const;
    // Opens the cell's editor when editing is allowed; an open edit ends first.
    bool EditCell(int row, int col);
    bool IsEditing() const { return m_cell.IsValid(); }
    CCellID Cell() const { return m_cell; }
    // Ends an open edit: the editor's text goes into the cell unless cancelled. False when no
    // edit was open.
    bool End(bool commit);
    // Enter on a cell opens its editor, as F2 does (off by default).
    void SetEnterEdits(bool on) { m_enterEdits = on; }
    // Opens the focus cell's editor for Enter when asked to; true when the key was taken.
    bool TakeEnter(const QKeyEvent &key);
    // The grid lets go of its cells: an open edit is forgotten.
    void Forget() { m_cell = {}; }

    // The editor the cell class made for the cell being opened.
    void SetEditor(QWidget *editor) { m_editor = editor; }
    // The grid's view asks to open an editor, or closes one.
    bool Begin(const QModelIndex &index, QAbstractItemView::EditTrigger trigger, QEvent *event);
    void Close(QWidget *editor, QAbstractItemDelegate::EndEditHint hint);

private:
    CGridCtrl &m_grid;
    QPointer<QWidget> m_editor;
    bool m_editable = true;
    bool m_enterEdits = false;
    CCellID m_cell;
};
