#include "widgets/Label3D.h"

#include <QPainter>

Label3D::Label3D(const QString &text, QWidget *parent) : QWidget(parent), m_text(text) {}

void Label3D::setText(const QString &text)
{
    m_text = text;
    updateGeometry();
    update();
}

QSize Label3D::sizeHint() const { return fontMetrics().size(0, m_text) + QSize(4, 4); }

void Label3D::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QRect box = rect().adjusted(0, 0, -2, -2);
    p.setPen(Qt::white);
    p.drawText(box.translated(-1, -1), Qt::AlignCenter, m_text);
    p.setPen(QColor(90, 90, 90));
    p.drawText(box.translated(2, 2), Qt::AlignCenter, m_text);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(box, Qt::AlignCenter, m_text);
}
