#include "core/app/StatusRelay.h"

void StatusRelay::setStatusText(const QString &text)
{
    if (m_target)
        m_target->setStatusText(text);
}

void StatusRelay::setBusy(bool busy)
{
    if (m_target)
        m_target->setBusy(busy);
}
