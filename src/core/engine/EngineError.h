#pragma once

#include <QString>
#include <stdexcept>

// A failed open, edit, post, delete or update of a table. Carries the
// engine's message, which the application-wide handler shows as it is.
class EngineError : public std::runtime_error
{
public:
    explicit EngineError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
