#pragma once

#include "widgets/GradientFill.h"

#include <QFrame>

// A framed panel with a gradient of its own under its children (the
// loading window's background).
class GradientPanel : public QFrame
{
    Q_OBJECT
public:
    GradientPanel(const GradientFill &fill, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GradientPicture m_picture;
};
