#include "progress/CProgressChart.h"

#include "images/RepbookColours.h"
#include "progress/RecordsTable.h"
#include "stats/MeasureUnits.h"
#include "stats/ValueScale.h"
#include "translations/AppLanguage.h"

#include <QChart>
#include <QCursor>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <iterator>

namespace {

// A lone point gets this many days of room on either side.
constexpr int LonePointMarginDays = 15;
// Below this many pixels per point, points are gathered into weeks or months.
constexpr int PixelsPerPoint = 6;

} // namespace

CProgressChart::CProgressChart(QWidget *parent)
    : QChartView(parent)
    , m_line(new QLineSeries)
    , m_xAxis(new QDateTimeAxis)
    , m_yAxis(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    // A point drawn at the plot's edge reaches past it; partial updates would leave its old
    // marker there when the axes change.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setMinimumSize(320, 240);
    QChart *chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(m_line);
    m_line->setPointsVisible(true);
    // The axis writes its dates with the chart's locale: month names in the chosen language.
    chart->setLocale(AppLanguage::Locale());
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
                              WeightUnit unit, const DateSpan &span, const QString &emptyMessage)
{
    m_measure = measure;
    m_title = MeasureUnits::Title(measure, unit);
    m_span = span;
    m_emptyMessage = emptyMessage;
    m_days.clear();
    const QList<ExerciseDayStats> shown = MeasureUnits::Shown(days, unit);
    std::copy_if(shown.cbegin(), shown.cend(), std::back_inserter(m_days),
                 [&span](const ExerciseDayStats &day) { return span.Contains(day.date); });
    Draw();
}

int CProgressChart::RoomForPoints() const
{
    // Before the chart is laid out its plot area is empty; the view's width stands in.
    const qreal width = chart()->plotArea().width() > 0 ? chart()->plotArea().width()
                                                        : qreal(viewport()->width() - 60);
    return std::max(10, int(width / PixelsPerPoint));
}

void CProgressChart::Draw()
{
    m_period = PeriodPoints::FinestPeriod(m_days, RoomForPoints());
    QList<QPointF> points;
    for (const MeasurePoint &point : PeriodPoints::Points(m_days, m_measure, m_period))
        points.append(QPointF(XOfDate(point.date), point.value));
    // Dense charts get smaller markers, so the line stays readable.
    m_line->setMarkerSize(points.size() > 120 ? 4.0 : 8.0);
    m_shown = points;
    m_line->replace(points);
    m_yAxis->setTitleText(m_title);
    chart()->setTitle(points.isEmpty() ? m_emptyMessage : QString());
    m_xAxis->setVisible(!points.isEmpty());
    m_yAxis->setVisible(!points.isEmpty());
    if (!points.isEmpty())
        SetAxes(points);
}

void CProgressChart::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    if (m_days.isEmpty())
        return;
    const PointPeriod period = PeriodPoints::FinestPeriod(m_days, RoomForPoints());
    if (period == m_period)
        return;
    Draw();
    emit periodChanged(m_period);
}

void CProgressChart::SetAxes(const QList<QPointF> &points)
{
    const auto [lowY, highY] =
        std::minmax_element(points.cbegin(), points.cend(),
                            [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
    const ValueScale scale = ValueScale::Fit(lowY->y(), highY->y());
    m_yAxis->setRange(scale.min, scale.max);
    m_yAxis->setTickCount(scale.tickCount);

    QDate first = m_span.first.isValid() ? m_span.first : DateOfPoint(points.constFirst());
    QDate last = m_span.last.isValid() ? m_span.last : DateOfPoint(points.constLast());
    if (first >= last) {
        first = first.addDays(-LonePointMarginDays);
        last = last.addDays(LonePointMarginDays);
    }
    const int days = int(first.daysTo(last));
    // Room beyond both ends, so that points on the span's first and last day are drawn whole.
    const int margin = std::max(1, days / 60);
    // A day's format is the translation's: "d. MMM" in German.
    m_xAxis->setFormat(days > 3 * 365 ? QStringLiteral("yyyy")
                                      : (days > 90 ? QStringLiteral("MMM yyyy")
                                                   : tr("d MMM", "date format of the time axis")));
    m_xAxis->setRange(QDateTime(first.addDays(-margin), QTime(0, 0)),
                      QDateTime(last.addDays(margin), QTime(23, 59)));
}

QImage CProgressChart::Picture(const QString &title)
{
    const QPixmap chart = grab();
    QFont font = this->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    const int titleHeight = QFontMetrics(font).height() * 2;
    QImage image(chart.width(), chart.height() + titleHeight, QImage::Format_RGB32);
    image.fill(chart.toImage().pixel(0, 0));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, image.width(), titleHeight), Qt::AlignCenter, title);
    painter.drawPixmap(0, titleHeight, chart);
    return image;
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
                           .arg(AppLanguage::Locale().toString(date, QLocale::LongFormat), m_title,
                                RecordsTable::FormatNumber(value)),
                       this);
}
