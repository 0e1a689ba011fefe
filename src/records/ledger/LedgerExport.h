#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Table;

// The text and HTML files a record window writes of the rows it shows (all
// of them, or the ticked ones while its filter is on), in table order. Both
// are windows-1250 with CR LF line ends and no byte-order mark.
namespace LedgerExport {

// One line per record: the date padded to 11, the information text padded
// to 60 (59 for an amount that rounds below zero, so that the digits line
// up), the plain amount with "Kč" padded by 30 − its length, the supplement.
QStringList textLines(Table &ledger);

// The general writer of a table as an HTML table: header lines, the
// table of the chosen fields (label and field name) of the shown rows, and
// footer lines. Without header or footer lines it writes its own.
struct HtmlTableWriter
{
    QStringList header;
    QStringList footer;
    QList<QPair<QString, QString>> fields; // field name, label
    QStringList lines(Table &table) const;
};

// The HTML page: the window's caption in the header, a table of the
// information text, date and amount of every record, the footer.
QStringList htmlLines(Table &ledger, const QString &caption);

// How many characters of the lines windows-1250 cannot hold (they are
// written as "?").
int unencodable(const QStringList &lines);

// The lines as the file holds them.
QByteArray fileBytes(const QStringList &lines);

// Writes the file whole (a full disk leaves the old file, not half a new
// one); false with the reason in `error`.
bool write(const QString &path, const QStringList &lines, QString *error);

// The default extension added to a chosen name that has none.
QString withExtension(const QString &path, const QString &extension);

} // namespace LedgerExport
