#pragma once

#include "widgets/GradientFill.h"

#include <QImage>

class QPainter;
class QRect;

// The shared window background PozadiOkna, under every window and dialog
// of the program and the start menu: a gradient, or a picture laid out as
// a texture. The program's look sets it; the dialog frame paints it.
class WindowBackground
{
public:
    static WindowBackground &shared();

    void setGradient(const GradientFill &fill);
    // The texture form; an empty picture paints nothing.
    void setTexture(const QImage &picture);
    bool isTexture() const { return m_texture; }
    const GradientFill &gradient() const { return m_gradient.fill(); }

    void paint(QPainter &painter, const QRect &area);

private:
    GradientPicture m_gradient;
    QImage m_picture;
    bool m_texture = false;
};
