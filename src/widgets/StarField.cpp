#include "widgets/StarField.h"

#include <QPainter>
#include <QTimerEvent>

StarField::StarField(QWidget *parent, quint32 seed) : QWidget(parent), m_random(seed)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStarCount(300);
}

void StarField::setStarCount(int count)
{
    m_stars.clear();
    m_stars.reserve(std::size_t(qMax(0, count)));
    for (int i = 0; i < count; ++i) {
        Star star = bornFar();
        star.z = 1.0 + m_random.bounded(Depth - 1.0); // the first field fills the whole depth
        m_stars.push_back(star);
    }
}

StarField::Star StarField::bornFar()
{
    Star star;
    star.x = m_random.bounded(2 * Spread) - Spread;
    star.y = m_random.bounded(2 * Spread) - Spread;
    star.z = Depth;
    return star;
}

QPointF StarField::project(const Star &star, QSizeF size) const
{
    // At the far end the whole spread fits into a tenth of the screen; a
    // star twice as near is twice as far from the centre.
    const double scale = m_zoom * qMin(size.width(), size.height()) / (200.0 * Spread);
    return {size.width() / 2 + star.x * scale * Depth / (10.0 * star.z),
            size.height() / 2 + star.y * scale * Depth / (10.0 * star.z)};
}

void StarField::step()
{
    const QSizeF area = size().isEmpty() ? QSizeF(640, 480) : QSizeF(size());
    const QRectF visible(QPointF(0, 0), area);
    for (Star &star : m_stars) {
        star.previous = project(star, area);
        star.drawn = true;
        star.z -= m_speed;
        if (star.z <= 1.0 || !visible.contains(project(star, area)))
            star = bornFar();
    }
}

void StarField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF area = size();
    for (const Star &star : m_stars) {
        // Near stars are brighter and bigger.
        const double nearness = 1.0 - star.z / Depth;
        const int grey = 80 + int(175 * nearness);
        const QPointF at = project(star, area);
        QPen pen(QColor(grey, grey, grey), 1.0 + 2.0 * nearness, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        if (m_warp && star.drawn)
            painter.drawLine(star.previous, at);
        else
            painter.drawPoint(at);
    }
}

void StarField::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId())
        return QWidget::timerEvent(event);
    step();
    update();
}

void StarField::showEvent(QShowEvent *) { m_timer.start(StepMilliseconds, this); }

void StarField::hideEvent(QHideEvent *) { m_timer.stop(); }
