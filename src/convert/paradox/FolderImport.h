#pragma once

#include <QString>
#include <QStringList>

// Converting every table of the old format that a folder holds (for
// example the tables brought from another computer) into the program
// folder: each file whose name the catalogue knows and whose header is a
// Paradox header. Tables found in a folder named "Data01" go to the
// previous year. A table the program folder already has is kept beside as
// "NAME.bak"; the tables of the source folder are left as they are, and
// converting the program's own data folder keeps each original as
// "NAME.paradox".
namespace FolderImport {

struct Summary
{
    int converted = 0;
    int failed = 0;
    QStringList lines; // one for each table, in the program's words
};

// The Paradox tables below `folder` (the folder and two levels of
// subfolders) whose names the catalogue knows.
QStringList findTables(const QString &folder);

// Converts them into `programFolder`.
Summary importFolder(const QString &folder, const QString &programFolder);

// The whole summary as the command line prints it.
QString summaryText(const QString &folder, const Summary &summary);

} // namespace FolderImport
