#include "widgets/CaptionBand.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

CaptionBand::CaptionBand(QWidget *window, bool gradient, QColor colour, QWidget *parent)
    : QLabel(window->windowTitle(), parent ? parent : window)
{
    setObjectName(QStringLiteral("CaptionBand"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setContentsMargins(6, 2, 6, 2);
    setGradient(gradient, colour);
    connect(window, &QWidget::windowTitleChanged, this, &QLabel::setText);
}

void CaptionBand::setGradient(bool gradient, QColor colour)
{
    m_gradient = gradient;
    m_colour = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_gradient ? QColor(Qt::white) : QApplication::palette().color(QPalette::WindowText));
    setPalette(colours);
    update();
}

void CaptionBand::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        if (m_gradient) {
            QLinearGradient band(rect().topLeft(), rect().topRight());
            band.setColorAt(0, m_colour);
            band.setColorAt(1, palette().color(QPalette::Window));
            painter.fillRect(rect(), band);
        } else {
            painter.fillRect(rect(), palette().color(QPalette::Mid));
        }
    }
    QLabel::paintEvent(event);
}
