#pragma once

#include <QLabel>
#include <QTimer>

class Clock;

// The clock `Cas1` of the record window's toolbar: the time, read from the
// program's clock once a second. A click is reported (the alarm settings).
class DigitalClock : public QLabel
{
    Q_OBJECT
public:
    DigitalClock(const Clock &clock, QWidget *parent = nullptr);

    // Shows the clock's time now.
    void refresh();

signals:
    void clicked();
    void ticked(); // once a second, after the time was shown

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const Clock &m_clock;
    QTimer m_timer;
};
