#include "widgets/GradientButtonStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOption>

namespace {
QPointer<GradientButtonStyle> &installedStyle()
{
    static QPointer<GradientButtonStyle> style;
    return style;
}
} // namespace

GradientButtonStyle::GradientButtonStyle() : QProxyStyle(nullptr) {}

GradientButtonStyle *GradientButtonStyle::installed() { return installedStyle(); }

void GradientButtonStyle::apply(const GradientFill &fill)
{
    QPointer<GradientButtonStyle> &style = installedStyle();
    if (!style) {
        style = new GradientButtonStyle;
        QApplication::setStyle(style); // the application owns it
    }
    if (style->fill() == fill)
        return;
    style->m_picture.setFill(fill);
    for (QWidget *widget : QApplication::allWidgets())
        if (qobject_cast<QPushButton *>(widget))
            widget->update();
}

void GradientButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                        const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_PanelButtonCommand || !qobject_cast<const QPushButton *>(widget) ||
        widget->property(PlainButton).toBool())
        return;
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button || (button->features & QStyleOptionButton::Flat) || !(button->state & State_Enabled))
        return;
    const QRect inside = option->rect.adjusted(2, 2, -2, -2);
    if (inside.isEmpty())
        return;
    const bool down = button->state & (State_Sunken | State_On);
    painter->drawImage(inside.topLeft(), m_picture.image(inside.size(), !down));
}
