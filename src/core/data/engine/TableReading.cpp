#include "core/data/engine/Table.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/EngineMessages.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/StoredValues.h"
#include "core/data/engine/TableDetail.h"
#include "core/data/engine/RowFilter.h"

#include <QSet>
#include <algorithm>
#include <limits>

// Reading stored rows: the scan that walks follow, single rows by
// identity, whole-table reads, the aggregates, and the filters.

using namespace TableDetail;

// ---------------------------------------------------------------- reading

void Table::resetScan() const
{
    if (m_scanLive)
        m_scan.reset();
    m_scanLive = false;
    m_scanPos = -1;
}

// The scan reads only the fields asked for so far: a walk that sums one
// field makes SQLite decode one column, not the whole row. Asking for
// another field widens the statement once and puts it back on its row.
//
// It goes by a key that ascends in stored order: the order key, or, while
// the identities follow the stored order (rows appended one after another),
// the identity itself. Then the scan runs straight along the stored rows
// instead of looking each row up from the order key's index, and SQLite
// need not decode the row up to its last column.
void Table::prepareScan() const
{
    QStringList names;
    for (int field : m_scanFields)
        names << sqlite::quoted(m_layout.at(field).name);
    const QString key = sqlite::quoted(m_scanByIdentity ? IdColumn : OrderColumn);
    names << key << sqlite::quoted(IdColumn);
    m_scan.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ?1 ORDER BY %3")
                             .arg(names.join(QStringLiteral(", ")), m_sql, key));
}

void Table::followIdentityOrder()
{
    const bool byIdentity = std::is_sorted(m_all.begin(), m_all.end(),
                                           [](const RowKey &a, const RowKey &b) { return a.id < b.id; });
    if (byIdentity == m_scanByIdentity)
        return;
    resetScan();
    m_scanByIdentity = byIdentity;
    prepareScan();
}

int Table::scanColumn(int field) const
{
    if (m_scanColumnOf[size_t(field)] >= 0)
        return m_scanColumnOf[size_t(field)];
    const bool live = m_scanLive;
    const qint64 key = m_scanKey;
    m_scanColumnOf[size_t(field)] = int(m_scanFields.size());
    m_scanFields << field;
    prepareScan();
    if (live) {
        m_scan.bindInt(1, key);
        m_scanLive = m_scan.step() && m_scan.columnInt(int(m_scanFields.size())) == key;
        if (!m_scanLive) {
            m_scan.reset();
            m_scanPos = -1;
        }
    }
    return m_scanColumnOf[size_t(field)];
}

// Puts the scan statement on the current row. A walk in stored order only
// steps the statement; any other move seeks by the key. The row found there
// must have the identity the cursor knows, or it is not the row.
bool Table::seekCurrent() const
{
    if (m_pos < 0 || m_pos >= int(rows().size()))
        return false;
    const RowKey wanted = rows()[m_pos];
    if (m_scanLive && m_scanPos == m_pos)
        return true;
    const qint64 wantedKey = m_scanByIdentity ? wanted.id : wanted.order;
    const int keyColumn = int(m_scanFields.size());
    const int idColumn = keyColumn + 1;
    if (m_scanLive && m_scanPos >= 0 && m_scanPos == m_pos - 1 && m_scanKey < wantedKey) {
        while (m_scan.step()) {
            m_scanKey = m_scan.columnInt(keyColumn);
            m_scanId = m_scan.columnInt(idColumn);
            if (m_scanKey >= wantedKey)
                break;
        }
        if (m_scanKey == wantedKey && m_scanId == wanted.id) {
            m_scanPos = m_pos;
            return true;
        }
    }
    m_scan.reset();
    m_scan.bindInt(1, wantedKey);
    m_scanLive = m_scan.step();
    m_scanKey = m_scanLive ? m_scan.columnInt(keyColumn) : 0;
    m_scanId = m_scanLive ? m_scan.columnInt(idColumn) : 0;
    m_scanPos = m_scanLive && m_scanKey == wantedKey && m_scanId == wanted.id ? m_pos : -1;
    return m_scanPos == m_pos;
}

QVariant Table::storedValue(int field) const
{
    try {
        const int column = scanColumn(field);
        if (m_probing)
            return StoredValues::read(m_scan, column, m_layout.at(field));
        if (m_pos < 0 || m_pos >= int(rows().size()))
            return QVariant();
        if (!seekCurrent()) // the row moved or went away under another cursor
            return fetchedValue(rows()[m_pos].id, field);
        return StoredValues::read(m_scan, column, m_layout.at(field));
    } catch (const EngineError &) {
        resetScan();
        throw;
    }
}

bool Table::readStored(qint64 id, QVector<QVariant> &row) const
{
    row = QVector<QVariant>(m_layout.size());
    m_fetch.bindInt(1, id);
    bool found = false;
    try {
        found = m_fetch.step();
        if (found)
            for (int i = 0; i < m_layout.size(); ++i)
                row[i] = StoredValues::read(m_fetch, i, m_layout.at(i));
    } catch (...) {
        m_fetch.reset();
        throw;
    }
    m_fetch.reset();
    return found;
}

QVariant Table::fetchedValue(qint64 id, int field) const
{
    auto cached = m_rowCache.constFind(id);
    if (cached == m_rowCache.cend()) {
        QVector<QVariant> row;
        readStored(id, row);
        if (m_rowCache.size() >= RowCacheLimit)
            m_rowCache.clear();
        cached = m_rowCache.insert(id, row);
    }
    return cached->at(field);
}

void Table::readShownRows(const QList<int> &fields, const std::function<void(const QVector<QVariant> &)> &visit) const
{
    if (!isOpen())
        return;
    QStringList names;
    for (int field : fields)
        names << sqlite::quoted(m_layout.at(field).name);
    names << sqlite::quoted(IdColumn);
    const bool filtering = m_filtering;
    QVector<QVariant> values(fields.size());
    try {
        if (m_scanByIdentity) {
            // Stored order is the order of the identities, in which SQLite
            // scans the table when it may use no index: the rows are handed
            // over inside its loop, and the shown ones are picked along the
            // shown keys, which ascend the same way.
            // A statement of its own: what the visit calls may read the
            // table again.
            sqlite::Statement rows;
            rows.prepare(m_db, QStringLiteral("SELECT %1(%2) FROM %3 NOT INDEXED")
                                   .arg(QLatin1String(sqlite::VisitFunction), names.join(QStringLiteral(", ")), m_sql));
            size_t next = 0;
            m_db.visit(rows, [&](const sqlite::RowValues &row) {
                if (filtering) {
                    const qint64 id = row.columnInt(int(fields.size()));
                    while (next < m_shown.size() && m_shown[next].id < id)
                        ++next;
                    if (next == m_shown.size() || m_shown[next].id != id)
                        return;
                }
                for (int i = 0; i < fields.size(); ++i)
                    values[i] = StoredValues::read(row, i, m_layout.at(fields[i]));
                visit(values);
            });
            return;
        }
        QSet<qint64> shown;
        if (filtering) {
            shown.reserve(qsizetype(m_shown.size()));
            for (const RowKey &row : m_shown)
                shown.insert(row.id);
        }
        sqlite::Statement walk;
        walk.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                               .arg(names.join(QStringLiteral(", ")), m_sql, sqlite::quoted(OrderColumn)));
        while (walk.step()) {
            if (filtering && !shown.contains(walk.columnInt(int(fields.size()))))
                continue;
            for (int i = 0; i < fields.size(); ++i)
                values[i] = StoredValues::read(walk, i, m_layout.at(fields[i]));
            visit(values);
        }
    } catch (const EngineError &error) {
        throw EngineError(EngineMessages::explain(error, quotedName(m_tableName)), error.sqliteCode());
    }
}

Table::Bookmark Table::highestBookmark() const
{
    if (!isOpen())
        return 0;
    try {
        sqlite::Statement top;
        top.prepare(m_db, QStringLiteral("SELECT max(%1) FROM %2").arg(sqlite::quoted(IdColumn), m_sql));
        return top.step() ? top.columnInt(0) : 0;
    } catch (const EngineError &error) {
        throw EngineError(EngineMessages::explain(error, quotedName(m_tableName)), error.sqliteCode());
    }
}

void Table::readRowsAfter(Bookmark after, const QList<int> &fields,
                          const std::function<void(const QVector<QVariant> &)> &visit) const
{
    if (!isOpen())
        return;
    QStringList names;
    for (int field : fields)
        names << sqlite::quoted(m_layout.at(field).name);
    try {
        sqlite::Statement rows;
        rows.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 > ?1")
                               .arg(names.join(QStringLiteral(", ")), m_sql, sqlite::quoted(IdColumn)));
        rows.bindInt(1, after);
        QVector<QVariant> values(fields.size());
        while (rows.step()) {
            for (int i = 0; i < fields.size(); ++i)
                values[i] = StoredValues::read(rows, i, m_layout.at(fields[i]));
            visit(values);
        }
    } catch (const EngineError &error) {
        throw EngineError(EngineMessages::explain(error, quotedName(m_tableName)), error.sqliteCode());
    }
}

int Table::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_layout.size(); ++i)
        if (m_layout.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field Table::field(const QString &name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw EngineError(QStringLiteral("Pole %1 v tabulce %2 nebylo nalezeno.").arg(quotedName(name), quotedName(m_tableName)));
    return Field(const_cast<Table *>(this), index);
}

QVariant Table::value(int field) const
{
    if (!isOpen() || field < 0 || field >= m_layout.size())
        return QVariant();
    if (!m_probing && (m_state == State::Edit || m_state == State::Insert))
        return m_buffer.at(field);
    return storedValue(field);
}

void Table::setValue(int field, const QVariant &value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        throw EngineError(QStringLiteral("Tabulka %1 není v režimu úprav ani vkládání.").arg(quotedName(m_tableName)));
    if (field < 0 || field >= m_layout.size())
        throw EngineError(QStringLiteral("Pole č. %1 v tabulce %2 neexistuje.").arg(field + 1).arg(quotedName(m_tableName)));
    const QVariant normal = FieldCodec::normalized(m_layout.at(field), value);
    if (FieldCodec::sameValue(m_buffer.at(field), normal) && normal.metaType() == m_buffer.at(field).metaType())
        return;
    m_buffer[field] = normal;
    m_modified = true;
    emit fieldChanged(field);
    notifyRow(controlCurrentRow());
}

// ---------------------------------------------------------------- aggregates

namespace {

bool isTextField(const FieldDef &def)
{
    return def.type == FieldType::Text || def.type == FieldType::Memo || def.type == FieldType::FormattedMemo;
}

} // namespace

qint64 Table::keptUnits(const QVector<QVariant> &row) const
{
    qint64 units = 0;
    for (int field : m_keptSumFields)
        if (field < row.size() && !row.at(field).isNull())
            units += row.at(field).value<Money>().units();
    return units;
}

int Table::keptHolding(const QVector<QVariant> &row) const
{
    // As the count's condition reads it in SQL below.
    for (int field : m_keptHeldFields) {
        if (field >= row.size() || row.at(field).isNull())
            continue;
        const QVariant &value = row.at(field);
        const FieldDef &def = m_layout.at(field);
        const bool holds = isTextField(def)                   ? !value.toString().isEmpty()
                           : def.type == FieldType::Money ? value.value<Money>().units() != 0
                           : def.type == FieldType::Logical ? value.toBool()
                                                            : value.toDouble() != 0;
        if (holds)
            return 1;
    }
    return 0;
}

void Table::keepRow(const QVector<QVariant> &row, int sign)
{
    if (!m_keptVersion)
        return;
    m_keptUnits += sign * keptUnits(row);
    m_keptHolding += sign * keptHolding(row);
}

QString Table::summedValue(int field) const
{
    // Money is kept as whole ten-thousandths; the cast reads any other
    // stored form as a row read does.
    return QStringLiteral("CAST(%1 AS INTEGER)").arg(sqlite::quoted(m_layout.at(field).name));
}

QString Table::holdingCondition(const QList<int> &fields) const
{
    QStringList held;
    for (int field : fields) {
        const QString name = sqlite::quoted(m_layout.at(field).name);
        held << (isTextField(m_layout.at(field)) ? QStringLiteral("coalesce(%1, '') <> ''").arg(name)
                                                 : QStringLiteral("coalesce(%1, 0) <> 0").arg(name));
    }
    return held.join(QStringLiteral(" OR "));
}

bool Table::storedHolds(const sqlite::RowValues &row, int column, const FieldDef &def)
{
    // The condition above as SQLite reads it: anything that is not null
    // differs from '' in a text field unless it is an empty text, and from
    // 0 in a number field unless it is a zero number.
    switch (row.columnType(column)) {
    case sqlite::ValueType::Null:
        return false;
    case sqlite::ValueType::Integer:
        return isTextField(def) || row.columnInt(column) != 0;
    case sqlite::ValueType::Real:
        return isTextField(def) || row.columnDouble(column) != 0;
    case sqlite::ValueType::Text:
        return !isTextField(def) || !row.columnUtf8(column).isEmpty();
    case sqlite::ValueType::Blob:
        return true;
    }
    return false;
}

Table::StoredFigures Table::storedFigures(const QList<int> &sumFields, const QList<int> &heldFields)
{
    if (!isOpen())
        return {};
    try {
        const qint64 version = fileVersion();
        if (sumFields != m_keptSumFields || heldFields != m_keptHeldFields || !m_keptVersion || *m_keptVersion != version) {
            QStringList sums;
            for (int field : sumFields)
                sums << QStringLiteral("coalesce(sum(%1), 0)").arg(summedValue(field));
            sqlite::Statement &figures = statement(
                QStringLiteral("SELECT %1, %2 FROM %3")
                    .arg(sums.isEmpty() ? QStringLiteral("0") : sums.join(QStringLiteral(" + ")),
                         heldFields.isEmpty()
                             ? QStringLiteral("0")
                             : QStringLiteral("count(*) FILTER (WHERE %1)").arg(holdingCondition(heldFields)),
                         m_sql));
            const bool read = figures.step();
            m_keptUnits = read ? figures.columnInt(0) : 0;
            m_keptHolding = read ? figures.columnInt(1) : 0;
            figures.reset();
            m_keptSumFields = sumFields;
            m_keptHeldFields = heldFields;
            m_keptVersion = version;
        }
    } catch (const EngineError &error) {
        m_keptVersion.reset();
        throw EngineError(EngineMessages::explain(error, quotedName(m_tableName)), error.sqliteCode());
    }
    return {Money::fromUnits(m_keptUnits), int(m_keptHolding)};
}

// ---------------------------------------------------------------- filters

void Table::setFilter(Predicate predicate)
{
    m_predicate = std::move(predicate);
    m_filterText.clear();
    if (m_filtered && isOpen()) {
        applyFilter();
        first();
        notifyReset();
    }
}

void Table::setFilterText(const QString &expression)
{
    const std::optional<PrefixFilter> filter = PrefixFilter::parse(expression);
    if (!filter)
        throw EngineError(QStringLiteral("Filtr %1 nemá tvar Pole = 'text*'.").arg(quotedName(expression)));
    setFilter([this, filter = *filter](const Table &table) {
        const int index = table.fieldIndex(filter.field);
        return index >= 0
               && filter.accepts(table.field(index).asString(), m_filterCaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
    });
    m_filterText = expression;
}

void Table::setFilterCaseInsensitive(bool on)
{
    if (m_filterCaseInsensitive == on)
        return;
    m_filterCaseInsensitive = on;
    if (m_filtered && isOpen()) {
        applyFilter();
        first();
        notifyReset();
    }
}

void Table::setFiltered(bool on)
{
    if (m_filtered == on)
        return;
    if (isOpen())
        checkBrowseMode();
    m_filtered = on;
    if (isOpen()) {
        applyFilter();
        first();
        notifyReset();
    }
}

// One walk over the whole table in stored order, asking the predicate of
// each row.
void Table::applyFilter()
{
    resetScan();
    m_rowCache.clear();
    if (!m_filtered || !m_predicate) {
        showAllRows();
        return;
    }
    std::vector<RowKey> accepted;
    m_probing = true;
    try {
        m_scan.bindInt(1, std::numeric_limits<qint64>::min());
        m_scanLive = true;
        while (m_scan.step()) {
            m_scanKey = m_scan.columnInt(int(m_scanFields.size()));
            m_scanId = m_scan.columnInt(int(m_scanFields.size()) + 1);
            if (!m_predicate(*this)) // may widen the scan, which keeps its row
                continue;
            if (!m_scanByIdentity) {
                accepted.push_back({m_scanKey, m_scanId});
                continue;
            }
            // Scanning by identity, the order key is the one all rows hold
            // (sorted by identity then); a row written meanwhile by another
            // connection waits for the keys to be read again.
            const auto known = std::lower_bound(m_all.begin(), m_all.end(), m_scanId,
                                                [](const RowKey &row, qint64 id) { return row.id < id; });
            if (known != m_all.end() && known->id == m_scanId)
                accepted.push_back(*known);
        }
    } catch (...) {
        m_probing = false;
        resetScan();
        throw;
    }
    m_probing = false;
    resetScan();
    m_shown.swap(accepted);
    m_filtering = true;
    if (m_pos >= int(rows().size()))
        m_pos = int(rows().size()) - 1;
}
