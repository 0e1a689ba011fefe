#pragma once

#include <QBasicTimer>
#include <QPointF>
#include <QRandomGenerator>
#include <QWidget>
#include <vector>

// A field of stars flying towards the viewer, drawn on black: the program's
// own screen saver. Each star has a place in space; every step brings it
// nearer by `speed`, and its picture on the screen is its place seen
// through a lens of `zoom`. With warp on a star is drawn as the streak it
// made since the last step. A star that passes the viewer or leaves the
// screen starts again far away.
class StarField : public QWidget
{
    Q_OBJECT
public:
    struct Star
    {
        double x, y, z;   // x, y in [-Spread, Spread]; z in (0, Depth]
        QPointF previous; // where it was drawn last, for the warp streak
        bool drawn = false;
    };
    static constexpr double Spread = 1000.0;
    static constexpr double Depth = 1000.0;
    static constexpr int StepMilliseconds = 40;

    explicit StarField(QWidget *parent = nullptr, quint32 seed = 2009);

    int starCount() const { return int(m_stars.size()); }
    void setStarCount(int count);
    int zoom() const { return m_zoom; }
    void setZoom(int zoom) { m_zoom = zoom; }
    int speed() const { return m_speed; }
    void setSpeed(int speed) { m_speed = speed; }
    bool warp() const { return m_warp; }
    void setWarp(bool on) { m_warp = on; }

    const std::vector<Star> &stars() const { return m_stars; }
    // Where a star appears on a widget of `size`.
    QPointF project(const Star &star, QSizeF size) const;
    // Moves every star one step nearer.
    void step();

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Star bornFar();

    QRandomGenerator m_random;
    std::vector<Star> m_stars;
    int m_zoom = 100;
    int m_speed = 15;
    bool m_warp = true;
    QBasicTimer m_timer;
};
