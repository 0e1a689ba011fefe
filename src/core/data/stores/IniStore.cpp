#include "core/data/stores/IniStore.h"

#include "core/data/platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The folder below $XDG_CONFIG_HOME where bare INI names live.
const char BareNameFolder[] = "Rozvahon";
}

IniStore::IniStore() : SettingsStore(QString()) {}

IniStore::IniStore(QString fileName, QString section)
    : SettingsStore(std::move(section)), m_fileName(std::move(fileName))
{
}

QString IniStore::pathFor(const QString &fileName)
{
    if (fileName.trimmed().isEmpty())
        return QString();
    if (!fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\')))
        return Paths::resolve(Paths::configHome(),
                              QLatin1String(BareNameFolder) + QLatin1Char('/') + fileName);
    return Paths::resolve(QDir::currentPath(), fileName);
}

QString IniStore::resolvePath() const
{
    return pathFor(m_fileName);
}

QString IniStore::misuseMessage() const
{
    return QStringLiteral("Please specify both Filename and Section for TINIEntry");
}

void IniStore::prepare(const QString &path, bool forWrite) const
{
    // The folder of bare names is ours to create; any other folder must
    // exist already, as a mistyped path should not grow folders.
    const bool bare = !m_fileName.contains(QLatin1Char('/')) && !m_fileName.contains(QLatin1Char('\\'));
    if (forWrite && bare)
        QDir().mkpath(QFileInfo(path).absolutePath());
}
