#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <exception>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_stmt;
struct sqlite3_value;

// Thin RAII wrappers over SQLite's C API. Every failure becomes an
// EngineError that carries SQLite's own message and result code.
namespace sqlite {

class Statement;

// The storage class of a value as SQLite holds it.
enum class ValueType { Null, Integer, Real, Text, Blob };

// The values of one row as SQLite hands them to a visit (below), read like
// a statement's columns; valid only during the visit.
class RowValues
{
public:
    RowValues(sqlite3_value **values, int count) : m_values(values), m_count(count) {}
    int count() const { return m_count; }
    ValueType columnType(int column) const;
    bool isNull(int column) const { return columnType(column) == ValueType::Null; }
    qint64 columnInt(int column) const;
    double columnDouble(int column) const;
    QByteArrayView columnUtf8(int column) const;
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;

private:
    sqlite3_value **m_values;
    int m_count;
};

using RowVisitor = std::function<void(const RowValues &)>;

// A statement whose result is `VisitFunction(columns...)` over some rows,
// "SELECT rozvahon_visit(a, b) FROM t": run by Connection::visit, it hands
// every row to the visitor inside SQLite's own loop, without a step, a
// result row and column calls for each. The rows come in the order SQLite
// scans them, which the statement cannot fix.
inline constexpr const char *VisitFunction = "rozvahon_visit";

class Connection
{
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an existing file read-write (or creates it when `create`).
    void open(const QString &path, bool create);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }

    void exec(const char *sql);
    void exec(const QString &sql) { exec(sql.toUtf8().constData()); }
    QString errorMessage() const;
    int errorCode() const; // SQLite's extended result code of the last failure
    qint64 lastInsertRowId() const;
    int changes() const;
    bool inTransaction() const;

    // Runs a visiting statement (see VisitFunction). What the visitor
    // throws ends the statement and is thrown on from here.
    void visit(Statement &statement, const RowVisitor &visitor);

private:
    static void visitStep(sqlite3_context *context, int count, sqlite3_value **values);
    static void visitFinal(sqlite3_context *context);

    sqlite3 *m_db = nullptr;
    const RowVisitor *m_visitor = nullptr;
    std::exception_ptr m_visitFailure;
};

class Statement
{
public:
    Statement() = default;
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void prepare(Connection &connection, const QString &sql);
    void finalize();
    bool isPrepared() const { return m_stmt != nullptr; }
    sqlite3_stmt *handle() const { return m_stmt; }

    // One step; true while there is a row. Throws on an error.
    bool step();
    // Runs a statement that returns no rows (and resets it).
    void run();
    void reset();

    void bindNull(int index);
    void bindInt(int index, qint64 value);
    void bindDouble(int index, double value);
    void bindText(int index, const QString &value);
    void bindBlob(int index, const QByteArray &value);

    ValueType columnType(int column) const;
    bool isNull(int column) const;
    qint64 columnInt(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const;
    // The text as SQLite holds it, valid until the next step; empty for null.
    QByteArrayView columnUtf8(int column) const;
    QByteArray columnBlob(int column) const;

private:
    Connection *m_connection = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

// Statements prepared once and kept for the life of a connection, by
// their text: a statement run for every row of a walk, or for every post,
// is compiled only the first time.
class StatementCache
{
public:
    // The statement of `sql`, reset and ready to bind.
    Statement &get(Connection &connection, const QString &sql);
    // Finalizes them all (before the connection closes).
    void clear() { m_statements.clear(); }

private:
    QHash<QString, std::shared_ptr<Statement>> m_statements;
};

// "name" quoted as an SQL identifier.
QString quoted(const QString &identifier);

} // namespace sqlite
