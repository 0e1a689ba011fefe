#include "graphs/window/GraphChart.h"

#include "graphs/points/GraphPointModel.h"
#include "graphs/window/ChartOverlays.h"

#include "core/data/format/Locale.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QHash>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <algorithm>

const QColor GraphChart::SeriesColour(255, 0, 0);
const QColor GraphChart::WallColour(0, 153, 0);
const QColor GraphChart::TitleColour(0, 0, 128);

namespace {
constexpr qreal BarWidth = 0.65;
constexpr int MaxSingleSlices = 200;
constexpr double SliverShare = 0.001;
const QColor GradientBottom(0, 168, 249);
const QColor Silver(192, 192, 192);

QLinearGradient verticalGradient(const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

ChartZoom::Range rangeOf(const QValueAxis *axis) { return {axis->min(), axis->max()}; }

// The label of a bar: a category axis merges equal labels into one bar,
// so the n-th bar of a date gets n invisible zero-width spaces.
QString barLabel(const QString &text, QHash<QString, int> &seen)
{
    const int earlier = seen[text]++;
    return earlier == 0 ? text : text + QString(earlier, QChar(0x200B));
}

} // namespace

GraphChart::GraphChart(QGraphicsItem *parent) : QChart(parent)
{
    legend()->hide();
    setAnimationOptions(QChart::NoAnimation);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(12);
    setTitleFont(font);
    setBackgroundRoundness(0);
    setMargins(QMargins(8, 4, 12, 8));

    m_line = new QLineSeries(this);
    m_line->setObjectName(QStringLiteral("Series1"));
    m_areaUpper = new QLineSeries(this);
    m_area = new QAreaSeries(m_areaUpper);
    m_area->setParent(this);
    m_area->setObjectName(QStringLiteral("Series2"));
    m_barSet = new QBarSet(QString(), this);
    m_bars = new QBarSeries(this);
    m_bars->setObjectName(QStringLiteral("Series3"));
    m_bars->append(m_barSet);
    m_bars->setBarWidth(BarWidth);
    m_pie = new QPieSeries(this);
    m_pie->setObjectName(QStringLiteral("Series4"));
    m_pie->setPieSize(0.62);

    m_dateAxis = new QDateTimeAxis(this);
    m_dateAxis->setFormat(QStringLiteral("d.M.yyyy"));
    m_monthAxis = new QCategoryAxis(this);
    m_monthAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_barAxis = new QBarCategoryAxis(this);
    m_valueAxis = new QCategoryAxis(this);
    m_valueAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    connect(m_valueAxis, &QValueAxis::rangeChanged, this, [this] { relabelValueAxis(); });

    m_depth = new BarDepthItem(this, m_bars, m_barSet);
    m_depth->setBarWidth(BarWidth);
    m_marks = new PointMarksItem(this);
    m_backdrop = new PieBackdropItem(this, m_pie);
    m_walls = new WallsItem(this);
    paintColours();
}

GraphChart::~GraphChart() = default;

QAbstractAxis *GraphChart::bottomAxis() const
{
    const QList<QAbstractAxis *> bottom = axes(Qt::Horizontal);
    return bottom.isEmpty() ? nullptr : bottom.first();
}

void GraphChart::detachAll()
{
    // Taken off the chart, the series and axes stay the chart's children.
    for (QAbstractSeries *shown : series()) {
        removeSeries(shown);
        shown->setParent(this);
    }
    for (QAbstractAxis *axis : axes()) {
        removeAxis(axis);
        axis->setParent(this);
    }
    m_depth->setVisible(false);
    m_backdrop->setVisible(false);
    m_walls->setVisible(false);
    m_marks->setMarks(nullptr, {}, {});
}

void GraphChart::attachXY(QAbstractSeries *series, bool yearly)
{
    addSeries(series);
    m_walls->setVisible(true);
    QAbstractAxis *bottom = yearly ? static_cast<QAbstractAxis *>(m_monthAxis) : m_dateAxis;
    addAxis(bottom, Qt::AlignBottom);
    addAxis(m_valueAxis, Qt::AlignLeft);
    series->attachAxis(bottom);
    series->attachAxis(m_valueAxis);
}

void GraphChart::showPoints(GraphKind::Series kind, bool yearly, const GraphPoints &points)
{
    detachAll();
    m_shown = kind;
    m_yearly = yearly;

    if (kind == GraphKind::Series::Pie) {
        // The slices come in the point table's order; a slice's size is
        // the amount's size, its label the point's text.
        m_points = points;
        m_pie->clear();
        double total = 0;
        for (const GraphPoint &point : points)
            total += std::abs(point.amount.toDouble());
        // Slices under a thousandth of the whole would be thinner than a
        // pixel (and Qt's pie slows down badly on thousands of them): they
        // are drawn as one slice at the end.
        QList<QPieSlice *> slices;
        double restValue = 0;
        int restCount = 0;
        for (const GraphPoint &point : points) {
            const double value = std::abs(point.amount.toDouble());
            if (points.size() > MaxSingleSlices && value < total * SliverShare) {
                restValue += value;
                ++restCount;
            } else {
                slices.append(new QPieSlice(point.text, value));
            }
        }
        if (restCount > 0)
            slices.append(new QPieSlice(QStringLiteral("Ostatní (%1)").arg(restCount), restValue));
        m_pie->append(slices);
        // Labels of slivers would only cover each other.
        for (QPieSlice *slice : std::as_const(slices))
            slice->setLabelVisible(slice->percentage() >= 0.01);
        addSeries(m_pie);
        m_backdrop->setVisible(true);
        paintColours();
        settle();
        return;
    }

    // The line and area series draw in date order; the bars stand one per
    // point in the order of the point table.
    m_points = points;
    if (kind != GraphKind::Series::Bar3D)
        std::stable_sort(m_points.begin(), m_points.end(),
                         [](const GraphPoint &a, const GraphPoint &b) { return a.date < b.date; });
    QList<QPointF> xy;
    xy.reserve(m_points.size());
    QVector<QPointF> markAt;
    QStringList markText;
    double low = 0, high = 0;
    for (int i = 0; i < m_points.size(); ++i) {
        const GraphPoint &point = m_points.at(i);
        const double y = point.amount.toDouble();
        const double x = kind == GraphKind::Series::Bar3D ? double(i) : GraphPointModel::xOf(point.date);
        xy.append(QPointF(GraphPointModel::xOf(point.date), y));
        markAt.append(QPointF(x, y));
        markText.append(point.text.isEmpty() ? ValueAxis::label(y) : point.text);
        low = std::min(low, y);
        high = std::max(high, y);
    }
    if (yearly) {
        const auto labels = m_monthAxis->categoriesLabels();
        for (const QString &label : labels)
            m_monthAxis->remove(label);
        for (const GraphPoint &point : std::as_const(m_points))
            m_monthAxis->append(point.text, GraphPointModel::xOf(point.date));
    }

    switch (kind) {
    case GraphKind::Series::Line:
        m_line->replace(xy);
        attachXY(m_line, yearly);
        break;
    case GraphKind::Series::Area:
        m_areaUpper->replace(xy);
        attachXY(m_area, yearly);
        m_marks->setMarks(m_area, markAt, markText);
        break;
    case GraphKind::Series::Bar3D: {
        QList<qreal> values;
        QStringList categories;
        QHash<QString, int> seen;
        values.reserve(m_points.size());
        for (const GraphPoint &point : std::as_const(m_points)) {
            values.append(point.amount.toDouble());
            categories.append(barLabel(yearly ? point.text : Locale::date(point.date), seen));
        }
        m_barSet->remove(0, m_barSet->count());
        m_barSet->append(values);
        m_barAxis->clear();
        m_barAxis->append(categories);
        // Many dates stand aslant rather than be cut short.
        m_barAxis->setLabelsAngle(!yearly && categories.size() > 8 ? -45 : 0);
        m_barAxis->setTruncateLabels(false);
        addSeries(m_bars);
        addAxis(m_barAxis, Qt::AlignBottom);
        addAxis(m_valueAxis, Qt::AlignLeft);
        m_bars->attachAxis(m_barAxis);
        m_bars->attachAxis(m_valueAxis);
        m_depth->setVisible(true);
        m_walls->setVisible(true);
        m_marks->setMarks(m_bars, markAt, markText);
        break;
    }
    case GraphKind::Series::Pie:
        break;
    }
    fitFullRanges();
    // The value axis has room above the highest point for its mark.
    const double span = high - low;
    setValueRange(low - span * 0.05, high + (span > 0 ? span * 0.12 : 1));
    m_fullY = rangeOf(m_valueAxis);
    paintColours();
    settle();
}

void GraphChart::settle()
{
    // The title and the axes take their room now, not at the next turn of
    // the event loop: a chart exported right after a build is complete.
    if (QGraphicsLayout *chartLayout = layout())
        chartLayout->activate();
}

void GraphChart::fitFullRanges()
{
    if (m_points.isEmpty()) {
        m_fullX = {0, 1};
    } else if (m_shown == GraphKind::Series::Bar3D) {
        m_fullX = {-0.5, m_points.size() - 0.5};
    } else {
        // A day's margin on each side keeps the first and last points off
        // the walls.
        constexpr double day = 24.0 * 3600 * 1000;
        m_fullX = {GraphPointModel::xOf(m_points.first().date) - day,
                   GraphPointModel::xOf(m_points.last().date) + day};
        if (m_yearly)
            m_fullX = {GraphPointModel::xOf(m_points.first().date) - 8 * day,
                       GraphPointModel::xOf(m_points.last().date) + 8 * day};
    }
    if (m_shown == GraphKind::Series::Bar3D && !m_points.isEmpty())
        m_barAxis->setRange(m_barAxis->categories().value(0), m_barAxis->categories().value(m_points.size() - 1));
    else if (m_yearly)
        m_monthAxis->setRange(m_fullX.min, m_fullX.max);
    else
        m_dateAxis->setRange(QDateTime::fromMSecsSinceEpoch(qint64(m_fullX.min)),
                             QDateTime::fromMSecsSinceEpoch(qint64(m_fullX.max)));
}

void GraphChart::setValueRange(double min, double max)
{
    if (max <= min)
        max = min + 1;
    m_valueAxis->setRange(min, max);
}

void GraphChart::relabelValueAxis()
{
    if (m_relabelling)
        return;
    m_relabelling = true;
    const auto old = m_valueAxis->categoriesLabels();
    for (const QString &label : old)
        m_valueAxis->remove(label);
    m_valueAxis->setStartValue(m_valueAxis->min());
    for (const ValueAxis::Tick &tick : ValueAxis::ticks(m_valueAxis->min(), m_valueAxis->max()))
        m_valueAxis->append(tick.label, tick.value);
    m_relabelling = false;
}

void GraphChart::applyZoom(const ChartZoom &zoom)
{
    if (m_shown == GraphKind::Series::Pie) {
        m_pie->setPieSize(qBound(0.05, 0.62 * zoom.percent() / 100.0, 3.0));
        m_backdrop->update();
        return;
    }
    const ChartZoom::Range y = zoom.visible(m_fullY, rangeOf(m_valueAxis));
    setValueRange(y.min, y.max);
    if (m_shown == GraphKind::Series::Bar3D) {
        // The bars zoom by their value only; every category stays in view.
        return;
    }
    const ChartZoom::Range current = m_yearly ? rangeOf(m_monthAxis)
                                              : ChartZoom::Range{double(m_dateAxis->min().toMSecsSinceEpoch()),
                                                                 double(m_dateAxis->max().toMSecsSinceEpoch())};
    const ChartZoom::Range x = zoom.visible(m_fullX, current);
    if (m_yearly)
        m_monthAxis->setRange(x.min, x.max);
    else
        m_dateAxis->setRange(QDateTime::fromMSecsSinceEpoch(qint64(x.min)), QDateTime::fromMSecsSinceEpoch(qint64(x.max)));
}

void GraphChart::undoZoom()
{
    zoomReset();
    m_pie->setPieSize(0.62);
    if (m_shown != GraphKind::Series::Pie) {
        fitFullRanges();
        setValueRange(m_fullY.min, m_fullY.max);
    }
    m_backdrop->update();
}

void GraphChart::setMonochrome(bool on)
{
    // Back in colour the top of the background is silver: it was white in
    // monochrome.
    if (m_monochrome && !on)
        m_gradientTop = Silver;
    m_monochrome = on;
    paintColours();
}

void GraphChart::paintColours()
{
    const QColor series = m_monochrome ? QColor(Qt::black) : SeriesColour;
    const QColor wall = m_monochrome ? QColor(Qt::black) : WallColour;
    setBackgroundBrush(verticalGradient(m_monochrome ? QColor(Qt::white) : m_gradientTop,
                                        m_monochrome ? Silver : GradientBottom));
    setTitleBrush(m_monochrome ? QColor(Qt::black) : TitleColour);
    setPlotAreaBackgroundVisible(false);

    QPen line(series, 2);
    m_line->setPen(line);
    m_line->setPointsVisible(false);
    m_area->setPen(QPen(series.darker(130), 1));
    m_area->setBrush(m_monochrome ? QColor(160, 160, 160) : series);
    QLinearGradient barFill(0, 0, 1, 0);
    barFill.setCoordinateMode(QGradient::ObjectBoundingMode);
    barFill.setColorAt(0, m_monochrome ? QColor(200, 200, 200) : series.lighter(150));
    barFill.setColorAt(1, m_monochrome ? QColor(90, 90, 90) : series.darker(130));
    m_barSet->setBrush(barFill);
    m_barSet->setPen(QPen(m_monochrome ? QColor(Qt::black) : series.darker(200), 1));

    const QList<QPieSlice *> slices = m_pie->slices();
    for (int i = 0; i < slices.size(); ++i) {
        QPieSlice *slice = slices.at(i);
        if (m_monochrome) {
            const int grey = 60 + (i * 37) % 180;
            slice->setBrush(QColor(grey, grey, grey));
        } else {
            slice->setBrush(QColor::fromHsv((i * 47) % 360, 200, 240));
        }
        slice->setBorderColor(Qt::black);
        slice->setLabelColor(Qt::black);
    }

    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(m_dateAxis), static_cast<QAbstractAxis *>(m_monthAxis),
                                static_cast<QAbstractAxis *>(m_barAxis), static_cast<QAbstractAxis *>(m_valueAxis)}) {
        axis->setLineVisible(false); // the walls are drawn crisp by their own item
        axis->setLabelsColor(Qt::black);
        axis->setGridLinePen(QPen(m_monochrome ? QColor(150, 150, 150) : QColor(255, 255, 255, 140), 1, Qt::DotLine));
    }
    m_walls->setColour(wall);
    m_marks->setMonochrome(m_monochrome);
    m_depth->update();
}
