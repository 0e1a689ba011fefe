#pragma once

#include "core/data/engine/Table.h"
#include "reports/report/ReportPages.h"

#include <QByteArray>
#include <QString>

class Clock;
class QPagedPaintDevice;

// The report "Tisková sestava" of one month or item table: PrMesic opens
// the table a print command's key names and takes the report's title; the
// report reads the table afresh each time it is drawn, so that the preview,
// the printer and a PDF file all show the table as it is. The table stays
// open as long as the report lives.
class TForm24
{
public:
    explicit TForm24(const Clock &clock);
    TForm24(const TForm24 &) = delete;
    TForm24 &operator=(const TForm24 &) = delete;

    // False, with nothing opened, for a key that names no table. An error
    // of the table engine is raised.
    bool PrMesic(const QString &key, const QString &caption);

    const QString &title() const { return m_title; }
    Table &table() { return m_table; }
    // No records in the file now (another window may have written to it
    // since the report opened it).
    bool isEmpty() const;

    // The title, today's date and the records in table order, in their
    // display forms.
    ReportContent content() const;
    // See ReportPages::draw.
    int draw(QPagedPaintDevice &device) const;
    // The report as a PDF document; empty when it has no pages.
    QByteArray pdf() const;

private:
    const Clock &m_clock;
    Table m_table;
    QString m_title;
};
