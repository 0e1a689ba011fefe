#include "core/data/platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Paths {

QString programFolder() { return QDir::currentPath(); }

QString executableFolder() { return QCoreApplication::applicationDirPath(); }

static QString xdgFolder(const char *variable, const char *fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackBelowHome);
}

QString configHome() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

QString dataHome() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

QString resolve(const QString &base, const QString &relative)
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString result = QDir::isAbsolutePath(path) ? QStringLiteral("/") : QDir::cleanPath(base);
    bool onDisk = true; // once a component is missing, the rest cannot exist
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String("."))
            continue;
        QString name = part;
        if (onDisk && part != QLatin1String("..")) {
            const QString exact = result + QLatin1Char('/') + part;
            if (!QFileInfo::exists(exact)) {
                onDisk = false;
                const QStringList entries = QDir(result).entryList(
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                for (const QString &entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        name = entry;
                        onDisk = true;
                        break;
                    }
                }
            }
        }
        result = result == QLatin1String("/") ? QLatin1Char('/') + name : result + QLatin1Char('/') + name;
    }
    return QDir::cleanPath(result);
}

} // namespace Paths
