#include "records/window/Hints.h"

#include "core/app/commands/Hint.h"

#include <QAction>
#include <QWidget>

namespace Hints {

QString tip(const QString &hint) { return Hint::shortPart(hint); }

QString status(const QString &hint) { return Hint::longPart(hint); }

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
