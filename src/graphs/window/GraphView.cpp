#include "graphs/window/GraphView.h"

#include <QMouseEvent>

GraphView::GraphView(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setToolTip(QStringLiteral("Graf"));
    setMouseZoom(true);
}

void GraphView::setMouseZoom(bool allowed)
{
    m_mouseZoom = allowed;
    setRubberBand(allowed ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
}

void GraphView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    m_pressedAt = event->position().toPoint();
    QChartView::mousePressEvent(event);
}

void GraphView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        // The right button opens the menu; it never zooms out here.
        event->accept();
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    const bool dragged = (event->position().toPoint() - m_pressedAt).manhattanLength() > 4;
    QChartView::mouseReleaseEvent(event);
    if (m_mouseZoom && event->button() == Qt::LeftButton && dragged)
        emit zoomedByMouse();
}

void GraphView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit doubleClicked();
        return;
    }
    QChartView::mouseDoubleClickEvent(event);
}
