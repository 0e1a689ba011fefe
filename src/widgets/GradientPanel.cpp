#include "widgets/GradientPanel.h"

#include <QPainter>

GradientPanel::GradientPanel(const GradientFill &fill, QWidget *parent) : QFrame(parent) { m_picture.setFill(fill); }

void GradientPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture.image(size()));
    }
    QFrame::paintEvent(event);
}
