#include "progress/CProgressChart.h"

#include "images/RepbookColours.h"
#include "progress/RecordsTable.h"

#include <QChart>
#include <QCursor>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLineSeries>
#include <QLocale>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace {

// A lone point gets this many days of room on either side.
constexpr int LonePointMarginDays = 15;

} // namespace

CProgressChart::CProgressChart(QWidget *parent)
    : QChartView(parent)
    , m_line(new QLineSeries)
    , m_xAxis(new QDateTimeAxis)
    , m_yAxis(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 240);
    QChart *chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(m_line);
    m_line->setPointsVisible(true);
    m_xAxis->setFormat(QStringLiteral("MMM yyyy"));
    m_xAxis->setTickCount(6);
    m_yAxis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(m_xAxis, Qt::AlignBottom);
    chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_line->attachAxis(m_xAxis);
    m_line->attachAxis(m_yAxis);
    FollowPalette();
    connect(m_line, &QLineSeries::hovered, this, &CProgressChart::OnHovered);
    connect(m_line, &QLineSeries::clicked, this, [this](const QPointF &position) {
        const QDate date = NearestDay(position);
        if (date.isValid())
            emit dayClicked(date);
    });
}

void CProgressChart::changeEvent(QEvent *event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        FollowPalette();
}

void CProgressChart::FollowPalette()
{
    const bool dark = RepbookColours::IsDark(palette());
    const qreal markerSize = m_line->markerSize();
    chart()->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart()->setBackgroundBrush(palette().color(QPalette::Base));
    m_line->setMarkerSize(markerSize);
}

qreal CProgressChart::XOfDate(const QDate &date)
{
    // Noon keeps a point on its day whatever the time zone's offset.
    return qreal(QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch());
}

QDate CProgressChart::DateOfPoint(const QPointF &point)
{
    return QDateTime::fromMSecsSinceEpoch(qRound64(point.x())).date();
}

void CProgressChart::ShowDays(const QList<ExerciseDayStats> &days, ProgressMeasure measure,
                              const DateSpan &span, const QString &emptyMessage)
{
    m_measure = measure;
    QList<QPointF> points;
    points.reserve(days.size());
    for (const ExerciseDayStats &day : days) {
        if (span.Contains(day.date))
            points.append(QPointF(XOfDate(day.date), MeasureValue(day, measure)));
    }
    // Dense charts get smaller markers, so the line stays readable.
    m_line->setMarkerSize(points.size() > 120 ? 4.0 : 8.0);
    m_shown = points;
    m_line->replace(points);
    m_yAxis->setTitleText(MeasureName(measure));
    chart()->setTitle(points.isEmpty() ? emptyMessage : QString());
    m_xAxis->setVisible(!points.isEmpty());
    m_yAxis->setVisible(!points.isEmpty());
    if (!points.isEmpty())
        SetAxes(points, span);
}

void CProgressChart::SetAxes(const QList<QPointF> &points, const DateSpan &span)
{
    const auto [lowY, highY] =
        std::minmax_element(points.cbegin(), points.cend(),
                            [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
    double low = lowY->y();
    double high = highY->y();
    const double room = high > low ? (high - low) * 0.08 : std::max(1.0, high * 0.1);
    m_yAxis->setRange(std::max(0.0, low - room), high + room);
    m_yAxis->applyNiceNumbers();

    QDate first = span.first.isValid() ? span.first : DateOfPoint(points.constFirst());
    QDate last = span.last.isValid() ? span.last : DateOfPoint(points.constLast());
    if (first >= last) {
        first = first.addDays(-LonePointMarginDays);
        last = last.addDays(LonePointMarginDays);
    }
    const int days = int(first.daysTo(last));
    m_xAxis->setFormat(days > 3 * 365
                           ? QStringLiteral("yyyy")
                           : (days > 90 ? QStringLiteral("MMM yyyy") : QStringLiteral("d MMM")));
    m_xAxis->setRange(QDateTime(first, QTime(0, 0)), QDateTime(last, QTime(23, 59)));
}

QDate CProgressChart::NearestDay(const QPointF &position) const
{
    if (m_shown.isEmpty())
        return {};
    const auto after =
        std::lower_bound(m_shown.cbegin(), m_shown.cend(), position.x(),
                         [](const QPointF &point, qreal x) { return point.x() < x; });
    auto nearest = after == m_shown.cend() ? after - 1 : after;
    if (after != m_shown.cbegin() && position.x() - (after - 1)->x() < nearest->x() - position.x())
        nearest = after - 1;
    return DateOfPoint(*nearest);
}

void CProgressChart::OnHovered(const QPointF &position, bool state)
{
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const QDate date = NearestDay(position);
    const auto point = std::find_if(m_shown.cbegin(), m_shown.cend(),
                                    [&date](const QPointF &p) { return DateOfPoint(p) == date; });
    if (point == m_shown.cend())
        return;
    const double value = point->y();
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1\n%2: %3")
                           .arg(QLocale().toString(date, QLocale::LongFormat),
                                MeasureName(m_measure), RecordsTable::FormatNumber(value)),
                       this);
}
