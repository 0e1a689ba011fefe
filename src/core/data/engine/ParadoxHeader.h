#pragma once

#include <QString>

// Tables of the program's old format, Paradox, are recognised by their
// header so that the user is told how to convert them instead of being
// told the file is no table.
namespace ParadoxHeader {

// The header of a Paradox table: record size, header size (whole 2 kB
// blocks), file type 0 or 2 and a block size of 1 to 32 kB.
bool looksLikeParadoxTable(const QString &path);

// "Soubor „Data\Leden.db“ je tabulka starého formátu (Paradox). …": what a
// window tells when it meets one, `shownName` already quoted.
QString oldFormatMessage(const QString &shownName);

// The command that converts the tables of a folder, as the messages give it.
inline const QString ImportCommand = QStringLiteral("rozvahon --import-paradox SLOŽKA");

} // namespace ParadoxHeader
