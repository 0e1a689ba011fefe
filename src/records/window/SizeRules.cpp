#include "records/window/SizeRules.h"

#include <algorithm>

RecordSizes RecordSizes::forWidth(int w, bool onResize)
{
    auto atLeast0 = [](int value) { return std::max(0, value); };
    RecordSizes sizes;
    sizes.toolbarWidth = atLeast0(w - (onResize ? 16 : 14));
    sizes.gridWidth = atLeast0(w - 16);
    sizes.infoColumnWidth = atLeast0(w - 255);
    sizes.lampLeft = atLeast0(w - 38);
    sizes.clockWidth = atLeast0(w - 542);
    sizes.supplementWidth = atLeast0(w / 2 - 32);
    sizes.statusPanel1Width = atLeast0(w - 443);
    return sizes;
}
