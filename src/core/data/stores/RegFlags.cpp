#include "core/data/stores/RegFlags.h"

#include "core/data/platform/Paths.h"
#include "core/data/stores/IniFile.h"

#include <QDir>
#include <QFileInfo>

RegFlags::RegFlags() : SettingsStore(QString()) {}

RegFlags::RegFlags(QString keyPath, QString section)
    : SettingsStore(std::move(section)), m_keyPath(std::move(keyPath))
{
}

void RegFlags::setKeyPath(QString keyPath)
{
    m_keyPath = std::move(keyPath);
    m_created = false;
}

QString RegFlags::pathFor(const QString &keyPath)
{
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.isEmpty())
        return QString();
    for (const QString &part : std::as_const(parts))
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QString();
    return Paths::resolve(Paths::configHome(), parts.join(QLatin1Char('/')) + QLatin1String(".ini"));
}

QString RegFlags::resolvePath() const
{
    return pathFor(m_keyPath);
}

QString RegFlags::misuseMessage() const
{
    return QStringLiteral("Please specify both Filename and Section for TRegEntry");
}

void RegFlags::prepare(const QString &path, bool) const
{
    if (m_created)
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_created = IniFile(path).create();
}
