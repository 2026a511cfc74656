#pragma once

#include <QRect>

class QPainter;
class QTabBar;
class QWidget;

// The geometry of the workout tab control (CDayTabCtrl): the tab row on top, below it the pane
// framed as a tab widget's, and inside the pane the grid and the placeholder, which lie one over
// the other. Without tabs the pane fills the control.
class DayTabPane
{
public:
    DayTabPane(QWidget &control, QTabBar &tabs, QWidget &grid, QWidget &placeholder);

    QRect Rect() const;
    // Lays the tab row, the grid and the placeholder out in the control.
    void Place();
    // The pane's frame, joined to the selected tab.
    void Paint(QPainter &painter) const;

private:
    QWidget &m_control;
    QTabBar &m_tabs;
    QWidget &m_grid;
    QWidget &m_placeholder;
};
