#include "widgets/WindowBackground.h"

#include <QPainter>

WindowBackground &WindowBackground::shared()
{
    static WindowBackground background;
    return background;
}

void WindowBackground::setGradient(const GradientFill &fill)
{
    m_gradient.setFill(fill);
    m_texture = false;
    m_picture = QImage();
}

void WindowBackground::setTexture(const QImage &picture)
{
    m_picture = picture;
    m_texture = true;
}

void WindowBackground::paint(QPainter &painter, const QRect &area)
{
    if (m_texture)
        paintTexture(painter, area, m_picture);
    else if (!area.isEmpty())
        painter.drawImage(area.topLeft(), m_gradient.image(area.size()));
}
