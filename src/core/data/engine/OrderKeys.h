#pragma once

#include <QtGlobal>
#include <utility>
#include <vector>

// A row as a cursor knows it: its place in the stored order and its
// identity, which is never reused.
struct RowKey
{
    qint64 order = 0;
    qint64 id = 0;
};

// The stored order of a table's rows. New rows are placed far apart, so
// that many rows can be inserted at one spot before the places must be
// spread out again.
namespace OrderKeys {

constexpr qint64 Gap = qint64(1) << 32;

// The place for a new row going before row `before` of `shown` (a
// subsequence of `all`, both in stored order), or after every row when
// `before` is past the end. The rows a filter hides between the two keep
// their places. -1 when the neighbours leave no room.
qint64 forNewRow(const std::vector<RowKey> &all, const std::vector<RowKey> &shown, int before);

// Places for `count` rows, spread out evenly in stored order.
std::vector<qint64> spread(size_t count);

// Where the row with this identity is in `rows`, or -1.
int indexOfId(const std::vector<RowKey> &rows, qint64 id);

// The places 1 ... N of the rows in stored order, found by identity in
// whatever order the rows are met. Met in stored order, each row is
// simply the next one; any other is looked up.
class Places
{
public:
    explicit Places(const std::vector<RowKey> &all);
    // 0 for a row that is not among them.
    qint64 of(qint64 id);

private:
    const std::vector<RowKey> &m_all;
    std::vector<std::pair<qint64, qint64>> m_byId; // (identity, place), sorted
    size_t m_next = 0;                             // the place the next row in order would take, less one
};

} // namespace OrderKeys
