#pragma once

#include <QString>

class QAction;
class QWidget;

// A hint "tip|status text": the part before the bar is the tooltip, the
// part after it goes to the status bar. A hint without a bar is both.
namespace Hints {

QString tip(const QString &hint);
QString status(const QString &hint);
void apply(QWidget *widget, const QString &hint);
void apply(QAction *action, const QString &hint);

} // namespace Hints
