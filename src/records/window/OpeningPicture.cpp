#include "records/window/OpeningPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

OpeningPicture::OpeningPicture(QWidget *parent) : FlashedPicture(QSize(Width, Height), parent)
{
    setObjectName(QStringLiteral("UvodniObrazek"));
}

void OpeningPicture::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = contentsRect();
        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0.0, QColor(0, 0, 128));
        sky.setColorAt(1.0, QColor(150, 190, 255));
        p.fillRect(area, sky);

        // The ledger, open on two pages with ruled lines and figures.
        const QRectF left(area.left() + 18, area.top() + 78, 86, 118);
        const QRectF right(left.right(), left.top(), 86, 118);
        p.setPen(QPen(QColor(110, 70, 30), 2));
        p.setBrush(QColor(140, 80, 30));
        p.drawRoundedRect(left.united(right).adjusted(-5, -5, 5, 7), 4, 4);
        p.setPen(QPen(QColor(160, 160, 150), 1));
        p.setBrush(QColor(255, 255, 230));
        p.drawRect(left);
        p.drawRect(right);
        for (int line = 1; line < 9; ++line) {
            const qreal y = left.top() + line * 13;
            p.setPen(QPen(QColor(170, 190, 220), 1));
            p.drawLine(QPointF(left.left() + 6, y), QPointF(left.right() - 6, y));
            p.drawLine(QPointF(right.left() + 6, y), QPointF(right.right() - 6, y));
            p.setPen(QPen(line % 3 == 0 ? QColor(200, 0, 0) : QColor(0, 110, 0), 2));
            const qreal length = 14 + (line * 7) % 20;
            p.drawLine(QPointF(right.right() - 8 - length, y - 4), QPointF(right.right() - 8, y - 4));
            p.setPen(QPen(QColor(0, 0, 128), 1.5));
            p.drawLine(QPointF(left.left() + 8, y - 4), QPointF(left.left() + 8 + 30 + (line * 11) % 30, y - 4));
        }

        // A coin at the lower right.
        QRadialGradient gold(QPointF(area.right() - 48, area.bottom() - 52), 24);
        gold.setColorAt(0.0, QColor(255, 240, 150));
        gold.setColorAt(1.0, QColor(200, 150, 20));
        p.setPen(QPen(QColor(150, 100, 0), 2));
        p.setBrush(gold);
        p.drawEllipse(QPointF(area.right() - 45, area.bottom() - 45), 22, 22);
        QFont coin = font();
        coin.setBold(true);
        coin.setPixelSize(15);
        p.setFont(coin);
        p.setPen(QColor(130, 80, 0));
        p.drawText(QRectF(area.right() - 67, area.bottom() - 67, 44, 44), Qt::AlignCenter, QStringLiteral("Kč"));

        QFont title = font();
        title.setBold(true);
        title.setItalic(true);
        title.setPixelSize(24);
        p.setFont(title);
        p.setPen(Qt::white);
        p.drawText(QRectF(area.left(), area.top() + 18, area.width(), 40), Qt::AlignCenter, QStringLiteral("Rozvahon"));
    }
    QFrame::paintEvent(event);
}
