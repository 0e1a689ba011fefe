#include "graphs/window/ChartOverlays.h"

#include <QAbstractSeries>
#include <QBarSet>
#include <QChart>
#include <QPainter>
#include <QPieSeries>
#include <QtMath>

ChartOverlay::ChartOverlay(QChart *chart) : QGraphicsObject(chart), m_chart(chart)
{
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        prepareGeometryChange();
        update();
    });
}

QRectF ChartOverlay::boundingRect() const { return m_chart->rect(); }

// ---------------------------------------------------------------- bars

BarDepthItem::BarDepthItem(QChart *chart, QAbstractSeries *series, QBarSet *set)
    : ChartOverlay(chart), m_series(series), m_set(set)
{
    setZValue(BehindSeries);
}

void BarDepthItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!m_series->isVisible() || !m_series->chart() || m_set->count() == 0)
        return;
    const QRectF plot = chart()->plotArea();
    painter->save();
    painter->setClipRect(plot);
    const QColor face = m_set->brush().gradient() ? m_set->brush().gradient()->stops().first().second : m_set->color();
    const QColor top = face.lighter(130);
    const QColor side = face.darker(150);
    painter->setPen(QPen(face.darker(200), 0));
    for (int i = 0; i < m_set->count(); ++i) {
        const qreal value = m_set->at(i);
        const QPointF a = chart()->mapToPosition(QPointF(i - m_barWidth / 2, value), m_series);
        const QPointF b = chart()->mapToPosition(QPointF(i + m_barWidth / 2, 0), m_series);
        const qreal slot = chart()->mapToPosition(QPointF(i + 1, 0), m_series).x() -
                           chart()->mapToPosition(QPointF(i, 0), m_series).x();
        const qreal depth = qMax<qreal>(2, slot * DepthShare);
        const qreal left = a.x(), right = b.x(), upper = qMin(a.y(), b.y()), lower = qMax(a.y(), b.y());
        const QPointF shift(depth, -depth);
        const QPolygonF topFace{QPointF(left, upper), QPointF(right, upper), QPointF(right, upper) + shift,
                                QPointF(left, upper) + shift};
        const QPolygonF sideFace{QPointF(right, upper), QPointF(right, lower), QPointF(right, lower) + shift,
                                 QPointF(right, upper) + shift};
        painter->setBrush(side);
        painter->drawPolygon(sideFace);
        painter->setBrush(top);
        painter->drawPolygon(topFace);
    }
    painter->restore();
}

// ---------------------------------------------------------------- marks

PointMarksItem::PointMarksItem(QChart *chart) : ChartOverlay(chart) { setZValue(OverEverything); }

void PointMarksItem::setMarks(QAbstractSeries *series, QVector<QPointF> at, QStringList labels)
{
    m_series = series;
    m_at = std::move(at);
    m_labels = std::move(labels);
    update();
}

void PointMarksItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    m_drawn = 0;
    if (!m_series || !m_series->chart() || m_at.isEmpty())
        return;
    const QRectF plot = chart()->plotArea();
    painter->save();
    painter->setClipRect(chart()->rect());
    QFont font = painter->font();
    font.setPointSizeF(7.5);
    painter->setFont(font);
    const QFontMetricsF metrics(font);
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(m_monochrome ? QColor(Qt::white) : QColor(255, 255, 225));
    QRectF last;
    for (int i = 0; i < m_at.size(); ++i) {
        const QPointF point = chart()->mapToPosition(m_at.at(i), m_series);
        if (!plot.adjusted(-1, -1, 1, 1).contains(point))
            continue;
        // A point under the last mark has no room for its own: skip it
        // before its text is measured.
        if (!last.isNull() && point.x() < last.right() + 2)
            continue;
        const QString &text = m_labels.at(i);
        const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
        QRectF box(QPointF(point.x() - size.width() / 2, point.y() - size.height() - 8), size);
        if (box.top() < plot.top())
            box.moveTop(point.y() + 8);
        if (!last.isNull() && box.intersects(last))
            continue;
        painter->drawLine(point, QPointF(point.x(), box.top() < point.y() ? box.bottom() : box.top()));
        painter->drawRect(box);
        painter->drawText(box, Qt::AlignCenter, text);
        last = box;
        ++m_drawn;
    }
    painter->restore();
}

// ---------------------------------------------------------------- pie

PieBackdropItem::PieBackdropItem(QChart *chart, QPieSeries *pie) : ChartOverlay(chart), m_pie(pie)
{
    setZValue(BehindSeries);
}

QRectF PieBackdropItem::pieRect() const
{
    const QRectF plot = chart()->plotArea();
    const qreal diameter = qMin(plot.width(), plot.height()) * m_pie->pieSize();
    const QPointF centre(plot.left() + plot.width() * m_pie->horizontalPosition(),
                         plot.top() + plot.height() * m_pie->verticalPosition());
    return QRectF(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
}

void PieBackdropItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!m_pie->chart() || m_pie->count() == 0)
        return;
    const QRectF pie = pieRect();
    const qreal margin = pie.width() * 0.04;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(QColor(192, 192, 192));
    painter->setPen(QPen(QColor(128, 128, 128), 1));
    painter->drawEllipse(pie.adjusted(-margin, -margin, margin, margin));
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(128, 128, 128));
    painter->drawEllipse(pie.translated(margin / 2, margin / 2));
    painter->restore();
}

// ---------------------------------------------------------------- walls

WallsItem::WallsItem(QChart *chart) : ChartOverlay(chart) { setZValue(BehindSeries); }

void WallsItem::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void WallsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRect plot = chart()->plotArea().toAlignedRect();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(m_colour, 0));
    painter->drawLine(plot.left(), plot.top(), plot.left(), plot.bottom());
    painter->drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    painter->restore();
}
