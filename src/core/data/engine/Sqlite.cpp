#include "core/data/engine/Sqlite.h"

#include "core/data/engine/EngineError.h"

#include <sqlite3.h>

namespace sqlite {

Connection::~Connection() { close(); }

void Connection::open(const QString &path, bool create)
{
    close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        const int code = db ? sqlite3_extended_errcode(db) : rc;
        sqlite3_close(db);
        throw EngineError(message, code);
    }
    m_db = db;
    sqlite3_extended_result_codes(m_db, 1);
}

void Connection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Connection::exec(const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = error ? QString::fromUtf8(error) : errorMessage();
        sqlite3_free(error);
        throw EngineError(message, errorCode());
    }
}

QString Connection::errorMessage() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("no database");
}

int Connection::errorCode() const { return m_db ? sqlite3_extended_errcode(m_db) : SQLITE_MISUSE; }

qint64 Connection::lastInsertRowId() const { return sqlite3_last_insert_rowid(m_db); }

int Connection::changes() const { return sqlite3_changes(m_db); }

bool Connection::inTransaction() const { return m_db && !sqlite3_get_autocommit(m_db); }

Statement::~Statement() { finalize(); }

void Statement::prepare(Connection &connection, const QString &sql)
{
    finalize();
    m_connection = &connection;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(connection.handle(), utf8.constData(), int(utf8.size()),
                           SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) != SQLITE_OK) {
        m_stmt = nullptr;
        throw EngineError(connection.errorMessage(), connection.errorCode());
    }
}

void Statement::finalize()
{
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = m_connection->errorMessage();
    const int code = m_connection->errorCode();
    sqlite3_reset(m_stmt);
    throw EngineError(message, code ? code : rc);
}

void Statement::run()
{
    step();
    sqlite3_reset(m_stmt);
}

void Statement::reset()
{
    if (m_stmt)
        sqlite3_reset(m_stmt);
}

void Statement::bindNull(int index) { sqlite3_bind_null(m_stmt, index); }

void Statement::bindInt(int index, qint64 value) { sqlite3_bind_int64(m_stmt, index, value); }

void Statement::bindDouble(int index, double value) { sqlite3_bind_double(m_stmt, index, value); }

void Statement::bindText(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void Statement::bindBlob(int index, const QByteArray &value)
{
    sqlite3_bind_blob(m_stmt, index, value.constData(), int(value.size()), SQLITE_TRANSIENT);
}

bool Statement::isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

qint64 Statement::columnInt(int column) const { return sqlite3_column_int64(m_stmt, column); }

double Statement::columnDouble(int column) const { return sqlite3_column_double(m_stmt, column); }

QString Statement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)) : QString();
}

QByteArray Statement::columnBlob(int column) const
{
    const void *data = sqlite3_column_blob(m_stmt, column);
    return data ? QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_stmt, column)) : QByteArray();
}

Statement &StatementCache::get(Connection &connection, const QString &sql)
{
    std::shared_ptr<Statement> &statement = m_statements[sql];
    if (!statement) {
        auto made = std::make_shared<Statement>();
        made->prepare(connection, sql); // a failed prepare is tried again next time
        statement = std::move(made);
    } else {
        statement->reset();
    }
    return *statement;
}

QString quoted(const QString &identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace sqlite
