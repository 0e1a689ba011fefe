#include "core/data/engine/Table.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/EngineMessages.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/ParadoxHeader.h"
#include "core/data/engine/RowFilter.h"
#include "core/data/engine/SchemaCheck.h"
#include "core/data/engine/StoredValues.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <limits>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

using SchemaCheck::IdColumn;
using SchemaCheck::OrderColumn;
constexpr int RowCacheLimit = 2048;

Table::LayoutLookup layoutLookup = nullptr;

QString quotedName(const QString &name) { return QStringLiteral("„") + name + QStringLiteral("“"); }

const QString RowDeleted = QStringLiteral("Záznam byl mezitím smazán v jiném okně programu. Tabulka %1 je načtena "
                                          "znovu; zkontrolujte ji a změnu zadejte znovu.");
const QString RowChanged = QStringLiteral("Záznam byl mezitím změněn v jiném okně programu. Tabulka %1 je načtena "
                                          "znovu; zkontrolujte záznam a změnu zadejte znovu.");

} // namespace

// ---------------------------------------------------------------- Field

const FieldDef &Field::def() const { return m_table->m_layout.at(m_index); }

QVariant Field::value() const { return m_table->value(m_index); }

QString Field::asString() const { return FieldCodec::text(def(), value()); }

QString Field::displayText() const { return FieldCodec::displayText(def(), value()); }

double Field::asDouble() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0.0;
    if (def().type == FieldType::Money)
        return v.value<Money>().toDouble();
    if (def().type == FieldType::Text || def().type == FieldType::Bcd)
        return Locale::parseNumber(v.toString()).value_or(0.0);
    return v.toDouble();
}

Money Field::asMoney() const
{
    const QVariant v = value();
    if (v.isNull())
        return Money();
    if (def().type == FieldType::Money)
        return v.value<Money>();
    if (def().type == FieldType::Text)
        return Money::parse(v.toString()).value_or(Money());
    return Money::fromDouble(v.toDouble());
}

int Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (def().type == FieldType::Money)
        return int(v.value<Money>().units() / Money::Scale);
    return v.toInt();
}

QDate Field::asDate() const
{
    const QVariant v = value();
    if (def().type == FieldType::Timestamp)
        return v.toDateTime().date();
    return v.toDate();
}

bool Field::asBool() const { return value().toBool(); }

QByteArray Field::asBytes() const { return value().toByteArray(); }

void Field::setValue(const QVariant &value) { m_table->setValue(m_index, value); }

void Field::setString(const QString &text) { m_table->setValue(m_index, FieldCodec::fromText(def(), text)); }

// ---------------------------------------------------------------- life

Table::Table(QObject *parent) : QObject(parent) {}

Table::~Table()
{
    // A table is never left with an unposted change it had been given: the
    // owner decides, but a batch that was not committed is rolled back.
    if (m_batch && m_db.isOpen()) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const EngineError &) {
        }
    }
}

void Table::setLayoutLookup(LayoutLookup lookup) { layoutLookup = lookup; }

void Table::setFolder(const QString &folder)
{
    if (isOpen())
        throw EngineError(QStringLiteral("Složku tabulky nelze změnit, dokud je tabulka otevřená."));
    m_folder = folder;
}

void Table::setTableName(const QString &name)
{
    if (isOpen())
        throw EngineError(QStringLiteral("Název tabulky nelze změnit, dokud je tabulka otevřená."));
    m_tableName = name;
}

QString Table::filePath() const
{
    const QString base = m_folder.isEmpty() ? QDir::currentPath() : Paths::resolve(QDir::currentPath(), m_folder);
    return Paths::resolve(base, m_tableName);
}

void Table::fail(Operation operation, const QString &message, EngineError::Cause cause)
{
    if (m_errorHandler)
        m_errorHandler(operation, message);
    throw EngineError(message, 0, cause);
}

namespace {

// The device and inode of a file; nothing when it is gone.
std::optional<std::pair<quint64, quint64>> fileIdentity(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::make_pair(quint64(info.st_dev), quint64(info.st_ino));
}

} // namespace

void Table::checkFileIdentity(Operation operation)
{
    if (m_openedFile.isEmpty())
        return;
    const auto now = fileIdentity(m_openedFile);
    if (now && *now == m_fileIdentity)
        return;
    fail(operation, QStringLiteral("Soubor tabulky %1 zmizel ze složky programu nebo byl nahrazen jiným, zatímco byla "
                                   "tabulka otevřená. Nic se do něj nezapsalo. Zavřete okno; chybějící tabulku "
                                   "program doplní při příštím spuštění, záznamy obnovíte ze zálohy.")
                        .arg(quotedName(m_tableName)));
}

void Table::create(const QString &path, const Layout &layout)
{
    if (QFileInfo::exists(path))
        throw EngineError(QStringLiteral("Tabulka %1 již existuje.").arg(quotedName(path)));
    QStringList columns;
    for (const FieldDef &field : layout)
        columns << sqlite::quoted(field.name) + QLatin1Char(' ') + FieldTypes::declaredType(field);
    columns << SchemaCheck::hiddenColumns();
    const QString name = QFileInfo(path).completeBaseName();
    sqlite::Connection db;
    db.open(path, true);
    db.exec("PRAGMA journal_mode=WAL");
    db.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(sqlite::quoted(name), columns.join(QStringLiteral(", "))));
}

void Table::open()
{
    if (isOpen())
        return;
    try {
        openFile();
    } catch (const EngineError &error) {
        m_scan.finalize();
        m_fetch.finalize();
        m_insert.finalize();
        m_statements.clear();
        m_db.close();
        m_layout.clear();
        m_all.clear();
        m_rows.clear();
        fail(Operation::Open, error.message(), error.cause());
    }
    m_pos = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    setState(State::Browse);
    notifyReset();
}

void Table::openFile()
{
    const QString path = filePath();
    const QString shown = quotedName(QDir(m_folder).filePath(m_tableName).replace(QLatin1Char('/'), QLatin1Char('\\')));
    const QFileInfo info(path);
    if (info.isDir())
        throw EngineError(QStringLiteral("Tabulku %1 nelze otevřít: na jejím místě je složka, ne soubor. Složku "
                                         "přejmenujte nebo přesuňte jinam.").arg(shown));
    if (!info.isFile())
        throw EngineError(QStringLiteral("Tabulka %1 neexistuje.").arg(shown));
    if (info.size() == 0)
        throw EngineError(QStringLiteral("Soubor %1 je prázdný (0 bajtů), tabulka v něm není. Obnovte jej ze zálohy, "
                                         "nebo jej smažte a program při příštím spuštění doplní prázdnou tabulku.")
                              .arg(shown));
    // A table of the old format is told as such, whatever else is wrong with it.
    if (ParadoxHeader::looksLikeParadoxTable(path))
        throw EngineError(ParadoxHeader::oldFormatMessage(shown), 0, EngineError::Cause::ForeignLayout);

    // A table the program may not write would open half-way and fail at
    // the first post: it is refused, and the file is left as it is.
    // The owner's write bit counts even where the user could write anyway
    // (root): a file someone marked read-only is not written behind them.
    auto writable = [](const QFileInfo &file) { return file.isWritable() && (file.permissions() & QFile::WriteOwner); };
    if (!writable(info) || !writable(QFileInfo(info.absolutePath())))
        throw EngineError(QStringLiteral("Tabulka %1 je jen pro čtení, program do ní nemůže zapisovat. Povolte zápis "
                                         "do souboru i do jeho složky a otevřete ji znovu.").arg(shown));

    auto notOurs = [&](const QString &why, EngineError::Cause cause = EngineError::Cause::Other) {
        return EngineError(QStringLiteral("Soubor %1 není tabulka programu Rozvahon: %2").arg(shown, why), 0, cause);
    };

    try {
        // Nothing is written to the file until it has proved to be ours.
        m_db.open(path, false);
        m_openedFile = path;
        if (const auto identity = fileIdentity(path))
            m_fileIdentity = *identity;
        // A table another program holds is waited for a moment only: the
        // window stays responsive and the user is told it is in use.
        m_db.exec("PRAGMA busy_timeout=400");
        sqlite::Statement probe;
        probe.prepare(m_db, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
        QStringList tables;
        while (probe.step())
            tables << probe.columnText(0);
        probe.finalize();
        if (tables.size() != 1)
            throw notOurs(QStringLiteral("soubor má obsahovat právě jednu tabulku."), EngineError::Cause::ForeignLayout);
        m_sql = sqlite::quoted(tables.first());

        // A cut-off file announces more pages than it holds.
        const QFileInfo wal(path + QStringLiteral("-wal"));
        if (!wal.exists() || wal.size() == 0) {
            sqlite::Statement pages;
            pages.prepare(m_db, QStringLiteral("SELECT page_count * page_size FROM pragma_page_count(), pragma_page_size()"));
            if (pages.step() && pages.columnInt(0) > info.size())
                throw notOurs(QStringLiteral("soubor je zkrácený nebo poškozený."));
        }

        QList<SchemaCheck::Column> columns;
        sqlite::Statement described;
        described.prepare(m_db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(%1)")
                                    .arg(QLatin1Char('\'') + QString(tables.first()).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'')));
        while (described.step())
            columns.append({described.columnText(0), described.columnText(1), described.columnInt(2) == 1});
        described.finalize();
        const SchemaCheck::Result schema =
            SchemaCheck::check(columns, m_expected ? m_expected : layoutLookup ? layoutLookup(m_tableName) : std::nullopt);
        if (!schema.refusal.isEmpty())
            throw notOurs(schema.refusal, EngineError::Cause::ForeignLayout);
        const bool firstVersion = schema.firstVersion;
        const Layout &layout = schema.layout;
        m_layout = layout;

        m_db.exec("PRAGMA journal_mode=WAL");
        m_db.exec("PRAGMA synchronous=FULL");
        if (firstVersion)
            upgradeLayout(tables.first());

        QStringList names;
        for (const FieldDef &field : m_layout)
            names << sqlite::quoted(field.name);
        const QString list = names.join(QStringLiteral(", "));
        m_scanFields.clear();
        m_scanColumnOf.assign(size_t(m_layout.size()), -1);
        prepareScan();
        m_fetch.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1").arg(list, m_sql, sqlite::quoted(IdColumn)));
        loadOrder();
    } catch (const EngineError &error) {
        if (error.sqliteCode() != 0)
            throw EngineError(QStringLiteral("Tabulku %1 nelze otevřít. ").arg(shown) + EngineMessages::explain(error, shown),
                              error.sqliteCode());
        if (error.message().startsWith(QStringLiteral("Soubor ")) || error.message().startsWith(QStringLiteral("Tabulka ")))
            throw;
        throw EngineError(QStringLiteral("Tabulku %1 nelze otevřít: %2").arg(shown, error.message()));
    }
    if (m_filtered)
        applyFilter();
}

// A table of the first version kept its rows keyed by their place, which
// moves when the places are spread out: it is rewritten in the current form
// in one transaction, rows, order and values unchanged.
void Table::upgradeLayout(const QString &table)
{
    QStringList declared, names;
    for (const FieldDef &field : m_layout) {
        declared << sqlite::quoted(field.name) + QLatin1Char(' ') + FieldTypes::declaredType(field);
        names << sqlite::quoted(field.name);
    }
    declared << SchemaCheck::hiddenColumns();
    names << sqlite::quoted(OrderColumn);
    const QString fresh = sqlite::quoted(QStringLiteral("_prevod_") + table);
    const QString list = names.join(QStringLiteral(", "));
    m_db.exec("BEGIN IMMEDIATE");
    try {
        m_db.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(fresh, declared.join(QStringLiteral(", "))));
        m_db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 ORDER BY %4")
                      .arg(fresh, list, m_sql, sqlite::quoted(OrderColumn)));
        m_db.exec(QStringLiteral("DROP TABLE %1").arg(m_sql));
        m_db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(fresh, m_sql));
        m_db.exec("COMMIT");
    } catch (const EngineError &) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const EngineError &) {
        }
        throw;
    }
}

void Table::loadOrder()
{
    resetScan();
    m_rowCache.clear();
    m_nextAutoIncrement = 0;
    m_keptVersion.reset();
    std::vector<RowKey> all;
    sqlite::Statement &count = statement(QStringLiteral("SELECT count(*) FROM %1").arg(m_sql));
    all.reserve(size_t(count.step() ? count.columnInt(0) : 0));
    count.reset();
    sqlite::Statement &keys = statement(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1")
                                            .arg(sqlite::quoted(OrderColumn), sqlite::quoted(IdColumn), m_sql));
    while (keys.step())
        all.push_back({keys.columnInt(0), keys.columnInt(1)});
    keys.reset();
    m_rows = all;
    m_all = std::move(all);
    m_dataVersion = fileVersion();
}

qint64 Table::fileVersion() const
{
    sqlite::Statement &version = statement(QStringLiteral("PRAGMA data_version"));
    const qint64 value = version.step() ? version.columnInt(0) : 0;
    version.reset();
    return value;
}

// Reads the keys and the filter afresh; the cursor stays on its row, or
// where it was when the row is gone. A row being inserted keeps its place
// before the row it was to go before.
void Table::reloadKeepingPlace()
{
    const int index = m_pos;
    const qint64 current = m_pos >= 0 && m_pos < int(m_rows.size()) ? m_rows[m_pos].id : -1;
    const bool inserting = m_state == State::Insert;
    const qint64 before = inserting && m_insertRow < int(m_rows.size()) ? m_rows[m_insertRow].id : -1;
    loadOrder();
    if (m_filtered)
        applyFilter();
    const int found = current >= 0 ? OrderKeys::indexOfId(m_rows, current) : -1;
    m_pos = m_rows.empty() ? -1 : found >= 0 ? found : std::clamp(index, 0, int(m_rows.size()) - 1);
    if (inserting) {
        const int at = before >= 0 ? OrderKeys::indexOfId(m_rows, before) : -1;
        m_insertRow = at >= 0 ? at : int(m_rows.size());
    }
    m_eof = m_rows.empty();
    m_bof = m_rows.empty() || m_pos == 0;
    notifyReset();
}

bool Table::syncWithFile()
{
    if (!isOpen() || fileVersion() == m_dataVersion)
        return false;
    reloadKeepingPlace();
    return true;
}

void Table::failStale(Operation operation, const QString &message)
{
    if (m_state == State::Edit || m_state == State::Insert) {
        m_buffer.clear();
        m_modified = false;
        m_insertRow = -1;
        setState(State::Browse);
    }
    try {
        reloadKeepingPlace();
    } catch (const EngineError &) {
    }
    fail(operation, message.arg(quotedName(m_tableName)));
}

void Table::close()
{
    if (!isOpen())
        return;
    m_openedFile.clear();
    if (m_batch) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const EngineError &) {
        }
        m_batch = false;
    }
    m_scan.finalize();
    m_fetch.finalize();
    m_insert.finalize();
    m_statements.clear();
    m_keptVersion.reset();
    m_db.close();
    m_all.clear();
    m_rows.clear();
    m_rowCache.clear();
    m_buffer.clear();
    m_original.clear();
    m_modified = false;
    m_scanLive = false;
    m_pos = -1;
    m_eof = m_bof = true;
    setState(State::Inactive);
    notifyReset();
}

void Table::refresh()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    try {
        reloadKeepingPlace();
    } catch (const EngineError &error) {
        fail(Operation::Update, EngineMessages::explain(error, quotedName(m_tableName)));
    }
}

// ---------------------------------------------------------------- cursor

void Table::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        if (m_modified)
            post();
        else
            cancel();
    }
}

void Table::scrolled(int position, bool bof, bool eof)
{
    checkBrowseMode();
    emit beforeScroll();
    const int previous = m_pos;
    // Only a walk to the next row keeps the scan (and its read snapshot);
    // any other move reads the rows afresh.
    if (position != previous + 1)
        resetScan();
    m_pos = position;
    m_bof = bof;
    m_eof = eof;
    emit afterScroll();
    if (previous != m_pos)
        notifyCurrent();
}

void Table::first()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    syncWithFile();
    scrolled(m_rows.empty() ? -1 : 0, true, m_rows.empty());
}

void Table::last()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    syncWithFile();
    scrolled(int(m_rows.size()) - 1, m_rows.empty(), true);
}

void Table::next()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (m_pos + 1 < int(m_rows.size())) {
        scrolled(m_pos + 1, false, false);
    } else {
        m_eof = true;
        resetScan(); // the walk is over: let go of its read snapshot
    }
}

void Table::prior()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (m_pos > 0)
        scrolled(m_pos - 1, false, false);
    else
        m_bof = true;
}

void Table::moveTo(int position)
{
    if (!isOpen() || (position == m_pos && m_state == State::Edit))
        return;
    checkBrowseMode();
    if (m_rows.empty())
        return;
    position = std::clamp(position, 0, int(m_rows.size()) - 1);
    if (position != m_pos)
        scrolled(position, position == 0, false);
}

Table::Bookmark Table::bookmark() const { return m_pos >= 0 && m_pos < int(m_rows.size()) ? m_rows[m_pos].id : -1; }

bool Table::bookmarkValid(Bookmark bookmark) const { return bookmark >= 0 && OrderKeys::indexOfId(m_rows, bookmark) >= 0; }

void Table::gotoBookmark(Bookmark bookmark)
{
    checkBrowseMode();
    const int index = OrderKeys::indexOfId(m_rows, bookmark);
    if (index < 0)
        throw EngineError(QStringLiteral("Záznam nebyl nalezen."));
    scrolled(index, false, false);
}

void Table::disableControls() { ++m_controlsDisabled; }

void Table::enableControls()
{
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0 && m_controlsDirty) {
        m_controlsDirty = false;
        emit controlsReset();
    }
}

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
void Table::prepareScan() const
{
    QStringList names;
    for (int field : m_scanFields)
        names << sqlite::quoted(m_layout.at(field).name);
    const QString order = sqlite::quoted(OrderColumn);
    names << order << sqlite::quoted(IdColumn);
    m_scan.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ?1 ORDER BY %3")
                             .arg(names.join(QStringLiteral(", ")), m_sql, order));
}

int Table::scanColumn(int field) const
{
    if (m_scanColumnOf[size_t(field)] >= 0)
        return m_scanColumnOf[size_t(field)];
    const bool live = m_scanLive;
    const qint64 order = m_scanOrder;
    m_scanColumnOf[size_t(field)] = int(m_scanFields.size());
    m_scanFields << field;
    prepareScan();
    if (live) {
        m_scan.bindInt(1, order);
        m_scanLive = m_scan.step() && m_scan.columnInt(int(m_scanFields.size())) == order;
        if (!m_scanLive) {
            m_scan.reset();
            m_scanPos = -1;
        }
    }
    return m_scanColumnOf[size_t(field)];
}

// Puts the scan statement on the current row. A walk in stored order only
// steps the statement; any other move seeks by the order key. The row found
// there must have the identity the cursor knows, or it is not the row.
bool Table::seekCurrent() const
{
    if (m_pos < 0 || m_pos >= int(m_rows.size()))
        return false;
    const RowKey wanted = m_rows[m_pos];
    if (m_scanLive && m_scanPos == m_pos)
        return true;
    const int orderColumn = int(m_scanFields.size());
    const int idColumn = orderColumn + 1;
    if (m_scanLive && m_scanPos >= 0 && m_scanPos == m_pos - 1 && m_scanOrder < wanted.order) {
        while (m_scan.step()) {
            m_scanOrder = m_scan.columnInt(orderColumn);
            m_scanId = m_scan.columnInt(idColumn);
            if (m_scanOrder >= wanted.order)
                break;
        }
        if (m_scanOrder == wanted.order && m_scanId == wanted.id) {
            m_scanPos = m_pos;
            return true;
        }
    }
    m_scan.reset();
    m_scan.bindInt(1, wanted.order);
    m_scanLive = m_scan.step();
    m_scanOrder = m_scanLive ? m_scan.columnInt(orderColumn) : 0;
    m_scanId = m_scanLive ? m_scan.columnInt(idColumn) : 0;
    m_scanPos = m_scanLive && m_scanOrder == wanted.order && m_scanId == wanted.id ? m_pos : -1;
    return m_scanPos == m_pos;
}

QVariant Table::storedValue(int field) const
{
    try {
        const int column = scanColumn(field);
        if (m_probing)
            return StoredValues::read(m_scan, column, m_layout.at(field));
        if (m_pos < 0 || m_pos >= int(m_rows.size()))
            return QVariant();
        if (!seekCurrent()) // the row moved or went away under another cursor
            return fetchedValue(m_rows[m_pos].id, field);
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
    QSet<qint64> shown;
    const bool filtering = m_filtered && m_predicate;
    if (filtering) {
        shown.reserve(qsizetype(m_rows.size()));
        for (const RowKey &row : m_rows)
            shown.insert(row.id);
    }
    try {
        sqlite::Statement walk;
        walk.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                               .arg(names.join(QStringLiteral(", ")), m_sql, sqlite::quoted(OrderColumn)));
        QVector<QVariant> values(fields.size());
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
    const qint64 id = m_rows[m_pos].id;
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
    const qint64 current = m_rows.empty() ? -1 : m_rows[m_pos].id;
    try {
        syncWithFile();
    } catch (const EngineError &error) {
        fail(Operation::Edit, EngineMessages::explain(error, quotedName(m_tableName)));
    }
    if (current >= 0 && (m_pos < 0 || m_rows[m_pos].id != current))
        failStale(Operation::Edit, RowDeleted);
    if (m_rows.empty()) {
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
    m_insertRow = int(m_rows.size());
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
    return OrderKeys::forNewRow(m_all, m_rows, m_insertRow);
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
    // The visible rows are a subsequence of all rows: map them in one pass.
    std::vector<RowKey> rows;
    rows.reserve(m_rows.size());
    size_t j = 0;
    for (const RowKey &key : m_rows) {
        while (m_all[j].id != key.id)
            ++j;
        rows.push_back(fresh[j]);
    }
    m_all.swap(fresh);
    m_rows.swap(rows);
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
    update.bindInt(int(changed.size()) + 1, m_rows[m_pos].id);
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
            const qint64 id = m_rows[m_pos].id;
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
            if (m_keptVersion)
                m_keptUnits += keptUnits(m_buffer) - keptUnits(m_original);
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
    std::vector<RowKey> allBefore, rowsBefore; // kept only when the keys are read again or respaced
    bool respaced = false;
    try {
        m_db.exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT table_post");
        // Another cursor may have added or moved rows: the new row's place
        // is worked out from the keys as they are now.
        if (fileVersion() != m_dataVersion) {
            allBefore = m_all;
            rowsBefore = m_rows;
            respaced = true;
            reloadKeepingPlace();
        }
        qint64 order = orderForNewRow();
        if (order < 0) {
            if (!respaced) {
                allBefore = m_all;
                rowsBefore = m_rows;
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
        m_all.insert(std::lower_bound(m_all.begin(), m_all.end(), order,
                                      [](const RowKey &row, qint64 place) { return row.order < place; }),
                     key);
        m_rows.insert(m_rows.begin() + m_insertRow, key);
        m_pos = m_insertRow;
        if (m_keptVersion)
            m_keptUnits += keptUnits(m_buffer);
    } catch (const EngineError &error) {
        try {
            m_db.exec(ownTransaction ? "ROLLBACK" : "ROLLBACK TO table_post; RELEASE table_post");
        } catch (const EngineError &) {
        }
        if (respaced) {
            m_all.swap(allBefore);
            m_rows.swap(rowsBefore);
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
        m_pos = m_rows.empty() ? -1 : std::clamp(m_posBeforeInsert, 0, int(m_rows.size()) - 1);
        m_eof = m_rows.empty();
        m_bof = m_rows.empty() || m_pos == 0;
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
    if (!isOpen() || m_rows.empty())
        fail(Operation::Delete, QStringLiteral("Tabulka %1 je prázdná, není co smazat.").arg(quotedName(m_tableName)));
    if (!m_db.inTransaction())
        checkFileIdentity(Operation::Delete);
    emit beforeDelete();
    emit beforeScroll();
    const RowKey key = m_rows[m_pos];
    resetScan();
    bool gone = false;
    qint64 removedUnits = 0;
    try {
        // What the row adds to the kept sum, as stored.
        if (m_keptVersion) {
            QVector<QVariant> stored;
            if (readStored(key.id, stored))
                removedUnits = keptUnits(stored);
        }
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
    if (m_keptVersion)
        m_keptUnits -= removedUnits;
    const int removedRow = m_pos;
    m_all.erase(m_all.begin() + OrderKeys::indexOfId(m_all, key.id));
    m_rows.erase(m_rows.begin() + m_pos);
    // The cursor moves to the next row; after the last row, to the new last
    // row with eof set.
    if (m_rows.empty()) {
        m_pos = -1;
        m_eof = m_bof = true;
    } else if (m_pos >= int(m_rows.size())) {
        m_pos = int(m_rows.size()) - 1;
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
    m_rows.clear();
    m_pos = -1;
    m_eof = m_bof = true;
    m_dataVersion = fileVersion();
    if (m_keptVersion) {
        m_keptUnits = 0;
        m_keptVersion = m_dataVersion;
    }
    notifyReset();
    emit afterScroll();
}

// ---------------------------------------------------------------- aggregates

qint64 Table::keptUnits(const QVector<QVariant> &row) const
{
    qint64 units = 0;
    for (int field : m_keptFields)
        if (field < row.size() && !row.at(field).isNull())
            units += row.at(field).value<Money>().units();
    return units;
}

Money Table::storedSum(const QList<int> &fields)
{
    if (!isOpen())
        return Money();
    try {
        const qint64 version = fileVersion();
        if (fields != m_keptFields || !m_keptVersion || *m_keptVersion != version) {
            // Money is kept as whole ten-thousandths; the cast reads any
            // other stored form as a row read does.
            QStringList sums;
            for (int field : fields)
                sums << QStringLiteral("coalesce(sum(CAST(%1 AS INTEGER)), 0)").arg(sqlite::quoted(m_layout.at(field).name));
            qint64 units = 0;
            if (!sums.isEmpty()) {
                sqlite::Statement &sum =
                    statement(QStringLiteral("SELECT %1 FROM %2").arg(sums.join(QStringLiteral(" + ")), m_sql));
                units = sum.step() ? sum.columnInt(0) : 0;
                sum.reset();
            }
            m_keptFields = fields;
            m_keptUnits = units;
            m_keptVersion = version;
        }
    } catch (const EngineError &error) {
        m_keptVersion.reset();
        throw EngineError(EngineMessages::explain(error, quotedName(m_tableName)), error.sqliteCode());
    }
    return Money::fromUnits(m_keptUnits);
}

int Table::countRowsWith(const QList<int> &fields) const
{
    if (!isOpen() || fields.isEmpty())
        return 0;
    QStringList held;
    for (int field : fields) {
        const FieldDef &def = m_layout.at(field);
        const QString name = sqlite::quoted(def.name);
        const bool isText = def.type == FieldType::Text || def.type == FieldType::Memo
                            || def.type == FieldType::FormattedMemo;
        held << (isText ? QStringLiteral("coalesce(%1, '') <> ''").arg(name)
                        : QStringLiteral("coalesce(CAST(%1 AS INTEGER), 0) <> 0").arg(name));
    }
    try {
        sqlite::Statement &count = statement(
            QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(m_sql, held.join(QStringLiteral(" OR "))));
        const int rows = count.step() ? int(count.columnInt(0)) : 0;
        count.reset();
        return rows;
    } catch (const EngineError &error) {
        throw EngineError(EngineMessages::explain(error, quotedName(m_tableName)), error.sqliteCode());
    }
}

int Table::numberRows(int numberField, const std::optional<EmptyFill> &fill)
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
    // One pass in table order finds the rows whose number or filled field
    // is not what it should be; only those are written, afterwards, each
    // with one of two statements prepared once.
    struct Change
    {
        qint64 id;
        qint64 place;
        int fill; // 0 keep, 1 fill in, 2 empty
    };
    std::vector<Change> changes;
    const bool ownTransaction = !m_db.inTransaction();
    resetScan();
    try {
        m_db.exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT table_numbering");
        try {
            sqlite::Statement &rows = statement(QStringLiteral("SELECT %1, %2%3 FROM %4 ORDER BY %5")
                                                    .arg(id, number, fill ? QStringLiteral(", ") + filledField : QString(),
                                                         m_sql, sqlite::quoted(OrderColumn)));
            qint64 place = 0;
            while (rows.step()) {
                ++place;
                const bool numbered = !rows.isNull(1) && rows.columnInt(1) == place;
                int filling = 0;
                if (fill) {
                    const QString text = rows.columnText(2);
                    if (text == fill->clearedText)
                        filling = 2;
                    else if (text.isEmpty() && !filled.isNull())
                        filling = 1;
                }
                if (!numbered || filling != 0)
                    changes.push_back({rows.columnInt(0), place, filling});
            }
            rows.reset();
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
        } catch (const EngineError &) {
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
        m_rows = m_all;
        return;
    }
    std::vector<RowKey> accepted;
    m_probing = true;
    try {
        m_scan.bindInt(1, std::numeric_limits<qint64>::min());
        m_scanLive = true;
        while (m_scan.step()) {
            m_scanOrder = m_scan.columnInt(int(m_scanFields.size()));
            if (m_predicate(*this)) // may widen the scan, which keeps its row
                accepted.push_back({m_scan.columnInt(int(m_scanFields.size())),
                                    m_scan.columnInt(int(m_scanFields.size()) + 1)});
        }
    } catch (...) {
        m_probing = false;
        resetScan();
        throw;
    }
    m_probing = false;
    resetScan();
    m_rows.swap(accepted);
    if (m_pos >= int(m_rows.size()))
        m_pos = int(m_rows.size()) - 1;
}

// ---------------------------------------------------------------- controls

int Table::controlRowCount() const { return int(m_rows.size()) + (m_state == State::Insert ? 1 : 0); }

int Table::controlCurrentRow() const { return m_state == State::Insert ? m_insertRow : m_pos; }

QVariant Table::controlValue(int row, int field) const
{
    if (field < 0 || field >= m_layout.size() || row < 0)
        return QVariant();
    if (m_state == State::Insert) {
        if (row == m_insertRow)
            return m_buffer.at(field);
        if (row > m_insertRow)
            --row;
    }
    if (row >= int(m_rows.size()))
        return QVariant();
    if (m_state == State::Edit && row == m_pos)
        return m_buffer.at(field);
    try {
        return fetchedValue(m_rows[row].id, field);
    } catch (const EngineError &) {
        return QVariant();
    }
}

void Table::controlMoveTo(int row)
{
    if (m_state == State::Insert) {
        if (row == m_insertRow)
            return;
        if (row > m_insertRow)
            --row; // the rows below the new one move up if it goes away
        const bool wasModified = m_modified;
        checkBrowseMode();
        if (wasModified && row >= m_pos)
            ++row; // it was posted and stays
    }
    moveTo(row);
}

// While the controls are disabled nothing reaches the grids; they get one
// reset when the controls are enabled again.
bool Table::controlsHeldBack()
{
    if (m_controlsDisabled == 0)
        return false;
    m_controlsDirty = true;
    return true;
}

void Table::notifyReset()
{
    if (!controlsHeldBack())
        emit controlsReset();
}

void Table::notifyCurrent()
{
    if (!controlsHeldBack())
        emit controlsCurrentChanged(controlCurrentRow());
}

void Table::notifyRow(int row)
{
    if (!controlsHeldBack() && row >= 0)
        emit controlsRowChanged(row);
}

void Table::notifyInserted(int row)
{
    if (!controlsHeldBack())
        emit controlsRowInserted(row);
}

void Table::notifyRemoved(int row)
{
    if (!controlsHeldBack())
        emit controlsRowRemoved(row);
}
