#include "core/app/services/ProgramLocator.h"

#include "core/data/platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

using Result = PlatformServices::LaunchResult;

ProgramLocator::ProgramLocator(QStringList searchFolders, QString programFolder)
    : m_folders(std::move(searchFolders)), m_programFolder(std::move(programFolder))
{
}

ProgramLocator ProgramLocator::forThisProcess()
{
    QStringList folders{Paths::executableFolder(), Paths::programFolder()};
    const QString path = QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH"));
    for (const QString &folder : path.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << folder;
    return ProgramLocator(folders, Paths::programFolder());
}

QStringList ProgramLocator::candidateNames(const QString &file)
{
    QStringList names{file};
    if (file.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) && file.size() > 4)
        names << file.left(file.size() - 4);
    return names;
}

ProgramLocator::Found ProgramLocator::check(const QString &path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return {Result::FileNotFound, {}};
    if (!info.isFile() || !info.isExecutable())
        return {Result::NotAProgram, {}};
    return {Result::Started, info.absoluteFilePath()};
}

ProgramLocator::Found ProgramLocator::locate(const QString &file) const
{
    if (file.trimmed().isEmpty())
        return {Result::FileNotFound, {}};
    const bool hasFolder = file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\'));
    if (hasFolder) {
        const QString base = QDir::isAbsolutePath(file) ? QStringLiteral("/") : m_programFolder;
        Found best{Result::FileNotFound, {}};
        for (const QString &name : candidateNames(file)) {
            const QString path = Paths::resolve(base, name);
            if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
                return {Result::PathNotFound, {}};
            const Found found = check(path);
            if (found.result == Result::Started)
                return found;
            if (found.result == Result::NotAProgram)
                best = found;
        }
        return best;
    }
    // A bare name: the first program found wins; a file of that name that
    // cannot be run is reported only when no folder holds a program.
    Found best{Result::FileNotFound, {}};
    for (const QString &folder : m_folders)
        for (const QString &name : candidateNames(file)) {
            const Found found = check(Paths::resolve(folder, name));
            if (found.result == Result::Started)
                return found;
            if (found.result == Result::NotAProgram)
                best = found;
        }
    return best;
}
