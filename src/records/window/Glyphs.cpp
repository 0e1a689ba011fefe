#include "records/window/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace Glyphs {

namespace {

constexpr int Size = 16;
const QColor Navy(0, 0, 128);
const QColor Green(0, 140, 0);
const QColor Red(200, 0, 0);

QPixmap canvas()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void triangle(QPainter &p, bool up, qreal top)
{
    QPolygonF shape;
    if (up)
        shape << QPointF(8, top) << QPointF(14, top + 6) << QPointF(2, top + 6);
    else
        shape << QPointF(2, top) << QPointF(14, top) << QPointF(8, top + 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawPolygon(shape);
}

void drawControl(QPainter &p, ToolbarControl control)
{
    p.setRenderHint(QPainter::Antialiasing);
    switch (control) {
    case ToolbarControl::BtnHledani:
        p.setPen(QPen(Navy, 2));
        p.setBrush(QColor(210, 230, 255));
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.setPen(QPen(QColor(90, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(14, 14));
        break;
    case ToolbarControl::BtnFiltrace: {
        QPolygonF funnel;
        funnel << QPointF(1, 2) << QPointF(15, 2) << QPointF(10, 8) << QPointF(10, 14) << QPointF(6, 12)
               << QPointF(6, 8);
        p.setPen(QPen(Navy, 1));
        p.setBrush(QColor(250, 200, 60));
        p.drawPolygon(funnel);
        break;
    }
    case ToolbarControl::S1:
        p.fillRect(QRectF(2, 2, 12, 2), Navy);
        triangle(p, true, 6);
        break;
    case ToolbarControl::S3: triangle(p, true, 5); break;
    case ToolbarControl::S2: triangle(p, false, 5); break;
    case ToolbarControl::S4:
        triangle(p, false, 4);
        p.fillRect(QRectF(2, 12, 12, 2), Navy);
        break;
    case ToolbarControl::E1:
        p.fillRect(QRectF(7, 2, 3, 12), Green);
        p.fillRect(QRectF(2, 7, 12, 3), Green);
        break;
    case ToolbarControl::E2: p.fillRect(QRectF(2, 7, 12, 3), Red); break;
    case ToolbarControl::E3:
        p.setPen(QPen(Green, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF() << QPointF(3, 8) << QPointF(7, 12) << QPointF(13, 3));
        break;
    case ToolbarControl::E4:
        p.setPen(QPen(Red, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case ToolbarControl::MenuNastaveni: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 110));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(8, 8);
            p.rotate(45.0 * i);
            p.drawRect(QRectF(-1.5, -7.5, 3, 4));
            p.restore();
        }
        p.drawEllipse(QRectF(3, 3, 10, 10));
        p.setBrush(QColor(230, 230, 240));
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    }
    case ToolbarControl::MenuGrafu:
        p.fillRect(QRectF(2, 8, 3, 6), QColor(0, 100, 200));
        p.fillRect(QRectF(6, 3, 3, 11), Red);
        p.fillRect(QRectF(10, 6, 3, 8), Green);
        p.fillRect(QRectF(1, 14, 14, 1), Qt::black);
        break;
    case ToolbarControl::RowColour: {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(Navy);
        p.drawText(QRectF(0, -1, 16, 13), Qt::AlignCenter, QStringLiteral("A"));
        p.fillRect(QRectF(2, 12, 4, 3), Red);
        p.fillRect(QRectF(6, 12, 4, 3), Green);
        p.fillRect(QRectF(10, 12, 4, 3), QColor(0, 0, 220));
        break;
    }
    case ToolbarControl::BtnZavrit:
        p.setPen(QPen(QColor(90, 50, 20), 1));
        p.setBrush(QColor(170, 110, 60));
        p.drawRect(QRectF(3, 1.5, 9, 13));
        p.setBrush(QColor(250, 220, 90));
        p.drawEllipse(QRectF(9, 7, 2, 2));
        break;
    case ToolbarControl::BtnCalc:
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(225, 225, 215));
        p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
        p.fillRect(QRectF(4, 2, 8, 3), QColor(150, 200, 150));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                p.fillRect(QRectF(4 + column * 3, 7 + row * 3, 2, 2), QColor(60, 60, 60));
        break;
    default: break;
    }
}

} // namespace

QIcon toolbar(ToolbarControl control)
{
    QPixmap pixmap = canvas();
    {
        QPainter painter(&pixmap);
        drawControl(painter, control);
    }
    return QIcon(pixmap);
}

QIcon menuEntry(int position)
{
    // A small leaf of paper with a coloured corner; the colour follows the
    // position round a circle of hues.
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tint = QColor::fromHsv((position * 47) % 360, 170, 210);
    QPainterPath page;
    page.moveTo(3, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(13, 4.5);
    page.lineTo(13, 14.5);
    page.lineTo(3, 14.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    p.drawRect(QRectF(5, 6, 6, 6));
    return QIcon(pixmap);
}

} // namespace Glyphs
