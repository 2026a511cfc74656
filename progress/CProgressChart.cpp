#include "progress/CProgressChart.h"

#include "progress/RecordsTable.h"

#include <QChart>
#include <QCursor>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
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
    , m_points(new QScatterSeries)
    , m_xAxis(new QDateTimeAxis)
    , m_yAxis(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 240);
    QChart *chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(m_line);
    chart->addSeries(m_points);
    m_points->setMarkerSize(7.0);
    m_points->setColor(m_line->color());
    m_points->setBorderColor(m_line->color());
    m_xAxis->setFormat(QStringLiteral("MMM yyyy"));
    m_xAxis->setTickCount(6);
    m_yAxis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(m_xAxis, Qt::AlignBottom);
    chart->addAxis(m_yAxis, Qt::AlignLeft);
    for (QXYSeries *series :
         {static_cast<QXYSeries *>(m_line), static_cast<QXYSeries *>(m_points)}) {
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    }
    connect(m_points, &QScatterSeries::hovered, this, &CProgressChart::OnHovered);
    connect(m_points, &QScatterSeries::clicked, this,
            [this](const QPointF &point) { emit dayClicked(DateOfPoint(point)); });
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
    m_points->setMarkerSize(points.size() > 120 ? 5.0 : 8.0);
    m_line->replace(points);
    m_points->replace(points);
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

void CProgressChart::OnHovered(const QPointF &point, bool state)
{
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const double value = point.y();
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1\n%2: %3")
                           .arg(QLocale().toString(DateOfPoint(point), QLocale::LongFormat),
                                MeasureName(m_measure), RecordsTable::FormatNumber(value)),
                       this);
}
