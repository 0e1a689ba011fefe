#pragma once

#include "core/data/platform/PlatformServices.h"

#include <QString>
#include <QStringList>

// Where a sibling program is and whether it can be started. A bare name
// ("Volbik.exe") is looked for under that name and under the name without
// ".exe" in the executable's folder, the program folder and then along
// PATH, letter case ignored; a name with a folder is taken from the
// program folder (or as it is when absolute).
class ProgramLocator
{
public:
    struct Found
    {
        PlatformServices::LaunchResult result = PlatformServices::LaunchResult::FileNotFound;
        QString path; // the program file when result is Started
    };

    ProgramLocator(QStringList searchFolders, QString programFolder);
    // ExecutableFolder, ProgramFolder, then PATH.
    static ProgramLocator forThisProcess();

    // Started means "found and executable"; the other results say why not:
    // FileNotFound, PathNotFound (a folder in the name does not exist),
    // NotAProgram (a folder, or a file without the right to run it).
    Found locate(const QString &file) const;

    static QStringList candidateNames(const QString &file);

private:
    Found check(const QString &path) const;

    QStringList m_folders;
    QString m_programFolder;
};
