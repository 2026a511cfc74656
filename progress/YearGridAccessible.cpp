#include "progress/YearGridAccessible.h"

#include "progress/CYearGrid.h"

namespace {

// One day of the grid: a list item without object of its own.
class YearDayAccessible : public QAccessibleInterface
{
public:
    YearDayAccessible(const YearGridAccessible *grid, int index)
        : m_grid(grid)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_grid->isValid() && m_index < m_grid->childCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid->window(); }
    QAccessibleInterface *parent() const override
    {
        return const_cast<YearGridAccessible *>(m_grid);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        // A day past the shown year's end has no text (DayText checks the index).
        return t == QAccessible::Name && m_grid->isValid() ? m_grid->Grid()->DayText(m_index)
                                                           : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const CYearGrid *grid = m_grid->Grid();
        const QRect square = grid->SquareOf(grid->DateOfIndex(m_index));
        return QRect(grid->mapToGlobal(square.topLeft()), square.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid();
        state.focusable = true;
        state.focused = m_grid->Grid()->hasFocus() && m_grid->Grid()->CurrentIndex() == m_index;
        return state;
    }
    int Index() const { return m_index; }

private:
    const YearGridAccessible *m_grid;
    int m_index;
};

} // namespace

YearGridAccessible::YearGridAccessible(CYearGrid *grid)
    : QAccessibleWidget(grid, QAccessible::List)
{
}

YearGridAccessible::~YearGridAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_days))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *YearGridAccessible::Create(const QString &className, QObject *object)
{
    if (className == QLatin1String("CYearGrid") && object && object->isWidgetType())
        return new YearGridAccessible(static_cast<CYearGrid *>(object));
    return nullptr;
}

CYearGrid *YearGridAccessible::Grid() const
{
    return static_cast<CYearGrid *>(widget());
}

int YearGridAccessible::childCount() const
{
    return Grid()->DayCount();
}

QAccessibleInterface *YearGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = m_days.constFind(index);
    if (found == m_days.cend())
        found = m_days.insert(
            index, QAccessible::registerAccessibleInterface(new YearDayAccessible(this, index)));
    return QAccessible::accessibleInterface(found.value());
}

int YearGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *day = dynamic_cast<const YearDayAccessible *>(child);
    return day && day->parent() == this ? day->Index() : -1;
}

QAccessibleInterface *YearGridAccessible::childAt(int x, int y) const
{
    const QDate date = Grid()->DateAt(Grid()->mapFromGlobal(QPoint(x, y)));
    return date.isValid() ? child(Grid()->IndexOfDate(date)) : nullptr;
}
