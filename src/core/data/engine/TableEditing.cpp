#include "core/data/engine/Table.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/EngineMessages.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/StoredValues.h"
#include "core/data/engine/TableDetail.h"

#include <algorithm>

// Editing: edit, append and insert, posting, deleting, numbering, and
// batches of posts in one transaction.

using namespace TableDetail;

// ---------------------------------------------------------------- editing

void Table::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void Table::loadBuffer()
{
    // The whole row as stored now, by its identity, so that the walk's
    // narrow scan stays narrow and an edit starts from what is on disk.
    const qint64 id = rows()[m_pos].id;
    m_rowCache.remove(id);
    QVector<QVariant> row;
    if (!readStored(id, row))
        failStale(Operation::Edit, RowDeleted);
    m_rowCache.insert(id, row);
    m_original = row;
    m_buffer = m_original;
    m_modified = false;
}

void Table::edit()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (!isOpen())
        fail(Operation::Edit, QStringLiteral("Tabulka %1 není otevřená.").arg(quotedName(m_tableName)));
    const qint64 current = rows().empty() ? -1 : rows()[m_pos].id;
    try {
        syncWithFile();
    } catch (const EngineError &error) {
        fail(Operation::Edit, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    if (current >= 0 && (m_pos < 0 || rows()[m_pos].id != current))
        failStale(Operation::Edit, RowDeleted);
    if (rows().empty()) {
        append();
        return;
    }
    try {
        loadBuffer();
    } catch (const EngineError &error) {
        if (error.sqliteCode() == 0)
            throw;
        fail(Operation::Edit, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    setState(State::Edit);
}

void Table::append()
{
    if (!isOpen())
        fail(Operation::Edit, QStringLiteral("Tabulka %1 není otevřená.").arg(quotedName(m_tableName)));
    checkBrowseMode();
    emit beforeInsert();
    m_posBeforeInsert = m_pos;
    m_insertRow = int(rows().size());
    m_buffer = QVector<QVariant>(m_layout.size());
    m_original = m_buffer;
    m_modified = false;
    setState(State::Insert);
    m_eof = true;
    m_bof = false;
    notifyInserted(m_insertRow);
    emit afterInsert();
}

void Table::insert()
{
    if (!isOpen())
        fail(Operation::Edit, QStringLiteral("Tabulka %1 není otevřená.").arg(quotedName(m_tableName)));
    checkBrowseMode();
    emit beforeInsert();
    m_posBeforeInsert = m_pos;
    m_insertRow = m_pos < 0 ? 0 : m_pos;
    m_buffer = QVector<QVariant>(m_layout.size());
    m_original = m_buffer;
    m_modified = false;
    setState(State::Insert);
    m_eof = m_bof = false;
    notifyInserted(m_insertRow);
    emit afterInsert();
}

qint64 Table::orderForNewRow()
{
    return OrderKeys::forNewRow(m_all, rows(), m_insertRow);
}

// Spreads the order keys out again when one spot has taken too many
// inserted rows. The rows keep their order; only the hidden keys change.
void Table::respaceOrder()
{
    const QString order = sqlite::quoted(OrderColumn);
    // Two passes so that no new key collides with an old one: first every
    // key turns negative, then each row takes its new positive key.
    m_db.exec(QStringLiteral("UPDATE %1 SET %2 = -%2").arg(m_sql, order));
    sqlite::Statement move;
    move.prepare(m_db, QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %3 = ?2").arg(m_sql, order, sqlite::quoted(IdColumn)));
    const std::vector<qint64> places = OrderKeys::spread(m_all.size());
    std::vector<RowKey> fresh(m_all.size());
    for (size_t i = 0; i < m_all.size(); ++i) {
        fresh[i] = {places[i], m_all[i].id};
        move.bindInt(1, fresh[i].order);
        move.bindInt(2, m_all[i].id);
        move.run();
    }
    // The accepted rows are a subsequence of all rows: map them in one pass.
    size_t j = 0;
    for (RowKey &key : m_shown) {
        while (m_all[j].id != key.id)
            ++j;
        key = fresh[j];
    }
    m_all.swap(fresh);
}

void Table::writeInsert(qint64 order)
{
    // One statement for the table's life: a walk that appends many rows
    // does not compile it again for each.
    if (!m_insert.isPrepared()) {
        QStringList names, marks;
        for (int i = 0; i < m_layout.size(); ++i) {
            names << sqlite::quoted(m_layout.at(i).name);
            marks << QStringLiteral("?%1").arg(i + 1);
        }
        names << sqlite::quoted(OrderColumn);
        marks << QStringLiteral("?%1").arg(m_layout.size() + 1);
        m_insert.prepare(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(m_sql, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    }
    for (int i = 0; i < m_layout.size(); ++i)
        StoredValues::bind(m_insert, i + 1, m_layout.at(i), m_buffer.at(i));
    m_insert.bindInt(int(m_layout.size()) + 1, order);
    m_insert.run();
}

void Table::writeUpdate(const QList<int> &changed)
{
    QStringList sets;
    for (int i = 0; i < changed.size(); ++i)
        sets << sqlite::quoted(m_layout.at(changed[i]).name) + QStringLiteral(" = ?%1").arg(i + 1);
    // One statement for each set of changed fields: the same edit made row
    // after row is compiled once.
    sqlite::Statement &update = statement(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                                              .arg(m_sql, sets.join(QStringLiteral(", ")), sqlite::quoted(IdColumn))
                                              .arg(changed.size() + 1));
    for (int i = 0; i < changed.size(); ++i)
        StoredValues::bind(update, i + 1, m_layout.at(changed[i]), m_buffer.at(changed[i]));
    update.bindInt(int(changed.size()) + 1, rows()[m_pos].id);
    update.run();
}

void Table::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    emit beforePost();
    if (m_state == State::Edit) {
        QList<int> changed;
        for (int i = 0; i < m_layout.size(); ++i)
            if (!FieldCodec::sameValue(m_buffer.at(i), m_original.at(i)))
                changed << i;
        if (!changed.isEmpty()) {
            const bool ownTransaction = !m_db.inTransaction();
            if (ownTransaction)
                checkFileIdentity(Operation::Post);
            resetScan();
            const qint64 id = rows()[m_pos].id;
            QString stale;
            try {
                m_db.exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT table_post");
                // The row is written only as the edit found it: a row that
                // another cursor changed or removed meanwhile is not touched.
                QVector<QVariant> stored;
                if (!readStored(id, stored))
                    stale = RowDeleted;
                else
                    for (int i = 0; i < m_layout.size() && stale.isEmpty(); ++i)
                        if (!FieldCodec::sameValue(stored.at(i), m_original.at(i)))
                            stale = RowChanged;
                if (stale.isEmpty())
                    writeUpdate(changed);
                m_db.exec(ownTransaction ? "COMMIT" : "RELEASE table_post");
            } catch (const EngineError &error) {
                try {
                    m_db.exec(ownTransaction ? "ROLLBACK" : "ROLLBACK TO table_post; RELEASE table_post");
                } catch (const EngineError &) {
                }
                fail(Operation::Post, EngineMessages::explain(error, quotedName(m_tableName)));
            }
            m_rowCache.remove(id);
            if (!stale.isEmpty())
                failStale(Operation::Post, stale);
            keepRow(m_original, -1);
            keepRow(m_buffer, +1);
        }
        m_modified = false;
        setState(State::Browse);
        notifyRow(m_pos);
        emit afterPost();
        return;
    }

    // Insert: give the row its place and, where the table has one, its
    // automatic number.
    const bool ownTransaction = !m_db.inTransaction();
    if (ownTransaction)
        checkFileIdentity(Operation::Post);
    resetScan();
    std::vector<RowKey> allBefore, shownBefore; // kept only when the keys are read again or respaced
    bool respaced = false;
    try {
        m_db.exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT table_post");
        // Another cursor may have added or moved rows: the new row's place
        // is worked out from the keys as they are now.
        if (fileVersion() != m_dataVersion) {
            allBefore = m_all;
            shownBefore = m_shown;
            respaced = true;
            reloadKeepingPlace();
        }
        qint64 order = orderForNewRow();
        if (order < 0) {
            if (!respaced) {
                allBefore = m_all;
                shownBefore = m_shown;
                respaced = true;
            }
            respaceOrder();
            order = orderForNewRow();
        }
        for (int i = 0; i < m_layout.size(); ++i) {
            if (m_layout.at(i).type == FieldType::AutoIncrement && m_buffer.at(i).isNull()) {
                if (m_nextAutoIncrement == 0) {
                    sqlite::Statement top;
                    top.prepare(m_db, QStringLiteral("SELECT coalesce(max(%1), 0) FROM %2").arg(sqlite::quoted(m_layout.at(i).name), m_sql));
                    m_nextAutoIncrement = top.step() ? top.columnInt(0) + 1 : 1;
                }
                m_buffer[i] = int(m_nextAutoIncrement);
            }
        }
        writeInsert(order);
        const qint64 id = m_db.lastInsertRowId();
        m_db.exec(ownTransaction ? "COMMIT" : "RELEASE table_post");
        for (int i = 0; i < m_layout.size(); ++i)
            if (m_layout.at(i).type == FieldType::AutoIncrement && m_buffer.at(i).toLongLong() >= m_nextAutoIncrement)
                m_nextAutoIncrement = m_buffer.at(i).toLongLong() + 1;
        const RowKey key{order, id};
        const auto at = m_all.insert(std::lower_bound(m_all.begin(), m_all.end(), order,
                                                      [](const RowKey &row, qint64 place) { return row.order < place; }),
                                     key);
        // The newest identity anywhere but last breaks the identity order.
        if (m_scanByIdentity && at + 1 != m_all.end()) {
            m_scanByIdentity = false;
            prepareScan();
        }
        if (m_filtering)
            m_shown.insert(m_shown.begin() + m_insertRow, key);
        m_pos = m_insertRow;
        keepRow(m_buffer, +1);
    } catch (const EngineError &error) {
        try {
            m_db.exec(ownTransaction ? "ROLLBACK" : "ROLLBACK TO table_post; RELEASE table_post");
        } catch (const EngineError &) {
        }
        if (respaced) {
            m_all.swap(allBefore);
            m_shown.swap(shownBefore);
            followIdentityOrder();
            m_rowCache.clear();
            m_dataVersion = -1; // the keys are read afresh before the next write
        }
        fail(Operation::Post, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    m_modified = false;
    m_insertRow = -1;
    m_eof = m_bof = false;
    setState(State::Browse);
    notifyRow(m_pos);
    emit afterPost();
}

void Table::cancel()
{
    if (m_state == State::Edit) {
        m_buffer.clear();
        m_modified = false;
        setState(State::Browse);
        notifyRow(m_pos);
    } else if (m_state == State::Insert) {
        const int row = m_insertRow;
        m_buffer.clear();
        m_modified = false;
        m_insertRow = -1;
        m_pos = rows().empty() ? -1 : std::clamp(m_posBeforeInsert, 0, int(rows().size()) - 1);
        m_eof = rows().empty();
        m_bof = rows().empty() || m_pos == 0;
        setState(State::Browse);
        notifyRemoved(row);
        notifyCurrent();
    }
}

void Table::remove()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (!isOpen() || rows().empty())
        fail(Operation::Delete, QStringLiteral("Tabulka %1 je prázdná, není co smazat.").arg(quotedName(m_tableName)));
    if (!m_db.inTransaction())
        checkFileIdentity(Operation::Delete);
    emit beforeDelete();
    emit beforeScroll();
    const RowKey key = rows()[m_pos];
    resetScan();
    bool gone = false;
    QVector<QVariant> removed; // as stored, for the kept figures
    try {
        if (m_keptVersion && !readStored(key.id, removed))
            removed.clear();
        sqlite::Statement &erase =
            statement(QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(m_sql, sqlite::quoted(IdColumn)));
        erase.bindInt(1, key.id);
        erase.run();
        gone = m_db.changes() == 0;
    } catch (const EngineError &error) {
        fail(Operation::Delete, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    m_rowCache.remove(key.id);
    if (gone)
        failStale(Operation::Delete, RowDeleted);
    keepRow(removed, -1);
    const int removedRow = m_pos;
    if (m_filtering) {
        m_all.erase(m_all.begin() + OrderKeys::indexOfId(m_all, key.id));
        m_shown.erase(m_shown.begin() + m_pos);
    } else {
        m_all.erase(m_all.begin() + m_pos);
    }
    // The cursor moves to the next row; after the last row, to the new last
    // row with eof set.
    if (rows().empty()) {
        m_pos = -1;
        m_eof = m_bof = true;
    } else if (m_pos >= int(rows().size())) {
        m_pos = int(rows().size()) - 1;
        m_eof = true;
        m_bof = false;
    } else {
        m_eof = false;
        m_bof = m_pos == 0;
    }
    notifyRemoved(removedRow);
    notifyCurrent();
    emit afterDelete();
    emit afterScroll();
}

void Table::emptyTable()
{
    if (!isOpen())
        fail(Operation::Delete, QStringLiteral("Tabulka %1 není otevřená.").arg(quotedName(m_tableName)));
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    if (!m_db.inTransaction())
        checkFileIdentity(Operation::Delete);
    emit beforeScroll();
    resetScan();
    try {
        m_db.exec(QStringLiteral("DELETE FROM %1").arg(m_sql));
    } catch (const EngineError &error) {
        fail(Operation::Delete, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    m_rowCache.clear();
    m_all.clear();
    m_shown.clear();
    followIdentityOrder();
    m_pos = -1;
    m_eof = m_bof = true;
    m_dataVersion = fileVersion();
    if (m_keptVersion) {
        m_keptUnits = 0;
        m_keptHolding = 0;
        m_keptVersion = m_dataVersion;
    }
    notifyReset();
    emit afterScroll();
}

// ---------------------------------------------------------------- numbering

int Table::numberRows(int numberField, const std::optional<EmptyFill> &fill, const QList<int> &sumFields,
                      const QList<int> &heldFields)
{
    if (!isOpen())
        return 0;
    checkBrowseMode();
    try {
        syncWithFile();
    } catch (const EngineError &error) {
        fail(Operation::Update, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    if (!m_db.inTransaction())
        checkFileIdentity(Operation::Update);
    const QString number = sqlite::quoted(m_layout.at(numberField).name);
    const QString id = sqlite::quoted(IdColumn);
    QVariant filled;
    QString filledField;
    if (fill) {
        filled = FieldCodec::normalized(m_layout.at(fill->field), fill->value);
        filledField = sqlite::quoted(m_layout.at(fill->field).name);
    }
    // One pass over the rows finds those whose number or filled field is
    // not what it should be; only those are written, afterwards, each
    // with one of two statements prepared once.
    struct Change
    {
        qint64 id;
        qint64 place;
        int fill; // 0 keep, 1 fill in, 2 empty
    };
    std::vector<Change> changes;
    // The figures read on the way, when they are asked for and the filled
    // field is none of theirs (filling it would change them). Their fields
    // are read as stored and added up here: SQLite working out the sums and
    // the condition for every row costs more than the reading.
    const bool figures = (!sumFields.isEmpty() || !heldFields.isEmpty())
                         && !(fill && (sumFields.contains(fill->field) || heldFields.contains(fill->field)));
    const int figuresAt = fill ? 3 : 2;
    QList<int> figureFields; // each once, in the order first named
    if (figures)
        for (int field : sumFields + heldFields)
            if (!figureFields.contains(field))
                figureFields << field;
    QString figureColumns;
    for (int field : figureFields)
        figureColumns += QStringLiteral(", ") + sqlite::quoted(m_layout.at(field).name);
    std::vector<int> sumColumns;
    std::vector<std::pair<int, const FieldDef *>> heldColumns;
    if (figures) {
        for (int field : sumFields)
            sumColumns.push_back(figuresAt + int(figureFields.indexOf(field)));
        for (int field : heldFields)
            heldColumns.emplace_back(figuresAt + int(figureFields.indexOf(field)), &m_layout.at(field));
    }
    const QByteArray cleared = fill ? fill->clearedText.toUtf8() : QByteArray();
    qint64 units = 0;
    qint64 holding = 0;
    const bool ownTransaction = !m_db.inTransaction();
    resetScan();
    try {
        m_db.exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT table_numbering");
        try {
            // The keys must be the file's own: another connection may
            // have written before this one took the write lock.
            if (fileVersion() != m_dataVersion)
                reloadKeepingPlace();
            // SQLite hands every row to the pass inside its own loop, in
            // the order it scans them; each row's place comes from the keys.
            sqlite::Statement &rows = statement(QStringLiteral("SELECT %1(%2, %3%4%5) FROM %6")
                                                    .arg(QLatin1String(sqlite::VisitFunction), id, number,
                                                         fill ? QStringLiteral(", ") + filledField : QString(),
                                                         figureColumns, m_sql));
            OrderKeys::Places places(m_all);
            bool strangers = false;
            m_db.visit(rows, [&](const sqlite::RowValues &row) {
                const qint64 rowId = row.columnInt(0);
                const qint64 place = places.of(rowId);
                if (place == 0) {
                    strangers = true;
                    return;
                }
                const bool numbered = !row.isNull(1) && row.columnInt(1) == place;
                int filling = 0;
                if (fill) {
                    const QByteArrayView text = row.columnUtf8(2);
                    if (text == cleared)
                        filling = 2;
                    else if (text.isEmpty() && !filled.isNull())
                        filling = 1;
                }
                if (!numbered || filling != 0)
                    changes.push_back({rowId, place, filling});
                for (int column : sumColumns)
                    units += row.columnInt(column);
                for (const auto &[column, def] : heldColumns)
                    if (storedHolds(row, column, *def)) {
                        ++holding;
                        break;
                    }
            });
            // Under the write lock with the keys just read, every row is
            // known; if one is not, nothing is numbered by stale keys.
            if (strangers)
                throw EngineError(RowChanged.arg(quotedName(m_tableName)));
            for (const Change &change : changes) {
                sqlite::Statement &update =
                    change.fill == 0
                        ? statement(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %3 = ?2").arg(m_sql, number, id))
                        : statement(QStringLiteral("UPDATE %1 SET %2 = ?1, %3 = ?3 WHERE %4 = ?2")
                                        .arg(m_sql, number, filledField, id));
                update.bindInt(1, change.place);
                update.bindInt(2, change.id);
                if (change.fill == 1)
                    StoredValues::bind(update, 3, m_layout.at(fill->field), filled);
                else if (change.fill == 2)
                    update.bindNull(3);
                update.run();
            }
            m_db.exec(ownTransaction ? "COMMIT" : "RELEASE table_numbering");
        } catch (...) {
            try {
                m_db.exec(ownTransaction ? "ROLLBACK" : "ROLLBACK TO table_numbering; RELEASE table_numbering");
            } catch (const EngineError &) {
            }
            throw;
        }
    } catch (const EngineError &error) {
        fail(Operation::Update, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    const int written = int(changes.size());
    if (figures) {
        m_keptSumFields = sumFields;
        m_keptHeldFields = heldFields;
        m_keptUnits = units;
        m_keptHolding = holding;
        m_keptVersion = fileVersion();
    }
    if (written > 0) {
        m_rowCache.clear();
        if (m_filtered)
            applyFilter(); // a filter may look at what was written
        notifyReset();
    }
    return written;
}

// ---------------------------------------------------------------- batches

void Table::beginBatch()
{
    if (!isOpen() || m_batch)
        return;
    checkFileIdentity(Operation::Update);
    resetScan();
    try {
        m_db.exec("BEGIN IMMEDIATE");
    } catch (const EngineError &error) {
        fail(Operation::Update, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    m_batch = true;
}

void Table::commitBatch()
{
    if (!m_batch)
        return;
    checkBrowseMode();
    resetScan();
    try {
        m_db.exec("COMMIT");
    } catch (const EngineError &error) {
        fail(Operation::Update, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    m_batch = false;
}

void Table::rollbackBatch()
{
    if (!m_batch)
        return;
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    resetScan();
    try {
        m_db.exec("ROLLBACK");
    } catch (const EngineError &) {
    }
    m_batch = false;
    refresh();
}
