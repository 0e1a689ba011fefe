#pragma once

#include "core/data/engine/FieldDef.h"

#include <QString>
#include <QStringList>
#include <QVariant>

struct ParadoxField;

// Turning a Paradox table into a table of the program, all or nothing.
namespace TableConversion {

struct Result
{
    int rows = 0;
    QStringList notes; // fields left out or left empty, for the summary
};

// Reads the Paradox table `source` and writes its rows into the new table
// file `target` (which must not exist) of `layout`. Fields are matched by
// name, letter case ignored. Texts keep every character, money is rounded to
// the ten-thousandth (1.005 stays 1.005). Every value that does not fit is
// collected with its row number; when there is any, or anything else fails,
// no target file is left and ConversionError tells the first problems.
Result convertToTable(const QString &source, const QString &target, const Layout &layout);

// The value `value` read from a Paradox field, as the program's field `def`
// keeps it; throws ConversionError (without a row number) when it cannot
// take it whole.
QVariant convertedValue(const FieldDef &def, const QVariant &value);

// Converts the Paradox table `path` in its place: the converted table takes
// its name (letter case kept) and the original is kept beside as
// "NAME.paradox" (its memo file as "NAME.MB.paradox"), never deleted. On
// failure the original stays where it was, untouched.
Result convertInPlace(const QString &path, const Layout &layout);

// A free name for a file kept aside: `path` + `suffix`, then with ".2",
// ".3", … when that is taken.
QString freeName(const QString &path, const QString &suffix);

// Removes a table file with its journal files.
void removeTableFile(const QString &path);

} // namespace TableConversion
