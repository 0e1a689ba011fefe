#pragma once

#include <QColor>
#include <QLabel>

// The band at the top of a window that carries its title on the title-bar
// gradient (the desktop draws the real title bar): from the gradient's
// colour to the window colour, or plain. It follows the window's title.
class CaptionBand : public QLabel
{
    Q_OBJECT
public:
    CaptionBand(QWidget *window, bool gradient, QColor colour, QWidget *parent = nullptr);

    void setGradient(bool gradient, QColor colour);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_gradient;
    QColor m_colour;
};
