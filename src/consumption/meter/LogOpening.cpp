#include "consumption/meter/LogOpening.h"

#include "core/app/commands/SiblingPrograms.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

#include <QDir>
#include <QFile>

namespace LogOpening {

namespace {
RegFlags registration() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::Registrace)); }
} // namespace

bool conversionStarted() { return registration().read(Key::Reg::Prevod); }

void setConversionStarted(bool started) { registration().write(Key::Reg::Prevod, started); }

bool looksLikeParadoxTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(6);
    if (head.size() < 6)
        return false;
    const auto word = [&head](int at) { return quint16(quint8(head[at]) | quint8(head[at + 1]) << 8); };
    const quint16 recordSize = word(0);
    const quint16 headerSize = word(2);
    const quint8 fileType = quint8(head[4]);
    const quint8 blockKilobytes = quint8(head[5]);
    return recordSize > 0 && headerSize > 0 && headerSize % 0x800 == 0 && (fileType == 0 || fileType == 2)
           && QList<quint8>{1, 2, 3, 4, 8, 16, 32}.contains(blockKilobytes);
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
            error.cause() == EngineError::Cause::ForeignLayout || looksLikeParadoxTable(failed->filePath());
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
