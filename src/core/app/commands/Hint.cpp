#include "core/app/commands/Hint.h"

namespace Hint {

QString shortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace Hint
