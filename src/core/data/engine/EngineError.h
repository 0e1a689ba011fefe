#pragma once

#include <QString>
#include <stdexcept>

// A failed open, edit, post, delete or update of a table. Carries the
// message the user is shown and, when SQLite raised it, SQLite's result
// code, so that the table can say in its own words what went wrong.
class EngineError : public std::runtime_error
{
public:
    // What kind of failure it was, where the callers act on it.
    enum class Cause {
        Other,
        ForeignLayout, // the file is a table, but not of the layout its name calls for
    };

    explicit EngineError(const QString &message, int sqliteCode = 0, Cause cause = Cause::Other)
        : std::runtime_error(message.toStdString()), m_message(message), m_sqliteCode(sqliteCode), m_cause(cause) {}
    const QString &message() const { return m_message; }
    // SQLite's extended result code; 0 for the engine's own errors.
    int sqliteCode() const { return m_sqliteCode; }
    Cause cause() const { return m_cause; }

private:
    QString m_message;
    int m_sqliteCode;
    Cause m_cause;
};
