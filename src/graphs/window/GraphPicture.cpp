#include "graphs/window/GraphPicture.h"

#include <QPainter>

GraphPicture::GraphPicture(QWidget *parent) : FlashedPicture(QSize(Width, Height), parent)
{
    setObjectName(QStringLiteral("ObrazekGrafu"));
}

void GraphPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(218, 218, 218));
    sky.setColorAt(1, QColor(0, 168, 249));
    painter.fillRect(rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    // A few bars and the line of their running total.
    const int heights[] = {60, 110, 80, 140, 100};
    const int base = height() - 30;
    painter.setPen(QPen(QColor(0, 153, 0), 2));
    painter.drawLine(20, base, width() - 15, base);
    painter.drawLine(20, 25, 20, base);
    QPolygonF line;
    for (int i = 0; i < 5; ++i) {
        const QRect bar(30 + i * 32, base - heights[i], 20, heights[i]);
        QLinearGradient fill(bar.topLeft(), bar.topRight());
        fill.setColorAt(0, QColor(255, 120, 120));
        fill.setColorAt(1, QColor(170, 0, 0));
        painter.fillRect(bar, fill);
        line << QPointF(bar.center().x(), base - heights[i] - 12);
    }
    painter.setPen(QPen(QColor(0, 0, 128), 3));
    painter.drawPolyline(line);
    painter.setPen(QColor(0, 0, 128));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(12);
    painter.setFont(font);
    painter.drawText(QRect(0, 4, width(), 22), Qt::AlignCenter, QStringLiteral("Grafy"));
    painter.end();
    QFrame::paintEvent(event);
}
