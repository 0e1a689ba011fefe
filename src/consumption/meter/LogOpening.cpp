#include "consumption/meter/LogOpening.h"

#include "core/app/commands/SiblingPrograms.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/ParadoxHeader.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

#include <QDir>

namespace LogOpening {

namespace {
RegFlags registration() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::Registrace)); }
} // namespace

bool conversionStarted() { return registration().read(Key::Reg::Prevod); }

void setConversionStarted(bool started) { registration().write(Key::Reg::Prevod, started); }

bool openOnly(const QList<Table *> &tables, Prompter &prompter)
{
    try {
        for (Table *table : tables)
            table->open();
        return true;
    } catch (const EngineError &error) {
        for (Table *table : tables)
            table->close();
        prompter.message(error.message());
        return false;
    }
}

bool openOrConvert(const QList<Table *> &tables, const QString &executableFolder, const QString &converter,
                   Prompter &prompter, PlatformServices &services)
{
    setConversionStarted(false);
    Table *failed = nullptr;
    try {
        for (Table *table : tables) {
            failed = table;
            table->open();
        }
        return true;
    } catch (const EngineError &error) {
        for (Table *table : tables)
            table->close();
        // Only a table of another format goes to the converter; anything
        // else (missing, read-only, damaged, locked) is told as it is.
        const bool otherFormat =
            error.cause() == EngineError::Cause::ForeignLayout || ParadoxHeader::looksLikeParadoxTable(failed->filePath());
        if (!otherFormat) {
            prompter.message(error.message());
            return false;
        }
    }
    prompter.message(OldFormatMessage);
    SiblingPrograms::launch(QDir(executableFolder).filePath(converter), services, prompter);
    setConversionStarted(true);
    return false;
}

} // namespace LogOpening
