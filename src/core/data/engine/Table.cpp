#include "core/data/engine/Table.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/EngineMessages.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/StoredValues.h"
#include "core/data/engine/TableDetail.h"
#include "core/data/engine/ParadoxHeader.h"
#include "core/data/engine/SchemaCheck.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

// The table's life: its fields, where it is, opening and closing, and
// finding out that another connection changed the file.

using namespace TableDetail;

namespace {

Table::LayoutLookup layoutLookup = nullptr;

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
        showAllRows();
        fail(Operation::Open, error.message(), error.cause());
    }
    m_pos = rows().empty() ? -1 : 0;
    m_bof = true;
    m_eof = rows().empty();
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
    // Room for every row at once: the highest identity is found in the
    // identity index without a pass, and rows are rarely deleted in bulk.
    sqlite::Statement &highest = statement(QStringLiteral("SELECT max(%1) FROM %2").arg(sqlite::quoted(IdColumn), m_sql));
    const qint64 top = highest.step() ? highest.columnInt(0) : 0;
    highest.reset();
    all.reserve(size_t(std::max<qint64>(top, 0)));
    // SQLite hands the keys over inside its own loop, as it scans them
    // (along the order key's index, which holds them both): sorted, unless
    // it chose another way.
    sqlite::Statement &keys = statement(QStringLiteral("SELECT %1(%2, %3) FROM %4")
                                            .arg(QLatin1String(sqlite::VisitFunction), sqlite::quoted(OrderColumn),
                                                 sqlite::quoted(IdColumn), m_sql));
    m_db.visit(keys, [&all](const sqlite::RowValues &row) { all.push_back({row.columnInt(0), row.columnInt(1)}); });
    auto byOrder = [](const RowKey &a, const RowKey &b) { return a.order < b.order; };
    if (!std::is_sorted(all.begin(), all.end(), byOrder))
        std::sort(all.begin(), all.end(), byOrder);
    m_all = std::move(all);
    showAllRows();
    followIdentityOrder();
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
    const qint64 current = m_pos >= 0 && m_pos < int(rows().size()) ? rows()[m_pos].id : -1;
    const bool inserting = m_state == State::Insert;
    const qint64 before = inserting && m_insertRow < int(rows().size()) ? rows()[m_insertRow].id : -1;
    loadOrder();
    if (m_filtered)
        applyFilter();
    const int found = current >= 0 ? OrderKeys::indexOfId(rows(), current) : -1;
    m_pos = rows().empty() ? -1 : found >= 0 ? found : std::clamp(index, 0, int(rows().size()) - 1);
    if (inserting) {
        const int at = before >= 0 ? OrderKeys::indexOfId(rows(), before) : -1;
        m_insertRow = at >= 0 ? at : int(rows().size());
    }
    m_eof = rows().empty();
    m_bof = rows().empty() || m_pos == 0;
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
    showAllRows();
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
