#include "progress/CYearGrid.h"

#include "images/RepbookColours.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int Weeks = 54; // a leap year starting on a Sunday touches 54 weeks
constexpr int Gap = 2;
constexpr int MinimumCell = 10;
constexpr int MaximumCell = 28;

} // namespace

CYearGrid::CYearGrid(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CYearGrid::SetYear(const YearConsistency &year, const QDate &today)
{
    m_year = year;
    m_today = today;
    update();
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
        return QStringLiteral("All workouts done");
    case DayClass::SomeDone:
        return QStringLiteral("Some workouts done");
    case DayClass::FailedOnly:
        return QStringLiteral("Failed only");
    case DayClass::Missed:
        return QStringLiteral("Planned but missed");
    case DayClass::PlannedAhead:
        return QStringLiteral("Planned ahead");
    case DayClass::NoWorkout:
        break;
    }
    return QStringLiteral("No workout");
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
    return QPoint(metrics.horizontalAdvance(QStringLiteral("Wed")) + 2 * Gap,
                  metrics.height() + Gap);
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
    const QLocale locale;
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
}

void CYearGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QDate date = DateAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && date.isValid())
        emit dayClicked(date);
    QWidget::mouseReleaseEvent(event);
}

bool CYearGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QDate date = DateAt(help->pos());
        if (date.isValid())
            QToolTip::showText(
                help->globalPos(),
                QStringLiteral("%1\n%2").arg(QLocale().toString(date, QLocale::LongFormat),
                                             NameOf(m_year.ClassOf(date))),
                this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
