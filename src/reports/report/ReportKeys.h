#pragma once

#include <QString>
#include <optional>

// The key a print command hands over names the table and the title of the
// report: "1" ... "12" the months ("Leden.db", titled "Leden"), "S1" ...
// "S12" the items of group 1 ("Zaznam1.db"), "2S1" ... "2S12" those of
// group 2 ("Zaznam01.db"); an item report is titled with the caption of the
// menu entry that asked for it.
namespace ReportKeys {

struct Source
{
    QString fileName; // in the data folder
    QString title;
};

// Nothing for a key that names no table.
std::optional<Source> source(const QString &key, const QString &caption);

} // namespace ReportKeys
