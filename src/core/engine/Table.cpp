#include "core/engine/Table.h"

#include "core/catalogue/Catalogue.h"
#include "core/engine/EngineError.h"
#include "core/format/Locale.h"
#include "core/platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <sqlite3.h>

namespace {

// The hidden last column: the row's place in the stored order. It is the
// rowid, so walks in stored order are walks along the table's own b-tree.
const QString OrderColumn = QStringLiteral("_poradi");
// New rows are placed this far apart, so that about thirty rows can be
// inserted at one spot before the order keys are spread out again.
constexpr qint64 OrderGap = qint64(1) << 32;
constexpr int RowCacheLimit = 2048;

QVariant readColumn(const sqlite::Statement &statement, int column, const FieldDef &def)
{
    if (statement.isNull(column))
        return QVariant();
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FormattedMemo:
    case FieldType::Bcd:
        return statement.columnText(column);
    case FieldType::Date:
        return QDate::fromString(statement.columnText(column), Qt::ISODate);
    case FieldType::Time:
        return QTime::fromString(statement.columnText(column), Qt::ISODateWithMs);
    case FieldType::Timestamp:
        return QDateTime::fromString(statement.columnText(column), Qt::ISODateWithMs);
    case FieldType::Money:
        return QVariant::fromValue(Money::fromUnits(statement.columnInt(column)));
    case FieldType::Number:
        return statement.columnDouble(column);
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement:
        return int(statement.columnInt(column));
    case FieldType::Logical:
        return statement.columnInt(column) != 0;
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes:
        return statement.columnBlob(column);
    }
    return QVariant();
}

void bindValue(sqlite::Statement &statement, int index, const FieldDef &def, const QVariant &value)
{
    if (value.isNull()) {
        statement.bindNull(index);
        return;
    }
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FormattedMemo:
    case FieldType::Bcd:
        statement.bindText(index, value.toString());
        break;
    case FieldType::Date:
        statement.bindText(index, value.toDate().toString(Qt::ISODate));
        break;
    case FieldType::Time:
        statement.bindText(index, value.toTime().toString(Qt::ISODateWithMs));
        break;
    case FieldType::Timestamp:
        statement.bindText(index, value.toDateTime().toString(Qt::ISODateWithMs));
        break;
    case FieldType::Money:
        statement.bindInt(index, value.value<Money>().units());
        break;
    case FieldType::Number:
        statement.bindDouble(index, value.toDouble());
        break;
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement:
        statement.bindInt(index, value.toLongLong());
        break;
    case FieldType::Logical:
        statement.bindInt(index, value.toBool() ? 1 : 0);
        break;
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes:
        statement.bindBlob(index, value.toByteArray());
        break;
    }
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a == b;
}

QString quotedName(const QString &name) { return QStringLiteral("„") + name + QStringLiteral("“"); }

} // namespace

// ---------------------------------------------------------------- Field

const FieldDef &Field::def() const { return m_table->m_layout.at(m_index); }

QVariant Field::value() const { return m_table->value(m_index); }

QString Field::asString() const { return Table::textOf(def(), value()); }

QString Field::displayText() const { return Table::displayTextOf(def(), value()); }

QString Table::textOf(const FieldDef &def, const QVariant &v)
{
    if (v.isNull())
        return QString();
    switch (def.type) {
    case FieldType::Money: return Locale::moneyPlain(v.value<Money>());
    case FieldType::Number: return Locale::number(v.toDouble());
    case FieldType::Date: return Locale::date(v.toDate());
    case FieldType::Time: return v.toTime().toString(QStringLiteral("H:mm:ss"));
    case FieldType::Timestamp:
        return Locale::date(v.toDateTime().date()) + QLatin1Char(' ')
               + v.toDateTime().time().toString(QStringLiteral("H:mm:ss"));
    case FieldType::Logical: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Bcd: return QString(v.toString()).replace(QLatin1Char('.'), Locale::decimalSeparator());
    default: return v.toString();
    }
}

QString Table::displayTextOf(const FieldDef &def, const QVariant &v)
{
    if (!v.isNull() && def.type == FieldType::Money)
        return Locale::money(v.value<Money>());
    return textOf(def, v);
}

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

void Field::setString(const QString &text) { m_table->setValue(m_index, Table::fromText(def(), text)); }

// ---------------------------------------------------------------- values

QVariant Table::normalized(const FieldDef &def, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    auto outOfRange = [&](qint64 number) {
        return EngineError(QStringLiteral("Hodnota %1 je mimo rozsah pole %2.").arg(number).arg(quotedName(def.name)));
    };
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FormattedMemo: {
        QString text = value.toString();
        if (def.type == FieldType::Text && def.size > 0 && text.size() > def.size)
            text.truncate(def.size);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case FieldType::Bcd: {
        if (value.typeId() == QMetaType::QString)
            return fromText(def, value.toString());
        return QString::number(value.toDouble(), 'f', def.size);
    }
    case FieldType::Date: {
        const QDate date = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case FieldType::Time: {
        const QTime time = value.toTime();
        return time.isValid() ? QVariant(time) : QVariant();
    }
    case FieldType::Timestamp: {
        const QDateTime when = value.toDateTime();
        return when.isValid() ? QVariant(when) : QVariant();
    }
    case FieldType::Money:
        if (value.canConvert<Money>() && value.metaType() == QMetaType::fromType<Money>())
            return value;
        if (value.typeId() == QMetaType::QString)
            return fromText(def, value.toString());
        return QVariant::fromValue(Money::fromDouble(value.toDouble()));
    case FieldType::Number:
        if (value.metaType() == QMetaType::fromType<Money>())
            return value.value<Money>().toDouble();
        return value.toDouble();
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement: {
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        if (!ok)
            throw EngineError(QStringLiteral("%1 není celé číslo pro pole %2.").arg(value.toString(), quotedName(def.name)));
        // Short fields keep any 32-bit number: a row number of a ledger with
        // more than 32767 rows must stay distinct rather than wrap around.
        if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
            throw outOfRange(number);
        return int(number);
    }
    case FieldType::Logical:
        return value.toBool();
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes: {
        QByteArray bytes = value.toByteArray();
        if (def.type == FieldType::Bytes && def.size > 0 && bytes.size() > def.size)
            bytes.truncate(def.size);
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    }
    return QVariant();
}

QVariant Table::fromText(const FieldDef &def, const QString &input)
{
    const QString text = def.type == FieldType::Text || def.type == FieldType::Memo
                                 || def.type == FieldType::FormattedMemo
                             ? input
                             : input.trimmed();
    if (text.isEmpty())
        return QVariant();
    auto invalid = [&](const char *what) {
        return EngineError(QStringLiteral("%1 není %2.").arg(quotedName(text), QString::fromUtf8(what)));
    };
    switch (def.type) {
    case FieldType::Money: {
        const auto money = Money::parse(text);
        if (!money)
            throw invalid("platná částka");
        return QVariant::fromValue(*money);
    }
    case FieldType::Number:
    case FieldType::Bcd: {
        const auto number = Locale::parseNumber(text);
        if (!number)
            throw invalid("platné číslo");
        if (def.type == FieldType::Bcd)
            return QString::number(*number, 'f', def.size);
        return *number;
    }
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement: {
        bool ok = false;
        const qint64 number = text.toLongLong(&ok);
        if (!ok)
            throw invalid("platné celé číslo");
        return normalized(def, number);
    }
    case FieldType::Date: {
        const auto date = Locale::parseDate(text);
        if (!date)
            throw invalid("platné datum");
        return *date;
    }
    case FieldType::Time: {
        QTime time = QTime::fromString(text, QStringLiteral("H:mm:ss"));
        if (!time.isValid())
            time = QTime::fromString(text, QStringLiteral("H:mm"));
        if (!time.isValid())
            throw invalid("platný čas");
        return time;
    }
    case FieldType::Timestamp: {
        const int blank = text.indexOf(QLatin1Char(' '));
        const auto date = Locale::parseDate(blank < 0 ? text : text.left(blank));
        QTime time(0, 0);
        if (blank >= 0)
            time = QTime::fromString(text.mid(blank + 1).trimmed(), QStringLiteral("H:mm:ss"));
        if (!date || !time.isValid())
            throw invalid("platné datum a čas");
        return QDateTime(*date, time);
    }
    case FieldType::Logical: {
        const QString lower = text.toLower();
        if (lower == QLatin1String("true") || lower == QLatin1String("ano") || lower == QLatin1String("1"))
            return true;
        if (lower == QLatin1String("false") || lower == QLatin1String("ne") || lower == QLatin1String("0"))
            return false;
        throw invalid("logická hodnota");
    }
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes:
        return normalized(def, text.toUtf8());
    default:
        return normalized(def, text);
    }
}

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

void Table::fail(Operation operation, const QString &message)
{
    if (m_errorHandler)
        m_errorHandler(operation, message);
    throw EngineError(message);
}

void Table::create(const QString &path, const Layout &layout)
{
    if (QFileInfo::exists(path))
        throw EngineError(QStringLiteral("Tabulka %1 již existuje.").arg(quotedName(path)));
    QStringList columns;
    for (const FieldDef &field : layout)
        columns << sqlite::quoted(field.name) + QLatin1Char(' ') + FieldTypes::declaredType(field);
    columns << sqlite::quoted(OrderColumn) + QStringLiteral(" INTEGER PRIMARY KEY");
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
        m_db.close();
        m_layout.clear();
        m_all.clear();
        m_rows.clear();
        fail(Operation::Open, error.message());
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
    if (!info.isFile())
        throw EngineError(QStringLiteral("Tabulka %1 neexistuje.").arg(shown));

    auto notOurs = [&](const QString &why) {
        return EngineError(QStringLiteral("Soubor %1 není tabulka programu Rozvahon: %2").arg(shown, why));
    };

    try {
        m_db.open(path, false);
        m_db.exec("PRAGMA busy_timeout=5000");
        sqlite::Statement probe;
        probe.prepare(m_db, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
        QStringList tables;
        while (probe.step())
            tables << probe.columnText(0);
        probe.finalize();
        if (tables.size() != 1)
            throw notOurs(QStringLiteral("soubor má obsahovat právě jednu tabulku."));
        m_sql = sqlite::quoted(tables.first());

        // A cut-off file announces more pages than it holds.
        const QFileInfo wal(path + QStringLiteral("-wal"));
        if (!wal.exists() || wal.size() == 0) {
            sqlite::Statement pages;
            pages.prepare(m_db, QStringLiteral("SELECT page_count * page_size FROM pragma_page_count(), pragma_page_size()"));
            if (pages.step() && pages.columnInt(0) > info.size())
                throw notOurs(QStringLiteral("soubor je zkrácený nebo poškozený."));
        }

        m_db.exec("PRAGMA journal_mode=WAL");
        m_db.exec("PRAGMA synchronous=FULL");

        Layout layout;
        sqlite::Statement columns;
        columns.prepare(m_db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(%1)")
                                  .arg(QLatin1Char('\'') + tables.first().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'')));
        bool hasOrder = false;
        while (columns.step()) {
            const QString name = columns.columnText(0);
            const QString type = columns.columnText(1);
            if (hasOrder)
                throw notOurs(QStringLiteral("sloupec pořadí není poslední."));
            if (name == OrderColumn) {
                if (type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) != 0 || columns.columnInt(2) != 1)
                    throw notOurs(QStringLiteral("sloupec pořadí má špatný typ."));
                hasOrder = true;
                continue;
            }
            FieldDef def;
            def.name = name;
            if (!FieldTypes::fromDeclaredType(type, &def.type, &def.size))
                throw notOurs(QStringLiteral("pole %1 má neznámý typ %2.").arg(quotedName(name), type));
            layout << def;
        }
        if (!hasOrder)
            throw notOurs(QStringLiteral("chybí sloupec pořadí řádků."));

        std::optional<Layout> expected = m_expected;
        if (!expected)
            expected = Catalogue::layoutForFile(m_tableName);
        if (expected && *expected != layout) {
            QString detail;
            for (int i = 0; i < std::max(layout.size(), expected->size()); ++i) {
                if (i >= layout.size()) {
                    detail = QStringLiteral("chybí pole %1.").arg(quotedName(expected->at(i).name));
                    break;
                }
                if (i >= expected->size()) {
                    detail = QStringLiteral("přebývá pole %1.").arg(quotedName(layout.at(i).name));
                    break;
                }
                if (layout.at(i) != expected->at(i)) {
                    detail = QStringLiteral("pole č. %1 je %2 %3, má být %4 %5.")
                                 .arg(i + 1)
                                 .arg(quotedName(layout.at(i).name), FieldTypes::describe(layout.at(i)),
                                      quotedName(expected->at(i).name), FieldTypes::describe(expected->at(i)));
                    break;
                }
            }
            throw notOurs(QStringLiteral("tabulka nemá předepsaná pole: ") + detail);
        }
        m_layout = layout;

        QStringList names;
        for (const FieldDef &field : m_layout)
            names << sqlite::quoted(field.name);
        const QString list = names.join(QStringLiteral(", "));
        const QString order = sqlite::quoted(OrderColumn);
        m_scanFields.clear();
        m_scanColumnOf.assign(size_t(m_layout.size()), -1);
        prepareScan();
        m_fetch.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1").arg(list, m_sql, order));
        loadOrder();
    } catch (const EngineError &error) {
        if (error.message().startsWith(QStringLiteral("Soubor ")) || error.message().startsWith(QStringLiteral("Tabulka ")))
            throw;
        throw EngineError(QStringLiteral("Tabulku %1 nelze otevřít: %2").arg(shown, error.message()));
    }
    if (m_filtered)
        applyFilter();
}

void Table::loadOrder()
{
    resetScan();
    m_rowCache.clear();
    m_nextAutoIncrement = 0;
    m_all.clear();
    sqlite::Statement keys;
    keys.prepare(m_db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(sqlite::quoted(OrderColumn), m_sql));
    while (keys.step())
        m_all.push_back(keys.columnInt(0));
    m_rows = m_all;
}

void Table::close()
{
    if (!isOpen())
        return;
    if (m_batch) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const EngineError &) {
        }
        m_batch = false;
    }
    m_scan.finalize();
    m_fetch.finalize();
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
    const std::optional<qint64> current = m_pos >= 0 ? std::optional<qint64>(m_rows[m_pos]) : std::nullopt;
    try {
        loadOrder();
        if (m_filtered)
            applyFilter();
    } catch (const EngineError &error) {
        fail(Operation::Update, error.message());
    }
    int position = m_rows.empty() ? -1 : 0;
    if (current) {
        const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), *current);
        position = it == m_rows.end() ? int(m_rows.size()) - 1 : int(it - m_rows.begin());
    }
    m_pos = position;
    m_eof = m_rows.empty();
    m_bof = m_rows.empty() || m_pos == 0;
    notifyReset();
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
    scrolled(m_rows.empty() ? -1 : 0, true, m_rows.empty());
}

void Table::last()
{
    if (!isOpen())
        return;
    checkBrowseMode();
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

Table::Bookmark Table::bookmark() const { return m_pos >= 0 && m_pos < int(m_rows.size()) ? m_rows[m_pos] : -1; }

bool Table::bookmarkValid(Bookmark bookmark) const
{
    return std::binary_search(m_rows.begin(), m_rows.end(), bookmark);
}

void Table::gotoBookmark(Bookmark bookmark)
{
    checkBrowseMode();
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), bookmark);
    if (it == m_rows.end() || *it != bookmark)
        throw EngineError(QStringLiteral("Záznam nebyl nalezen."));
    scrolled(int(it - m_rows.begin()), false, false);
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
    names << order;
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
// steps the statement; any other move seeks by the order key.
bool Table::seekCurrent() const
{
    if (m_pos < 0 || m_pos >= int(m_rows.size()))
        return false;
    const qint64 wanted = m_rows[m_pos];
    if (m_scanLive && m_scanPos == m_pos)
        return true;
    const int orderColumn = int(m_scanFields.size());
    if (m_scanLive && m_scanPos >= 0 && m_scanPos == m_pos - 1 && m_scanOrder < wanted) {
        while (m_scan.step()) {
            m_scanOrder = m_scan.columnInt(orderColumn);
            if (m_scanOrder >= wanted)
                break;
        }
        if (m_scanOrder == wanted) {
            m_scanPos = m_pos;
            return true;
        }
    }
    m_scan.reset();
    m_scan.bindInt(1, wanted);
    m_scanLive = m_scan.step();
    m_scanOrder = m_scanLive ? m_scan.columnInt(orderColumn) : 0;
    m_scanPos = m_scanLive && m_scanOrder == wanted ? m_pos : -1;
    return m_scanPos == m_pos;
}

QVariant Table::storedValue(int field) const
{
    try {
        const int column = scanColumn(field);
        if (m_probing)
            return readColumn(m_scan, column, m_layout.at(field));
        if (!seekCurrent())
            return QVariant(); // the row went away under another holder
        return readColumn(m_scan, column, m_layout.at(field));
    } catch (const EngineError &) {
        resetScan();
        throw;
    }
}

QVariant Table::fetchedValue(qint64 order, int field) const
{
    auto cached = m_rowCache.constFind(order);
    if (cached == m_rowCache.cend()) {
        QVector<QVariant> row(m_layout.size());
        m_fetch.bindInt(1, order);
        if (m_fetch.step())
            for (int i = 0; i < m_layout.size(); ++i)
                row[i] = readColumn(m_fetch, i, m_layout.at(i));
        m_fetch.reset();
        if (m_rowCache.size() >= RowCacheLimit)
            m_rowCache.clear();
        cached = m_rowCache.insert(order, row);
    }
    return cached->at(field);
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
    const QVariant normal = normalized(m_layout.at(field), value);
    if (sameValue(m_buffer.at(field), normal) && normal.metaType() == m_buffer.at(field).metaType())
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
    // The whole row by its key, so that the walk's narrow scan stays narrow.
    m_original.resize(m_layout.size());
    for (int i = 0; i < m_layout.size(); ++i)
        m_original[i] = fetchedValue(m_rows[m_pos], i);
    m_buffer = m_original;
    m_modified = false;
}

void Table::edit()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (!isOpen())
        fail(Operation::Edit, QStringLiteral("Tabulka %1 není otevřená.").arg(quotedName(m_tableName)));
    if (m_rows.empty()) {
        append();
        return;
    }
    try {
        loadBuffer();
    } catch (const EngineError &error) {
        fail(Operation::Edit, error.message());
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
    if (m_insertRow >= int(m_rows.size()))
        return m_all.empty() ? OrderGap : m_all.back() + OrderGap;
    // Before the row at the cursor, in stored order (the filter may hide
    // rows in between, which keep their places).
    const qint64 next = m_rows[m_insertRow];
    const auto it = std::lower_bound(m_all.begin(), m_all.end(), next);
    const qint64 previous = it == m_all.begin() ? 0 : *(it - 1);
    if (next - previous < 2)
        return -1;
    return previous + (next - previous) / 2;
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
    move.prepare(m_db, QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %2 = ?2").arg(m_sql, order));
    qint64 gap = OrderGap;
    while (gap > 2 && qint64(m_all.size() + 2) > std::numeric_limits<qint64>::max() / 2 / gap)
        gap /= 2;
    std::vector<qint64> fresh(m_all.size());
    for (size_t i = 0; i < m_all.size(); ++i) {
        fresh[i] = qint64(i + 1) * gap;
        move.bindInt(1, fresh[i]);
        move.bindInt(2, -m_all[i]);
        move.run();
    }
    // The visible rows are a subsequence of all rows: map them in one pass.
    std::vector<qint64> rows;
    rows.reserve(m_rows.size());
    size_t j = 0;
    for (qint64 key : m_rows) {
        while (m_all[j] != key)
            ++j;
        rows.push_back(fresh[j]);
    }
    m_rowCache.clear();
    m_all.swap(fresh);
    m_rows.swap(rows);
}

void Table::writeInsert(qint64 order)
{
    QStringList names, marks;
    for (int i = 0; i < m_layout.size(); ++i) {
        names << sqlite::quoted(m_layout.at(i).name);
        marks << QStringLiteral("?%1").arg(i + 1);
    }
    names << sqlite::quoted(OrderColumn);
    marks << QStringLiteral("?%1").arg(m_layout.size() + 1);
    sqlite::Statement statement;
    statement.prepare(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(m_sql, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (int i = 0; i < m_layout.size(); ++i)
        bindValue(statement, i + 1, m_layout.at(i), m_buffer.at(i));
    statement.bindInt(int(m_layout.size()) + 1, order);
    statement.run();
}

void Table::writeUpdate(const QList<int> &changed)
{
    QStringList sets;
    for (int i = 0; i < changed.size(); ++i)
        sets << sqlite::quoted(m_layout.at(changed[i]).name) + QStringLiteral(" = ?%1").arg(i + 1);
    sqlite::Statement statement;
    statement.prepare(m_db, QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                                .arg(m_sql, sets.join(QStringLiteral(", ")), sqlite::quoted(OrderColumn))
                                .arg(changed.size() + 1));
    for (int i = 0; i < changed.size(); ++i)
        bindValue(statement, i + 1, m_layout.at(changed[i]), m_buffer.at(changed[i]));
    statement.bindInt(int(changed.size()) + 1, m_rows[m_pos]);
    statement.run();
    if (m_db.changes() != 1)
        throw EngineError(QStringLiteral("Záznam byl mezitím smazán jiným uživatelem tabulky."));
}

void Table::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    emit beforePost();
    if (m_state == State::Edit) {
        QList<int> changed;
        for (int i = 0; i < m_layout.size(); ++i)
            if (!sameValue(m_buffer.at(i), m_original.at(i)))
                changed << i;
        if (!changed.isEmpty()) {
            resetScan();
            try {
                writeUpdate(changed);
            } catch (const EngineError &error) {
                fail(Operation::Post, error.message());
            }
            m_rowCache.remove(m_rows[m_pos]);
        }
        m_modified = false;
        setState(State::Browse);
        notifyRow(m_pos);
        emit afterPost();
        return;
    }

    // Insert: give the row its place and, where the table has one, its
    // automatic number.
    resetScan();
    std::vector<qint64> allBefore, rowsBefore; // kept only when the keys are respaced
    bool respaced = false;
    const bool ownTransaction = !m_db.inTransaction();
    try {
        m_db.exec(ownTransaction ? "BEGIN IMMEDIATE" : "SAVEPOINT table_post");
        qint64 order = orderForNewRow();
        if (order < 0) {
            allBefore = m_all;
            rowsBefore = m_rows;
            respaced = true;
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
        m_db.exec(ownTransaction ? "COMMIT" : "RELEASE table_post");
        for (int i = 0; i < m_layout.size(); ++i)
            if (m_layout.at(i).type == FieldType::AutoIncrement && m_buffer.at(i).toLongLong() >= m_nextAutoIncrement)
                m_nextAutoIncrement = m_buffer.at(i).toLongLong() + 1;
        m_all.insert(std::lower_bound(m_all.begin(), m_all.end(), order), order);
        m_rows.insert(m_rows.begin() + m_insertRow, order);
        m_pos = m_insertRow;
    } catch (const EngineError &error) {
        try {
            m_db.exec(ownTransaction ? "ROLLBACK" : "ROLLBACK TO table_post; RELEASE table_post");
        } catch (const EngineError &) {
        }
        if (respaced) {
            m_all.swap(allBefore);
            m_rows.swap(rowsBefore);
            m_rowCache.clear();
        }
        fail(Operation::Post, error.message());
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
    emit beforeDelete();
    emit beforeScroll();
    const qint64 key = m_rows[m_pos];
    resetScan();
    try {
        sqlite::Statement statement;
        statement.prepare(m_db, QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(m_sql, sqlite::quoted(OrderColumn)));
        statement.bindInt(1, key);
        statement.run();
    } catch (const EngineError &error) {
        fail(Operation::Delete, error.message());
    }
    const int removedRow = m_pos;
    m_rowCache.remove(key);
    m_all.erase(std::lower_bound(m_all.begin(), m_all.end(), key));
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

// ---------------------------------------------------------------- batches

void Table::beginBatch()
{
    if (!isOpen() || m_batch)
        return;
    resetScan();
    try {
        m_db.exec("BEGIN IMMEDIATE");
    } catch (const EngineError &error) {
        fail(Operation::Update, error.message());
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
        fail(Operation::Update, error.message());
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
    // Field = 'text*': the field name, then everything between "= '" and the
    // final "*'" (or final "'" for an exact match) is the literal text.
    static const QRegularExpression form(QStringLiteral("^\\s*\\[?([^=\\]]*?)\\]?\\s*=\\s*'(.*)'\\s*$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const auto match = form.match(expression);
    if (!match.hasMatch())
        throw EngineError(QStringLiteral("Filtr %1 nemá tvar Pole = 'text*'.").arg(quotedName(expression)));
    const QString fieldName = match.captured(1).trimmed();
    QString text = match.captured(2);
    const bool prefix = text.endsWith(QLatin1Char('*'));
    if (prefix)
        text.chop(1);
    Predicate predicate = [this, fieldName, text, prefix](const Table &table) {
        const int index = table.fieldIndex(fieldName);
        if (index < 0)
            return false;
        const QString value = table.field(index).asString();
        const Qt::CaseSensitivity cs = m_filterCaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        return prefix ? value.startsWith(text, cs) : value.compare(text, cs) == 0;
    };
    setFilter(std::move(predicate));
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
    std::vector<qint64> accepted;
    m_probing = true;
    try {
        m_scan.bindInt(1, std::numeric_limits<qint64>::min());
        m_scanLive = true;
        while (m_scan.step()) {
            m_scanOrder = m_scan.columnInt(int(m_scanFields.size()));
            if (m_predicate(*this)) // may widen the scan, which keeps its row
                accepted.push_back(m_scan.columnInt(int(m_scanFields.size())));
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
        return fetchedValue(m_rows[row], field);
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
