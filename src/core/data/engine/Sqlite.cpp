#include "core/data/engine/Sqlite.h"

#include "core/data/engine/EngineError.h"

#include <sqlite3.h>
#include <utility>

namespace sqlite {

namespace {

ValueType valueType(int type)
{
    switch (type) {
    case SQLITE_INTEGER:
        return ValueType::Integer;
    case SQLITE_FLOAT:
        return ValueType::Real;
    case SQLITE_TEXT:
        return ValueType::Text;
    case SQLITE_BLOB:
        return ValueType::Blob;
    default:
        return ValueType::Null;
    }
}

} // namespace

ValueType RowValues::columnType(int column) const { return valueType(sqlite3_value_type(m_values[column])); }

qint64 RowValues::columnInt(int column) const { return sqlite3_value_int64(m_values[column]); }

double RowValues::columnDouble(int column) const { return sqlite3_value_double(m_values[column]); }

QByteArrayView RowValues::columnUtf8(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(m_values[column]));
    return text ? QByteArrayView(text, sqlite3_value_bytes(m_values[column])) : QByteArrayView();
}

QString RowValues::columnText(int column) const
{
    const QByteArrayView text = columnUtf8(column);
    return text.data() ? QString::fromUtf8(text) : QString();
}

QByteArray RowValues::columnBlob(int column) const
{
    const void *data = sqlite3_value_blob(m_values[column]);
    return data ? QByteArray(static_cast<const char *>(data), sqlite3_value_bytes(m_values[column])) : QByteArray();
}

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
    // Only statements of the program itself may call the visit, not a
    // trigger or view someone put into the file.
    sqlite3_create_function_v2(m_db, VisitFunction, -1, SQLITE_UTF8 | SQLITE_DIRECTONLY, this, nullptr, visitStep,
                               visitFinal, nullptr);
}

void Connection::visitStep(sqlite3_context *context, int count, sqlite3_value **values)
{
    auto *connection = static_cast<Connection *>(sqlite3_user_data(context));
    if (!connection->m_visitor || connection->m_visitFailure)
        return;
    try {
        (*connection->m_visitor)(RowValues(values, count));
    } catch (...) {
        // Nothing may be thrown through SQLite: the statement fails, and
        // visit() throws this again.
        connection->m_visitFailure = std::current_exception();
        sqlite3_result_error(context, "visit failed", -1);
    }
}

void Connection::visitFinal(sqlite3_context *context) { sqlite3_result_null(context); }

void Connection::visit(Statement &statement, const RowVisitor &visitor)
{
    // A visitor may run a visit of its own on this connection.
    const RowVisitor *outer = std::exchange(m_visitor, &visitor);
    std::exception_ptr outerFailure = std::exchange(m_visitFailure, nullptr);
    auto restore = [&] {
        m_visitor = outer;
        return std::exchange(m_visitFailure, outerFailure);
    };
    try {
        statement.step();
    } catch (const EngineError &) {
        if (std::exception_ptr failure = restore())
            std::rethrow_exception(failure);
        throw;
    }
    restore();
    statement.reset();
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

ValueType Statement::columnType(int column) const { return valueType(sqlite3_column_type(m_stmt, column)); }

QByteArrayView Statement::columnUtf8(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(m_stmt, column)) : QByteArrayView();
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
