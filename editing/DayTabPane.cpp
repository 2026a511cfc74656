#include "editing/DayTabPane.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

// Space between the pane's frame and the grid or the placeholder.
constexpr int PaneMargin = 4;

} // namespace

DayTabPane::DayTabPane(QWidget &control, QTabBar &tabs, QWidget &grid, QWidget &placeholder)
    : m_control(control)
    , m_tabs(tabs)
    , m_grid(grid)
    , m_placeholder(placeholder)
{
}

QRect DayTabPane::Rect() const
{
    if (m_tabs.isHidden())
        return m_control.rect();
    QStyleOptionTab option;
    const int overlap =
        m_control.style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, &option, &m_tabs);
    return m_control.rect().adjusted(0, qMax(0, m_tabs.height() - overlap), 0, 0);
}

void DayTabPane::Place()
{
    if (!m_tabs.isHidden())
        m_tabs.setGeometry(0, 0, m_control.width(), m_tabs.sizeHint().height());
    const QRect inner = Rect().adjusted(PaneMargin, PaneMargin, -PaneMargin, -PaneMargin);
    m_grid.setGeometry(inner);
    m_placeholder.setGeometry(inner);
    m_tabs.raise();
    m_control.update();
}

void DayTabPane::Paint(QPainter &painter) const
{
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(&m_control);
    frame.rect = Rect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth =
        m_control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &m_control);
    if (!m_tabs.isHidden()) {
        frame.tabBarSize = m_tabs.size();
        frame.tabBarRect = m_tabs.geometry();
        frame.selectedTabRect = m_tabs.tabRect(m_tabs.currentIndex());
    }
    m_control.style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, &m_control);
}
