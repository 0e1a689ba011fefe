#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QPagedPaintDevice;

// What a report prints: its title, the date it is printed on and one line
// per record with the date, the information text and the amount in their
// display forms. Supplements and hidden amounts are never part of it.
struct ReportLine
{
    QString date;
    QString text;
    QString amount;
    bool operator==(const ReportLine &) const = default;
};

struct ReportContent
{
    QString title;
    QDate printed;
    QList<ReportLine> lines;
};

// Draws a report's pages on a printer or a PDF writer: the title band on
// the first page, the column headings and the page footer ("Strana n") on
// every page, one detail band per record. A text too long for its column is
// cut at the column's edge, and before an amount that is wider than its own
// column, so that nothing is drawn over the amount.
namespace ReportPages {

// The number of pages drawn; 0 for a report without records (nothing is
// begun on the device then), -1 when the device cannot be painted on.
int draw(const ReportContent &report, QPagedPaintDevice &device);

} // namespace ReportPages
