#include "widgets/LedLamp.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

LedLamp::LedLamp(QWidget *parent) : QWidget(parent) { setFixedSize(15, 15); }

void LedLamp::setOn(bool on)
{
    if (m_on == on)
        return;
    m_on = on;
    update();
}

void LedLamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = m_on ? QColor(230, 0, 0) : QColor(0, 170, 0);
    QRadialGradient light(QPointF(5.5, 5.0), 8.0);
    light.setColorAt(0.0, base.lighter(170));
    light.setColorAt(1.0, base.darker(130));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(light);
    p.drawEllipse(QRectF(1.0, 1.0, 13.0, 13.0));
}

void LedLamp::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && isEnabled())
        emit clicked();
}
