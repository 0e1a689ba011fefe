#include "shell/window/MainBackground.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

MainBackground::MainBackground(QMenu *popup, QWidget *parent) : QWidget(parent), m_popup(popup)
{
    setObjectName(QStringLiteral("ClientArea"));
}

void MainBackground::setGradient(const GradientFill &fill)
{
    if (fill == m_gradient.fill())
        return;
    m_gradient.setFill(fill);
    update();
}

void MainBackground::setSurface(bool shown)
{
    if (shown == m_surface)
        return;
    m_surface = shown;
    update();
}

void MainBackground::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_stretched = QImage();
    update();
}

void MainBackground::setCrossHatch(bool on)
{
    if (on == m_crossHatch)
        return;
    m_crossHatch = on;
    update();
}

void MainBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_surface && m_crossHatch) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.fillRect(rect(), QBrush(QColor(192, 192, 192), Qt::DiagCrossPattern));
        return;
    }
    if (m_surface) {
        painter.drawImage(0, 0, m_gradient.image(size()));
        return;
    }
    if (!m_picture.isNull()) {
        if (m_stretched.size() != size())
            m_stretched = m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(0, 0, m_stretched);
    }
}

void MainBackground::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_popup)
        m_popup->popup(event->globalPos());
}

void MainBackground::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}
