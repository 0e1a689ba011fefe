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

Places::Places(const std::vector<RowKey> &all) : m_all(all) {}

qint64 Places::of(qint64 id)
{
    if (m_next < m_all.size() && m_all[m_next].id == id)
        return qint64(++m_next);
    if (m_byId.empty()) {
        m_byId.reserve(m_all.size());
        for (size_t i = 0; i < m_all.size(); ++i)
            m_byId.emplace_back(m_all[i].id, qint64(i + 1));
        std::sort(m_byId.begin(), m_byId.end());
    }
    const auto found = std::lower_bound(m_byId.begin(), m_byId.end(), std::pair<qint64, qint64>(id, 0));
    if (found == m_byId.end() || found->first != id)
        return 0;
    m_next = size_t(found->second);
    return found->second;
}

} // namespace OrderKeys
