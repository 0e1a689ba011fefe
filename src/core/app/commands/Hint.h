#pragma once

#include <QString>

// A hint "tip|status text": the part before the bar is the short tip shown
// beside the mouse, the part after it goes to the status bar. A hint
// without a bar is both.
namespace Hint {

QString shortPart(const QString &hint);
QString longPart(const QString &hint);

} // namespace Hint
