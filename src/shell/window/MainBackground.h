#pragma once

#include "widgets/GradientFill.h"

#include <QImage>
#include <QWidget>

class QMenu;

// The main window's client area and what shows on it, bottom to top: the
// bare window, the stretched picture Pozadi, and the surface FillBckg1
// with the background gradient Background1 - or, while buttons are moved,
// its silver cross-hatch. The window's popup menu opens on it.
class MainBackground final : public QWidget
{
    Q_OBJECT
public:
    MainBackground(QMenu *popup, QWidget *parent);

    void setGradient(const GradientFill &fill);
    // FillBckg1 shown or not.
    void setSurface(bool shown);
    bool surfaceShown() const { return m_surface; }
    // The stretched picture; a null picture shows none.
    void setPicture(const QImage &picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    // The cross-hatch of the moving mode instead of the gradient.
    void setCrossHatch(bool on);
    bool crossHatch() const { return m_crossHatch; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QMenu *m_popup;
    GradientPicture m_gradient;
    QImage m_picture;
    QImage m_stretched; // the picture at the area's size, made once a size
    bool m_surface = false;
    bool m_crossHatch = false;
};
