#include "widgets/Hints.h"

#include <QAction>
#include <QWidget>

namespace Hints {

QString tip(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString status(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void apply(QWidget *widget, const QString &hint)
{
    widget->setToolTip(tip(hint));
    widget->setStatusTip(status(hint));
}

void apply(QAction *action, const QString &hint)
{
    action->setToolTip(tip(hint));
    action->setStatusTip(status(hint));
}

} // namespace Hints
