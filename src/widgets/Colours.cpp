#include "widgets/Colours.h"

namespace Colours {

QColor fromValue(int v)
{
    if (v < 0)
        return QColor();
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int toValue(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

} // namespace Colours
