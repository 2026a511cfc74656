#pragma once

#include "model/WeightUnit.h"
#include "progress/ChartRange.h"
#include "stats/ExerciseHistory.h"
#include "stats/PeriodPoints.h"

#include <QChartView>
#include <QList>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// The chart of one measure of an exercise over time: a line through one point per training day,
// or per week or month when the span holds more days than the chart has room for, dates along
// the x axis. Hovering a point shows its date and value; clicking it reports the
// date. A single training day is drawn as a point on a short span of time. The points are drawn
// by the line itself (one graphics item however many days), and a click or hover is taken to
// the nearest training day.
class CProgressChart : public QChartView
{
    Q_OBJECT

public:
    explicit CProgressChart(QWidget *parent = nullptr);

    // Shows the days within span, weights in the unit; an empty list or no day within span shows
    // the message.
    void ShowDays(const QList<ExerciseDayStats> &days, ProgressMeasure measure, WeightUnit unit,
                  const DateSpan &span, const QString &emptyMessage);

    QLineSeries *Line() const { return m_line; }
    // What one point stands for, as last drawn.
    PointPeriod Period() const { return m_period; }
    // The chart as shown, under a title line.
    QImage Picture(const QString &title);
    // The shown training day nearest in time to a position of the series; invalid when none.
    QDate NearestDay(const QPointF &position) const;
    // The date of a point of the series.
    static QDate DateOfPoint(const QPointF &point);
    static qreal XOfDate(const QDate &date);

signals:
    void dayClicked(const QDate &date);
    // The points stand for other periods after a resize.
    void periodChanged(PointPeriod period);

protected:
    void resizeEvent(QResizeEvent *event) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    // The chart's theme and background follow the window palette, light or dark.
    void FollowPalette();
    void OnHovered(const QPointF &point, bool state);
    void Draw();
    // How many points the plot has room for.
    int RoomForPoints() const;
    void SetAxes(const QList<QPointF> &points);

    QLineSeries *m_line;
    QList<QPointF> m_shown; // the line's points, in date order
    QDateTimeAxis *m_xAxis;
    QValueAxis *m_yAxis;
    ProgressMeasure m_measure = ProgressMeasure::Heaviest;
    QString m_title; // the measure's name with its unit
    QList<ExerciseDayStats> m_days; // within m_span
    DateSpan m_span;
    QString m_emptyMessage;
    PointPeriod m_period = PointPeriod::Day;
};
