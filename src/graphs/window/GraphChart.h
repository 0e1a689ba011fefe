#pragma once

#include "graphs/points/ChartZoom.h"
#include "graphs/points/GraphKind.h"
#include "graphs/points/GraphPoints.h"

#include <QChart>

class QAreaSeries;
class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QDateTimeAxis;
class QLineSeries;
class QPieSeries;
class QValueAxis;
class BarDepthItem;
class PointMarksItem;
class PieBackdropItem;
class WallsItem;

// The chart of the graph window: four series of which one is shown (line,
// stacked area, bar with depth, pie), a blue-to-grey background, green
// walls, a navy title, dates or month names along the bottom and amounts
// in "#,##0.###Kč" along the left.
class GraphChart : public QChart
{
    Q_OBJECT
public:
    explicit GraphChart(QGraphicsItem *parent = nullptr);
    ~GraphChart() override;

    // Shows `points` (in the order of the point table) with `series`; the
    // yearly graphs label the bottom axis with the month names.
    void showPoints(GraphKind::Series series, bool yearly, const GraphPoints &points);
    GraphKind::Series shownSeries() const { return m_shown; }
    int pointCount() const { return int(m_points.size()); }

    void setMonochrome(bool on);
    bool monochrome() const { return m_monochrome; }

    // The zoom of the tool buttons, around the current axis ranges; the
    // pie grows and shrinks instead.
    void applyZoom(const ChartZoom &zoom);
    void undoZoom();

    // The series' own objects, for the tests and the overlays.
    QLineSeries *series1() const { return m_line; }
    QAreaSeries *series2() const { return m_area; }
    QBarSeries *series3() const { return m_bars; }
    QPieSeries *series4() const { return m_pie; }
    QAbstractAxis *bottomAxis() const;

    static const QColor SeriesColour;
    static const QColor WallColour;
    static const QColor TitleColour;

private:
    void detachAll();
    void attachXY(QAbstractSeries *series, bool yearly);
    void setValueRange(double min, double max);
    void relabelValueAxis();
    void relabelBarAxis();
    void paintColours();
    void fitFullRanges();
    void settle();

    GraphKind::Series m_shown = GraphKind::Series::Area;
    bool m_yearly = false;
    bool m_monochrome = false;
    QColor m_gradientTop{218, 218, 218}; // the background's light end, above the blue
    GraphPoints m_points; // by date for the XY and bar series

    QLineSeries *m_line = nullptr;
    QLineSeries *m_areaUpper = nullptr;
    QAreaSeries *m_area = nullptr;
    QBarSeries *m_bars = nullptr;
    QBarSet *m_barSet = nullptr;
    QPieSeries *m_pie = nullptr;

    QDateTimeAxis *m_dateAxis = nullptr;
    QCategoryAxis *m_monthAxis = nullptr;
    QBarCategoryAxis *m_barAxis = nullptr;
    QCategoryAxis *m_valueAxis = nullptr;

    BarDepthItem *m_depth = nullptr;
    PointMarksItem *m_marks = nullptr;
    PieBackdropItem *m_backdrop = nullptr;
    WallsItem *m_walls = nullptr;

    ChartZoom::Range m_fullX, m_fullY;
    bool m_relabelling = false;
};
