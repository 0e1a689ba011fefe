#pragma once

#include <QList>
#include <QString>

class PlatformServices;
class Prompter;
class Table;

// Opening the tables of a priced meter log. A table the engine cannot open
// is taken for one in an older format: the user is told, the log's
// converter program beside the executable is started and the registry flag
// Prevod is set, which makes the window close at its first paint.
namespace LogOpening {

inline const QString OldFormatMessage =
    QStringLiteral("Pravděpodobně starý formát tabulky. Spustí se program pro vřevod dat.");

// The converters of the logs.
inline const QString WaterConverter = QStringLiteral("Hydrak.exe");
inline const QString ElectricityConverter = QStringLiteral("Voltak.exe");
inline const QString GasConverter = QStringLiteral("Plamak.exe");

// Clears Prevod and opens `tables` from the data folder; on a failure
// closes those opened, tells the user, starts `converter` from
// `executableFolder` and sets Prevod. True when every table is open.
bool openOrConvert(const QList<Table *> &tables, const QString &executableFolder, const QString &converter,
                   Prompter &prompter, PlatformServices &services);

// Prevod: a converter was started and the window is to close itself.
bool conversionStarted();
void setConversionStarted(bool started);

} // namespace LogOpening
