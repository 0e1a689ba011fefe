#include "widgets/Emblems.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Emblems {

namespace {

QPixmap blank(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void tick(QPainter &p, QRectF box, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(box.left(), box.center().y());
    path.lineTo(box.left() + box.width() * 0.4, box.bottom());
    path.lineTo(box.right(), box.top());
    p.setPen(QPen(colour, box.width() * 0.22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void computer(QPainter &p, double s)
{
    // Screen, stand and keyboard, with a green tick on the screen.
    p.setPen(QPen(QColor(60, 60, 60), s / 32));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.08, s * 0.76, s * 0.56), s * 0.04, s * 0.04);
    p.setBrush(QColor(20, 60, 130));
    p.drawRect(QRectF(s * 0.2, s * 0.15, s * 0.6, s * 0.42));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(s * 0.42, s * 0.64, s * 0.16, s * 0.1));
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.76, s * 0.84, s * 0.16), s * 0.03, s * 0.03);
    tick(p, QRectF(s * 0.32, s * 0.22, s * 0.36, s * 0.28), QColor(60, 220, 60));
}

void disc(QPainter &p, double s, const QColor &fill)
{
    p.setPen(QPen(fill.darker(160), s / 24));
    QRadialGradient shine(s * 0.35, s * 0.3, s * 0.7);
    shine.setColorAt(0, fill.lighter(160));
    shine.setColorAt(1, fill);
    p.setBrush(shine);
    p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
}

void centredText(QPainter &p, QRectF box, const QString &text, const QColor &colour, double pixelSize)
{
    QFont font(QStringLiteral("Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(1, int(pixelSize)));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void calculator(QPainter &p, QRectF r)
{
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(70, 80, 95));
    p.drawRoundedRect(r, 10, 10);
    const QRectF display(r.left() + r.width() * 0.1, r.top() + r.height() * 0.08, r.width() * 0.8, r.height() * 0.2);
    p.setBrush(QColor(190, 215, 170));
    p.drawRect(display);
    centredText(p, display.adjusted(4, 0, -4, 0), QStringLiteral("1 234,50"), QColor(30, 40, 30), display.height() * 0.6);
    const double keyW = r.width() * 0.8 / 4, keyH = r.height() * 0.6 / 4;
    const char *keys = "789/456*123-0,=+";
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const QRectF key(r.left() + r.width() * 0.1 + col * keyW + 2, r.top() + r.height() * 0.34 + row * keyH + 2,
                             keyW - 4, keyH - 4);
            p.setPen(QPen(QColor(30, 30, 30), 1));
            p.setBrush(col == 3 ? QColor(230, 140, 40) : QColor(225, 225, 225));
            p.drawRoundedRect(key, 3, 3);
            centredText(p, key, QString(QLatin1Char(keys[row * 4 + col])), QColor(20, 20, 20), key.height() * 0.6);
        }
}

void calendar(QPainter &p, QRectF r)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const QRectF head(r.left(), r.top(), r.width(), r.height() * 0.24);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(head);
    centredText(p, head, QStringLiteral("LEDEN"), Qt::white, head.height() * 0.55);
    centredText(p, QRectF(r.left(), head.bottom(), r.width(), r.height() - head.height()), QStringLiteral("31"),
                QColor(30, 30, 30), r.height() * 0.5);
    p.setPen(QPen(QColor(80, 80, 80), 3));
    for (double x : {0.25, 0.75})
        p.drawLine(QPointF(r.left() + r.width() * x, r.top() - 8), QPointF(r.left() + r.width() * x, r.top() + 10));
}

void addresses(QPainter &p, QRectF r)
{
    p.setPen(QPen(QColor(90, 70, 40), 2));
    p.setBrush(QColor(250, 240, 200));
    p.drawRoundedRect(r, 6, 6);
    const QRectF face(r.left() + r.width() * 0.08, r.top() + r.height() * 0.15, r.width() * 0.3, r.height() * 0.5);
    p.setBrush(QColor(120, 150, 200));
    p.drawRect(face);
    p.setBrush(QColor(240, 210, 170));
    p.drawEllipse(QRectF(face.left() + face.width() * 0.25, face.top() + face.height() * 0.1, face.width() * 0.5,
                         face.height() * 0.42));
    p.drawChord(QRectF(face.left() + face.width() * 0.1, face.top() + face.height() * 0.55, face.width() * 0.8,
                       face.height() * 0.8),
                0, 180 * 16);
    p.setPen(QPen(QColor(110, 100, 80), 3, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const double y = r.top() + r.height() * (0.22 + line * 0.15);
        p.drawLine(QPointF(r.left() + r.width() * 0.46, y), QPointF(r.right() - r.width() * 0.08, y));
    }
}

void telephone(QPainter &p, QRectF r)
{
    // A desk telephone: the body, the dial and the handset on top.
    p.setPen(QPen(QColor(50, 10, 10), 2));
    p.setBrush(QColor(190, 30, 30));
    QPainterPath body;
    body.moveTo(r.left() + r.width() * 0.18, r.top() + r.height() * 0.42);
    body.lineTo(r.right() - r.width() * 0.18, r.top() + r.height() * 0.42);
    body.lineTo(r.right(), r.bottom());
    body.lineTo(r.left(), r.bottom());
    body.closeSubpath();
    p.drawPath(body);
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.1, r.width(), r.height() * 0.22), 12, 12);
    p.setBrush(QColor(245, 245, 245));
    const QRectF dial(r.center().x() - r.width() * 0.2, r.top() + r.height() * 0.5, r.width() * 0.4,
                      r.width() * 0.4);
    p.drawEllipse(dial);
    p.setBrush(QColor(60, 60, 60));
    for (int hole = 0; hole < 10; ++hole) {
        QTransform turn;
        turn.translate(dial.center().x(), dial.center().y());
        turn.rotate(30 + hole * 28);
        const QPointF at = turn.map(QPointF(dial.width() * 0.34, 0));
        p.drawEllipse(at, dial.width() * 0.06, dial.width() * 0.06);
    }
}

void gear(QPainter &p, QRectF r)
{
    const QPointF centre = r.center();
    const double outer = r.width() / 2, inner = outer * 0.74;
    QPainterPath path;
    const int teeth = 10;
    for (int i = 0; i < teeth * 2; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        for (double part : {-0.5, 0.5}) {
            const double angle = (i + part) * M_PI / teeth;
            const QPointF at(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
            if (path.isEmpty())
                path.moveTo(at);
            else
                path.lineTo(at);
        }
    }
    path.closeSubpath();
    path.addEllipse(centre, inner * 0.4, inner * 0.4);
    path.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(50, 50, 60), 2));
    QLinearGradient metal(r.topLeft(), r.bottomRight());
    metal.setColorAt(0, QColor(220, 225, 235));
    metal.setColorAt(1, QColor(110, 120, 140));
    p.setBrush(metal);
    p.drawPath(path);
}

void consumption(QPainter &p, QRectF r)
{
    // A drop of water beside a light bulb and a gas flame: the three logs.
    QPainterPath drop;
    const QRectF d(r.left(), r.top() + r.height() * 0.2, r.width() * 0.34, r.height() * 0.6);
    drop.moveTo(d.center().x(), d.top());
    drop.cubicTo(d.right(), d.top() + d.height() * 0.55, d.right(), d.bottom(), d.center().x(), d.bottom());
    drop.cubicTo(d.left(), d.bottom(), d.left(), d.top() + d.height() * 0.55, d.center().x(), d.top());
    p.setPen(QPen(QColor(20, 70, 150), 2));
    p.setBrush(QColor(70, 150, 230));
    p.drawPath(drop);

    const QRectF b(r.left() + r.width() * 0.36, r.top(), r.width() * 0.3, r.height() * 0.55);
    p.setPen(QPen(QColor(120, 100, 20), 2));
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(b);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(b.center().x() - b.width() * 0.2, b.bottom() - 2, b.width() * 0.4, r.height() * 0.16));

    QPainterPath flame;
    const QRectF f(r.left() + r.width() * 0.7, r.top() + r.height() * 0.3, r.width() * 0.3, r.height() * 0.55);
    flame.moveTo(f.center().x(), f.top());
    flame.cubicTo(f.right(), f.top() + f.height() * 0.5, f.right(), f.bottom(), f.center().x(), f.bottom());
    flame.cubicTo(f.left(), f.bottom(), f.left(), f.top() + f.height() * 0.5, f.center().x(), f.top());
    p.setPen(QPen(QColor(20, 40, 140), 2));
    QLinearGradient gas(f.topLeft(), f.bottomLeft());
    gas.setColorAt(0, QColor(120, 190, 255));
    gas.setColorAt(1, QColor(30, 60, 220));
    p.setBrush(gas);
    p.drawPath(flame);
}

void information(QPainter &p, QRectF r)
{
    const double s = qMin(r.width(), r.height());
    p.translate(r.center().x() - s / 2, r.center().y() - s / 2);
    disc(p, s, QColor(30, 90, 200));
    centredText(p, QRectF(0, 0, s, s), QStringLiteral("i"), Qt::white, s * 0.66);
}

} // namespace

QPixmap question(int kind, int size)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    switch (kind) {
    case 1:
        disc(p, s, QColor(40, 100, 210));
        centredText(p, QRectF(0, 0, s, s), QStringLiteral("?"), Qt::white, s * 0.66);
        break;
    case 2: {
        disc(p, s, QColor(210, 30, 30));
        p.setPen(QPen(Qt::white, s * 0.13, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
        break;
    }
    case 3: information(p, QRectF(0, 0, s, s)); break;
    default: computer(p, s); break;
    }
    return pixmap;
}

QPixmap picture(Picture which, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(size.width() * 0.15, size.height() * 0.15,
                                                                       -size.width() * 0.15, -size.height() * 0.15);
    switch (which) {
    case Picture::Calculator: calculator(p, area.adjusted(area.width() * 0.12, 0, -area.width() * 0.12, 0)); break;
    case Picture::Calendar: calendar(p, area); break;
    case Picture::Addresses: addresses(p, area.adjusted(0, area.height() * 0.15, 0, -area.height() * 0.15)); break;
    case Picture::Telephone: telephone(p, area); break;
    case Picture::Settings: gear(p, area); break;
    case Picture::Consumption: consumption(p, area); break;
    case Picture::Information: information(p, area); break;
    }
    return pixmap;
}

QPixmap programIcon(int size)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // A green ledger book ...
    p.setPen(QPen(QColor(20, 70, 30), s / 32));
    p.setBrush(QColor(40, 140, 60));
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.1, s * 0.62, s * 0.8), s * 0.06, s * 0.06);
    p.setBrush(QColor(245, 240, 220));
    p.drawRect(QRectF(s * 0.16, s * 0.18, s * 0.46, s * 0.64));
    p.setPen(QPen(QColor(120, 120, 120), s / 40));
    for (int line = 0; line < 5; ++line)
        p.drawLine(QPointF(s * 0.2, s * (0.28 + line * 0.11)), QPointF(s * 0.58, s * (0.28 + line * 0.11)));
    // ... and a gold coin in front of it.
    p.setPen(QPen(QColor(140, 100, 10), s / 28));
    QRadialGradient gold(s * 0.68, s * 0.62, s * 0.3);
    gold.setColorAt(0, QColor(255, 235, 120));
    gold.setColorAt(1, QColor(215, 160, 30));
    p.setBrush(gold);
    p.drawEllipse(QRectF(s * 0.48, s * 0.45, s * 0.46, s * 0.46));
    centredText(p, QRectF(s * 0.48, s * 0.45, s * 0.46, s * 0.46), QStringLiteral("Kč"), QColor(120, 80, 0), s * 0.18);
    return pixmap;
}

QPixmap alarmClock(int size, int tilt, bool crossed)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.translate(s / 2, s / 2);
    p.rotate(12.0 * tilt);
    p.translate(-s / 2, -s / 2);
    // Feet, bells and the hammer between them.
    const QColor metal(170, 30, 30);
    p.setPen(QPen(metal.darker(180), s / 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.3, s * 0.8), QPointF(s * 0.2, s * 0.94));
    p.drawLine(QPointF(s * 0.7, s * 0.8), QPointF(s * 0.8, s * 0.94));
    p.drawLine(QPointF(s * 0.5, s * 0.14), QPointF(s * 0.5, s * 0.06));
    p.setPen(QPen(metal.darker(180), s / 32));
    p.setBrush(metal);
    p.drawChord(QRectF(s * 0.04, s * 0.04, s * 0.36, s * 0.36), 45 * 16, 180 * 16);
    p.drawChord(QRectF(s * 0.6, s * 0.04, s * 0.36, s * 0.36), -45 * 16, 180 * 16);
    // The case and the face with its hands at ten past ten.
    QRadialGradient shine(s * 0.4, s * 0.4, s * 0.5);
    shine.setColorAt(0, metal.lighter(150));
    shine.setColorAt(1, metal);
    p.setBrush(shine);
    p.drawEllipse(QRectF(s * 0.12, s * 0.16, s * 0.76, s * 0.76));
    p.setBrush(QColor(250, 248, 235));
    const QRectF face(s * 0.2, s * 0.24, s * 0.6, s * 0.6);
    p.drawEllipse(face);
    p.setPen(QPen(QColor(40, 40, 40), s / 20, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = face.center();
    p.drawLine(centre, centre + QPointF(-s * 0.14, -s * 0.1));
    p.drawLine(centre, centre + QPointF(s * 0.17, -s * 0.14));
    if (crossed) {
        p.resetTransform();
        p.setPen(QPen(QColor(40, 40, 40), s / 10, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.12, s * 0.88), QPointF(s * 0.88, s * 0.12));
    }
    return pixmap;
}

} // namespace Emblems
