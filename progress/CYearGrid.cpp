#include "progress/CYearGrid.h"

#include "images/RepbookColours.h"
#include "progress/YearGridAccessible.h"
#include "translations/AppLanguage.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int Weeks = 54; // a leap year starting on a Sunday touches 54 weeks
constexpr int Gap = 2;
constexpr int MinimumCell = 10;
constexpr int MaximumCell = 28;

} // namespace

CYearGrid::CYearGrid(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QAccessible::installFactory(&YearGridAccessible::Create); // once; later calls add nothing
}

void CYearGrid::SetYear(const YearConsistency &year, const QDate &today)
{
    m_year = year;
    m_today = today;
    setAccessibleName(tr("Year %1").arg(year.Year()));
    if (m_current.year() != year.Year())
        m_current = today.year() == year.Year() ? today : QDate(year.Year(), 1, 1);
    update();
}

void CYearGrid::SetCurrent(const QDate &date)
{
    if (!date.isValid() || date.year() != m_year.Year() || date == m_current)
        return;
    m_current = date;
    update();
    TellCurrent();
}

void CYearGrid::TellCurrent()
{
    if (!hasFocus() || !QAccessible::isActive() || DayCount() == 0)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(CurrentIndex());
    QAccessible::updateAccessibility(&event);
}

void CYearGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    TellCurrent();
}

void CYearGrid::keyPressEvent(QKeyEvent *event)
{
    if (DayCount() == 0 || !m_current.isValid()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Columns are weeks and rows weekdays: left and right step a week, up and down a day.
    const QDate first(m_year.Year(), 1, 1);
    switch (event->key()) {
    case Qt::Key_Left:
        SetCurrent(std::max(first, m_current.addDays(-7)));
        break;
    case Qt::Key_Right:
        SetCurrent(std::min(DateOfIndex(DayCount() - 1), m_current.addDays(7)));
        break;
    case Qt::Key_Up:
        SetCurrent(m_current.addDays(-1));
        break;
    case Qt::Key_Down:
        SetCurrent(m_current.addDays(1));
        break;
    case Qt::Key_Home:
        SetCurrent(first);
        break;
    case Qt::Key_End:
        SetCurrent(DateOfIndex(DayCount() - 1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit dayClicked(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

QDate CYearGrid::DateOfIndex(int index) const
{
    return QDate(m_year.Year(), 1, 1).addDays(index);
}

int CYearGrid::IndexOfDate(const QDate &date) const
{
    return int(QDate(m_year.Year(), 1, 1).daysTo(date));
}

QString CYearGrid::DayText(int index) const
{
    if (index < 0 || index >= DayCount())
        return {};
    const QDate date = DateOfIndex(index);
    return QStringLiteral("%1: %2").arg(
        AppLanguage::Locale().toString(date, QStringLiteral("dddd d MMMM yyyy")),
        NameOf(m_year.Days().at(index)));
}

QColor CYearGrid::ColorOf(DayClass dayClass, const QPalette &palette)
{
    const RepbookColours &colours = RepbookColours::For(palette);
    switch (dayClass) {
    case DayClass::AllDone:
        return colours.yearAllDone;
    case DayClass::SomeDone:
        return colours.yearSomeDone;
    case DayClass::FailedOnly:
        return colours.yearFailedOnly;
    case DayClass::Missed:
        return colours.yearMissed;
    case DayClass::PlannedAhead:
        return colours.yearPlannedAhead;
    case DayClass::NoWorkout:
        break;
    }
    return colours.yearNoWorkout;
}

QString CYearGrid::NameOf(DayClass dayClass)
{
    switch (dayClass) {
    case DayClass::AllDone:
        return tr("All workouts done");
    case DayClass::SomeDone:
        return tr("Some workouts done");
    case DayClass::FailedOnly:
        return tr("Failed only");
    case DayClass::Missed:
        return tr("Planned but missed");
    case DayClass::PlannedAhead:
        return tr("Planned ahead");
    case DayClass::NoWorkout:
        break;
    }
    return tr("No workout");
}

int CYearGrid::CellForWidth(int width) const
{
    return std::max(MinimumCell, std::min(MaximumCell, (width - Origin().x()) / Weeks));
}

int CYearGrid::Cell() const
{
    const int byHeight = (height() - Origin().y()) / 7;
    return std::max(MinimumCell, std::min(CellForWidth(width()), byHeight));
}

int CYearGrid::heightForWidth(int width) const
{
    return Origin().y() + 7 * CellForWidth(width);
}

QPoint CYearGrid::Origin() const
{
    const QFontMetrics metrics(font());
    return QPoint(metrics.horizontalAdvance(tr("Wed")) + 2 * Gap, metrics.height() + Gap);
}

int CYearGrid::ColumnOf(const QDate &date) const
{
    const QDate first(m_year.Year(), 1, 1);
    const int leading = first.dayOfWeek() - 1;
    return int((first.daysTo(date) + leading) / 7);
}

QRect CYearGrid::SquareOf(const QDate &date) const
{
    const int cell = Cell();
    const QPoint origin = Origin();
    return QRect(origin.x() + ColumnOf(date) * cell, origin.y() + (date.dayOfWeek() - 1) * cell,
                 cell - Gap, cell - Gap);
}

QDate CYearGrid::DateAt(const QPoint &point) const
{
    if (m_year.Days().isEmpty())
        return {};
    const int cell = Cell();
    const QPoint offset = point - Origin();
    if (offset.x() < 0 || offset.y() < 0 || offset.y() >= 7 * cell)
        return {};
    const QDate first(m_year.Year(), 1, 1);
    const int dayIndex = (offset.x() / cell) * 7 + offset.y() / cell - (first.dayOfWeek() - 1);
    const QDate date = first.addDays(dayIndex);
    return date.year() == m_year.Year() ? date : QDate();
}

QSize CYearGrid::sizeHint() const
{
    const QPoint origin = Origin();
    return QSize(origin.x() + Weeks * 16, origin.y() + 7 * 16);
}

QSize CYearGrid::minimumSizeHint() const
{
    const QPoint origin = Origin();
    return QSize(origin.x() + Weeks * MinimumCell, origin.y() + 7 * MinimumCell);
}

void CYearGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_year.Days().isEmpty())
        return;
    const int cell = Cell();
    const QPoint origin = Origin();
    const QLocale locale = AppLanguage::Locale();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int weekday : {1, 3, 5}) {
        painter.drawText(QRect(0, origin.y() + (weekday - 1) * cell, origin.x() - Gap, cell),
                         Qt::AlignRight | Qt::AlignVCenter,
                         locale.dayName(weekday, QLocale::ShortFormat));
    }
    const QDate first(m_year.Year(), 1, 1);
    for (int month = 1; month <= 12; ++month) {
        const QDate start(m_year.Year(), month, 1);
        painter.drawText(QPoint(origin.x() + ColumnOf(start) * cell, origin.y() - Gap - 2),
                         locale.monthName(month, QLocale::ShortFormat));
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_year.Days().size(); ++i) {
        const QDate date = first.addDays(i);
        painter.setBrush(ColorOf(m_year.Days().at(i), palette()));
        painter.drawRect(SquareOf(date));
    }
    if (m_today.year() == m_year.Year()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(SquareOf(m_today).adjusted(-1, -1, 1, 1));
    }
    if (hasFocus() && m_current.isValid()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(SquareOf(m_current).adjusted(-2, -2, 2, 2));
    }
}

void CYearGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QDate date = DateAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && date.isValid()) {
        SetCurrent(date);
        emit dayClicked(date);
    }
    QWidget::mouseReleaseEvent(event);
}

bool CYearGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QDate date = DateAt(help->pos());
        if (date.isValid())
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("%1\n%2").arg(
                                   AppLanguage::Locale().toString(date, QLocale::LongFormat),
                                   NameOf(m_year.ClassOf(date))),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
