#pragma once

#include <QList>
#include <QString>

class PlatformServices;
class Prompter;
class Table;

// Opening the tables of a priced meter log. A table in an older format (a
// Paradox table, or a table of another layout) is converted: the user is
// told, the log's converter program beside the executable is started and
// the registry flag Prevod is set, which makes the window close at its
// first paint. Any other failure (missing, read-only, damaged, locked) is
// told in the engine's words, and the window shows empty grids.
namespace LogOpening {

inline const QString OldFormatMessage =
    QStringLiteral("Pravděpodobně starý formát tabulky. Spustí se program pro vřevod dat.");

// The converters of the logs.
inline const QString WaterConverter = QStringLiteral("Hydrak.exe");
inline const QString ElectricityConverter = QStringLiteral("Voltak.exe");
inline const QString GasConverter = QStringLiteral("Plamak.exe");

// Clears Prevod and opens `tables` from the data folder; on a failure
// closes those opened and tells the user; for an older format it starts
// `converter` from `executableFolder` and sets Prevod. True when every
// table is open.
bool openOrConvert(const QList<Table *> &tables, const QString &executableFolder, const QString &converter,
                   Prompter &prompter, PlatformServices &services);

// Opens `tables`; on a failure closes those opened and tells the engine's
// words. True when every table is open.
bool openOnly(const QList<Table *> &tables, Prompter &prompter);

// Prevod: a converter was started and the window is to close itself.
bool conversionStarted();
void setConversionStarted(bool started);

} // namespace LogOpening
