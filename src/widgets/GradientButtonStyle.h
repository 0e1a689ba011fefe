#pragma once

#include "widgets/GradientFill.h"

#include <QProxyStyle>

// The shared button gradient: every push button of the program is painted
// with it, inside the desktop style's frame; a pressed or checked button
// shows it backwards. A button that wears a colour of its own (property
// PlainButton set) is left plain.
class GradientButtonStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Installs the style once for the whole application and gives it the
    // gradient; the buttons shown are painted again.
    static void apply(const GradientFill &fill);
    static GradientButtonStyle *installed();
    static constexpr char PlainButton[] = "plainButton";

    const GradientFill &fill() const { return m_picture.fill(); }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    GradientButtonStyle();
    mutable GradientPicture m_picture;
};
