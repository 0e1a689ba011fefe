#include "widgets/AnimatedLabel.h"

#include <QPainter>
#include <QTimerEvent>

AnimatedLabel::AnimatedLabel(const QString &text, QWidget *parent) : QWidget(parent), m_text(text) {}

QSize AnimatedLabel::sizeHint() const { return fontMetrics().size(0, m_text) + QSize(8, 6); }

void AnimatedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QFontMetrics metrics(font());
    int x = (width() - metrics.horizontalAdvance(m_text)) / 2;
    const int baseline = (height() + metrics.ascent() - metrics.descent()) / 2;
    for (int i = 0; i < m_text.size(); ++i) {
        const QString letter = m_text.mid(i, 1);
        const int hue = (m_phase * 12 + i * 30) % 360;
        p.setPen(QColor::fromHsv(hue, 200, 190));
        p.drawText(x, baseline, letter);
        x += metrics.horizontalAdvance(letter);
    }
}

void AnimatedLabel::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId())
        return QWidget::timerEvent(event);
    ++m_phase;
    update();
}

void AnimatedLabel::showEvent(QShowEvent *) { m_timer.start(80, this); }

void AnimatedLabel::hideEvent(QHideEvent *) { m_timer.stop(); }
