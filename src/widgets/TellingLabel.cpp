#include "widgets/TellingLabel.h"

#include "core/data/platform/Prompter.h"

#include <QMouseEvent>

TellingLabel::TellingLabel(QString text, Prompter &prompter, QWidget *parent)
    : QLabel(parent), m_text(std::move(text)), m_prompter(prompter)
{
    setCursor(Qt::PointingHandCursor);
}

void TellingLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_prompter.message(m_text);
    QLabel::mouseReleaseEvent(event);
}
