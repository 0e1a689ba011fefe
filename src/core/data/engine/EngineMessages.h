#pragma once

#include <QString>

class EngineError;

namespace EngineMessages {

// What a failure of SQLite means for the user, in the program's words,
// naming the table (`shown`, already quoted) and what to do; SQLite's own
// text follows as a detail. The engine's own errors pass unchanged.
QString explain(const EngineError &error, const QString &shown);

} // namespace EngineMessages
