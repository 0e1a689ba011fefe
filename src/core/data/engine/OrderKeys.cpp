#include "core/data/engine/OrderKeys.h"

#include <algorithm>
#include <limits>

namespace OrderKeys {

qint64 forNewRow(const std::vector<RowKey> &all, const std::vector<RowKey> &shown, int before)
{
    if (before < 0 || before >= int(shown.size()))
        return all.empty() ? Gap : all.back().order + Gap;
    const qint64 next = shown[size_t(before)].order;
    const auto it = std::lower_bound(all.begin(), all.end(), next,
                                     [](const RowKey &row, qint64 order) { return row.order < order; });
    const qint64 previous = it == all.begin() ? 0 : (it - 1)->order;
    if (next - previous < 2)
        return -1;
    return previous + (next - previous) / 2;
}

std::vector<qint64> spread(size_t count)
{
    qint64 gap = Gap;
    while (gap > 2 && qint64(count + 2) > std::numeric_limits<qint64>::max() / 2 / gap)
        gap /= 2;
    std::vector<qint64> places(count);
    for (size_t i = 0; i < count; ++i)
        places[i] = qint64(i + 1) * gap;
    return places;
}

int indexOfId(const std::vector<RowKey> &rows, qint64 id)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].id == id)
            return int(i);
    return -1;
}

} // namespace OrderKeys
