#pragma once

#include <QString>
#include <stdexcept>

// A failed open, edit, post, delete or update of a table. Carries the
// message the user is shown and, when SQLite raised it, SQLite's result
// code, so that the table can say in its own words what went wrong.
class EngineError : public std::runtime_error
{
public:
    explicit EngineError(const QString &message, int sqliteCode = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_sqliteCode(sqliteCode) {}
    const QString &message() const { return m_message; }
    // SQLite's extended result code; 0 for the engine's own errors.
    int sqliteCode() const { return m_sqliteCode; }

private:
    QString m_message;
    int m_sqliteCode;
};
