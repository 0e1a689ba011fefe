#pragma once

#include "core/data/engine/EngineError.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/FieldDef.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/Sqlite.h"
#include "core/data/format/Money.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>


class Table;

// One field of a table's current record: typed reads and writes, the text
// a grid shows and setting from typed text.
class Field
{
public:
    Field(Table *table, int index) : m_table(table), m_index(index) {}

    const FieldDef &def() const;
    const QString &name() const { return def().name; }
    int index() const { return m_index; }

    bool isNull() const { return value().isNull(); }
    QVariant value() const;
    QString asString() const;     // text as stored; numbers without grouping; d.M.yyyy dates
    QString displayText() const;  // as a grid shows it: amounts "1 234,50 Kč"
    double asDouble() const;
    Money asMoney() const;
    int asInteger() const;
    QDate asDate() const;
    bool asBool() const;
    QByteArray asBytes() const;

    void setValue(const QVariant &value);
    void setString(const QString &text); // parsed by the field's type; empty text clears
    void setDouble(double value) { setValue(value); }
    void setMoney(Money value) { setValue(QVariant::fromValue(value)); }
    void setInteger(int value) { setValue(value); }
    void setDate(QDate value) { setValue(value); }
    void setBool(bool value) { setValue(value); }
    void clear() { setValue(QVariant()); }

private:
    Table *m_table;
    int m_index;
};

// A cursor over one table file of the program, in the manner of a dataset:
// the rows in stored order, a current row, browse/edit/insert states,
// bookmarks, filters and the events the windows hook into.
//
// The file is an SQLite database holding one table whose columns are the
// fields in their order, then two hidden columns: the row's place in the
// stored order, so that a row can be inserted at the cursor, and the row's
// identity, which is never reused. Every post is one committed transaction;
// a post that changes nothing writes nothing. A walk that writes many rows
// may group them with begin/commit.
//
// Writes go by identity, never by place: when another cursor on the same
// file (in this process or not) changed or removed the row meanwhile, the
// post or delete fails with a clear message and the cursor reads the table
// afresh, instead of touching another row.
class Table : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class Operation { Open, Edit, Post, Delete, Update };
    using Bookmark = qint64; // the row's identity
    using Predicate = std::function<bool(const Table &)>;
    // Called before a failed operation raises its error; the holders show
    // their own words here.
    using ErrorHandler = std::function<void(Operation, const QString &message)>;

    explicit Table(QObject *parent = nullptr);
    ~Table() override;

    // Location: a folder relative to the current directory (or absolute) and
    // a file name that may carry a subfolder ("Data01\Leden.db"). Both may
    // only change while the table is closed.
    void setFolder(const QString &folder);
    QString folder() const { return m_folder; }
    void setTableName(const QString &name);
    QString tableName() const { return m_tableName; }
    // The file as found on disk, letter case resolved.
    QString filePath() const;
    // The layout the file must have; when none is set, the layout that the
    // installed lookup gives for the file name is demanded (if it gives one).
    void setExpectedLayout(std::optional<Layout> layout) { m_expected = std::move(layout); }
    // Where every table finds the layout of a file by its name; the table
    // catalogue installs itself here when the program starts.
    using LayoutLookup = std::optional<Layout> (*)(const QString &fileName);
    static void setLayoutLookup(LayoutLookup lookup);
    void setErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // Creates a new table file with `layout`; fails if the file exists.
    static void create(const QString &path, const Layout &layout);

    // Cursor. Moving past the last row sets eof and stays on the last row;
    // moving before the first sets bof. A move in edit or insert state first
    // posts the pending change (or cancels it when nothing was changed).
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int position);
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return rows().empty(); }
    // Reads the chosen fields of the rows the cursor shows (all rows, or
    // the accepted ones while filtered) as they are stored, in stored order,
    // without moving the cursor or touching a record being edited.
    void readShownRows(const QList<int> &fields, const std::function<void(const QVector<QVariant> &)> &visit) const;
    // The identity of the newest stored row, 0 in an empty table; a row
    // inserted later has a higher one (identities are never reused).
    Bookmark highestBookmark() const;
    // Reads the chosen fields of every stored row whose identity is above
    // `after`, filtered out or not, without moving the cursor.
    void readRowsAfter(Bookmark after, const QList<int> &fields,
                       const std::function<void(const QVector<QVariant> &)> &visit) const;
    int recordCount() const { return int(rows().size()); }
    int position() const { return m_pos; } // 0-based, -1 when empty
    void refresh();

    // Display updates of the bound grids, suspended around scans (nested).
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_controlsDisabled > 0; }

    Bookmark bookmark() const;
    bool bookmarkValid(Bookmark bookmark) const;
    void gotoBookmark(Bookmark bookmark);

    State state() const { return m_state; }
    void edit();
    void append();
    void insert();
    void post();
    void cancel();
    // Ends an edit or insert: posts a changed record, drops an untouched
    // one (a new row the user never typed into is not stored).
    void checkBrowseMode();
    void remove();
    // Deletes every row of the file (not only the filtered ones) in one
    // statement; the cursor ends on an empty table.
    void emptyTable();
    bool modified() const { return m_modified; }

    // A group of posts in one transaction: all or nothing.
    void beginBatch();
    void commitBatch();
    void rollbackBatch();
    bool inBatch() const { return m_batch; }

    // Figures of the stored rows, every row of the file whatever the filter
    // shows; a record being typed does not count. `sum` is the exact sum of
    // the money fields `sumFields`; `rowsHolding` counts the rows that hold
    // something in any of `heldFields`: a text that is not empty, or a
    // number, amount or logical that is not zero. Both are read in one
    // statement, then kept by the table's own posts and deletes (by their
    // old and new values); read afresh after the rows were read again, when
    // another connection wrote, or for other fields.
    struct StoredFigures
    {
        Money sum;
        int rowsHolding = 0;
    };
    StoredFigures storedFigures(const QList<int> &sumFields, const QList<int> &heldFields);

    // What numbering fills in besides the number: `value` where `field` is
    // empty, and empty where it reads `clearedText`.
    struct EmptyFill
    {
        int field = -1;
        QVariant value; // null: nothing is filled in
        QString clearedText;
    };
    // Gives every row of the file (filtered or not) its place 1 ... N in
    // table order in `numberField`, and applies `fill`; only the rows that
    // change are written, in one statement, inside the batch when one is
    // open. A pending edit is posted first. Returns the rows written. With
    // figure fields, the same pass reads the stored figures, so that
    // storedFigures() for those fields then reads nothing.
    int numberRows(int numberField, const std::optional<EmptyFill> &fill = std::nullopt,
                   const QList<int> &sumFields = {}, const QList<int> &heldFields = {});

    const Layout &fields() const { return m_layout; }
    int fieldIndex(const QString &name) const; // -1 when there is none
    Field field(const QString &name) const;    // raises an error when there is none
    Field field(int index) const { return Field(const_cast<Table *>(this), index); }
    QVariant value(int field) const;
    void setValue(int field, const QVariant &value);

    // Filters. While filtering, scans and grids see only accepted rows.
    void setFilter(Predicate predicate);
    // "Field = 'text*'": rows whose field begins with text. Everything between
    // "= '" and the final "*'" is the text, apostrophes included.
    void setFilterText(const QString &expression);
    QString filterText() const { return m_filterText; }
    void setFilterCaseInsensitive(bool on);
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // For bound grids: the rows they show, including a row being inserted.
    int controlRowCount() const;
    int controlCurrentRow() const;
    QVariant controlValue(int row, int field) const;
    void controlMoveTo(int row);

signals:
    void beforeScroll();
    void afterScroll();
    void beforeInsert();
    void afterInsert();
    void beforePost();
    void afterPost();
    void beforeDelete();
    void afterDelete();
    void stateChanged(Table::State state);
    void fieldChanged(int field); // a field of the current record was set

    // For bound grids; held back while controls are disabled, then one reset.
    void controlsReset();
    void controlsCurrentChanged(int row);
    void controlsRowChanged(int row);
    void controlsRowInserted(int row);
    void controlsRowRemoved(int row);

private:
    friend class Field;

    [[noreturn]] void fail(Operation operation, const QString &message,
                           EngineError::Cause cause = EngineError::Cause::Other);
    // Fails when the file the table was opened on is gone or replaced: a
    // deleted table is not written into, and no other file either.
    void checkFileIdentity(Operation operation);
    void openFile();
    void upgradeLayout(const QString &table);
    void loadOrder();
    // Reads the row keys afresh when another connection wrote to the file
    // since they were read; true when it did.
    bool syncWithFile();
    void reloadKeepingPlace();
    qint64 fileVersion() const;
    [[noreturn]] void failStale(Operation operation, const QString &message);
    void applyFilter();
    void setState(State state);
    void setPosition(int position);
    void scrolled(int position, bool bof, bool eof);
    bool seekCurrent() const;
    QVariant storedValue(int field) const;
    QVariant fetchedValue(qint64 id, int field) const;
    bool readStored(qint64 id, QVector<QVariant> &row) const;
    void resetScan() const;
    void prepareScan() const;
    // Scans by identity while the identities follow the stored order.
    void followIdentityOrder();
    int scanColumn(int field) const;
    void loadBuffer();
    qint64 orderForNewRow();
    void respaceOrder();
    void writeInsert(qint64 order);
    void writeUpdate(const QList<int> &changed);
    // What a row adds to the kept figures.
    qint64 keptUnits(const QVector<QVariant> &row) const;
    int keptHolding(const QVector<QVariant> &row) const;
    // The SQL of a money field as the figures add it, and of a row that
    // holds something in any of `fields`.
    QString summedValue(int field) const;
    QString holdingCondition(const QList<int> &fields) const;
    // Whether a stored value, read as it is, holds something as that
    // condition has it.
    static bool storedHolds(const sqlite::RowValues &row, int column, const FieldDef &def);
    void keepRow(const QVector<QVariant> &row, int sign);
    // A statement kept for the table's life.
    sqlite::Statement &statement(const QString &sql) const { return m_statements.get(m_db, sql); }
    bool controlsHeldBack();
    void notifyReset();
    void notifyCurrent();
    void notifyRow(int row);
    void notifyInserted(int row);
    void notifyRemoved(int row);

    QString m_folder;
    QString m_tableName;
    QString m_openedFile;                        // the path the table was opened on
    std::pair<quint64, quint64> m_fileIdentity{}; // its device and inode then
    std::optional<Layout> m_expected;
    ErrorHandler m_errorHandler;

    mutable sqlite::Connection m_db;
    mutable sqlite::Statement m_scan;  // rows from an order key on, in stored order
    mutable sqlite::Statement m_fetch; // one row by order key
    sqlite::Statement m_insert;        // a new row, prepared at its first use
    mutable sqlite::StatementCache m_statements; // updates, deletes, the data version, aggregates
    QString m_sql;                     // quoted SQL name of the table
    Layout m_layout;

    // The rows the cursor sees: every row, or the accepted ones while a
    // filter is on (unfiltered, the one vector serves both).
    const std::vector<RowKey> &rows() const { return m_filtering ? m_shown : m_all; }
    void showAllRows()
    {
        m_filtering = false;
        std::vector<RowKey>().swap(m_shown);
    }

    std::vector<RowKey> m_all;   // every row, ascending order key = stored order
    std::vector<RowKey> m_shown; // the rows a filter accepted, while m_filtering
    bool m_filtering = false;
    qint64 m_dataVersion = 0;   // the file's data version when the keys were read
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Inactive;

    // Where the scan statement stands: on the row with this key, which is
    // row m_scanPos of rows() (-1 when it stands elsewhere).
    mutable bool m_scanLive = false;
    mutable qint64 m_scanKey = 0;
    mutable qint64 m_scanId = 0;
    mutable int m_scanPos = -1;
    mutable bool m_probing = false; // a filter predicate reads the scan row
    bool m_scanByIdentity = false;
    mutable QList<int> m_scanFields;         // the fields the scan selects
    mutable std::vector<int> m_scanColumnOf; // field -> its column in the scan, or -1

    mutable QHash<qint64, QVector<QVariant>> m_rowCache; // by identity

    // The kept figures of storedFigures(): their fields, the sum in
    // ten-thousandths, the count, and the file's data version they were
    // read at (valid only while set).
    QList<int> m_keptSumFields;
    QList<int> m_keptHeldFields;
    qint64 m_keptUnits = 0;
    qint64 m_keptHolding = 0;
    std::optional<qint64> m_keptVersion;

    QVector<QVariant> m_buffer;   // the record being edited or inserted
    QVector<QVariant> m_original; // its stored values (edit)
    bool m_modified = false;
    int m_insertRow = -1;         // row of rows() the new record will take
    int m_posBeforeInsert = -1;
    qint64 m_nextAutoIncrement = 0;

    Predicate m_predicate;
    QString m_filterText;
    bool m_filterCaseInsensitive = false;
    bool m_filtered = false;
    bool m_batch = false;

    int m_controlsDisabled = 0;
    bool m_controlsDirty = false;
};
