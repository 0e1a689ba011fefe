#include "widgets/DigitalClock.h"

#include "core/data/platform/Clock.h"

#include <QMouseEvent>

DigitalClock::DigitalClock(const Clock &clock, QWidget *parent) : QLabel(parent), m_clock(clock)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(colours);
    QFont digits(QStringLiteral("Monospace"));
    digits.setStyleHint(QFont::TypeWriter);
    digits.setBold(true);
    digits.setPixelSize(15);
    setFont(digits);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        refresh();
        emit ticked();
    });
    m_timer.start();
    refresh();
}

void DigitalClock::refresh() { setText(m_clock.now().time().toString(QStringLiteral("H:mm:ss"))); }

void DigitalClock::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
