#pragma once

#include <QGraphicsObject>

class QChart;
class QAbstractSeries;
class QBarSet;
class QPieSeries;

// Small items drawn over the chart where Qt Charts has no look of its own.
// Each keeps to the chart's plot area and follows it.
class ChartOverlay : public QGraphicsObject
{
    Q_OBJECT
public:
    explicit ChartOverlay(QChart *chart);
    QRectF boundingRect() const override;

protected:
    // Qt Charts stacks its grid and axes below 4 and its series at 4.
    static constexpr qreal BehindSeries = 3.5;
    static constexpr qreal OverEverything = 50;

    QChart *chart() const { return m_chart; }

private:
    QChart *m_chart;
};

// The depth of the 3D bars: a lighter top and a darker side behind each
// bar, a quarter of the bar's slot deep.
class BarDepthItem : public ChartOverlay
{
    Q_OBJECT
public:
    BarDepthItem(QChart *chart, QAbstractSeries *series, QBarSet *set);
    void setBarWidth(qreal width) { m_barWidth = width; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    static constexpr qreal DepthShare = 0.25;

private:
    QAbstractSeries *m_series;
    QBarSet *m_set;
    qreal m_barWidth = 0.65;
};

// The marks of the area and bar series: each point's label in a small
// pale box above it. Marks that would cover an earlier one are left out,
// so that a long ledger stays readable.
class PointMarksItem : public ChartOverlay
{
    Q_OBJECT
public:
    explicit PointMarksItem(QChart *chart);
    // Where (in the series' values) and what each mark says.
    void setMarks(QAbstractSeries *series, QVector<QPointF> at, QStringList labels);
    void setMonochrome(bool on) { m_monochrome = on; update(); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    // How many marks the last paint drew.
    int drawn() const { return m_drawn; }

private:
    QAbstractSeries *m_series = nullptr;
    QVector<QPointF> m_at;
    QStringList m_labels;
    bool m_monochrome = false;
    int m_drawn = 0;
};

// The pie's silver circle background and grey shadow.
class PieBackdropItem : public ChartOverlay
{
    Q_OBJECT
public:
    PieBackdropItem(QChart *chart, QPieSeries *pie);
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    QRectF pieRect() const;

private:
    QPieSeries *m_pie;
};

// The left and bottom walls of the plot: crisp one-pixel lines on whole
// pixels, whatever the antialiasing of the rest.
class WallsItem : public ChartOverlay
{
    Q_OBJECT
public:
    explicit WallsItem(QChart *chart);
    void setColour(const QColor &colour);
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QColor m_colour;
};
