#include "reports/report/TForm24.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/platform/Clock.h"
#include "reports/report/ReportKeys.h"

#include <QBuffer>
#include <QPdfWriter>

namespace {

const QString DateField = QStringLiteral("Datum");
const QString TextField = QStringLiteral("Text 80");
const QString AmountField = QStringLiteral("Castka");

} // namespace

TForm24::TForm24(const Clock &clock) : m_clock(clock) {}

bool TForm24::PrMesic(const QString &key, const QString &caption)
{
    const std::optional<ReportKeys::Source> source = ReportKeys::source(key, caption);
    if (!source)
        return false;
    m_title = source->title;
    if (m_table.isOpen())
        m_table.close();
    m_table.setFolder(Catalogue::DataFolder);
    m_table.setTableName(source->fileName);
    m_table.open();
    return true;
}

bool TForm24::isEmpty() const
{
    bool any = false;
    m_table.readShownRows({}, [&any](const QVector<QVariant> &) { any = true; });
    return !any;
}

ReportContent TForm24::content() const
{
    ReportContent report{m_title, m_clock.today(), {}};
    if (!m_table.isOpen())
        return report;
    const QList<int> fields{m_table.fieldIndex(DateField), m_table.fieldIndex(TextField),
                            m_table.fieldIndex(AmountField)};
    if (fields.contains(-1)) // not a ledger: nothing to print
        return report;
    const Layout &layout = m_table.fields();
    report.lines.reserve(m_table.recordCount());
    m_table.readShownRows(fields, [&](const QVector<QVariant> &row) {
        report.lines.append(ReportLine{FieldCodec::displayText(layout[fields[0]], row[0]),
                                       FieldCodec::displayText(layout[fields[1]], row[1]),
                                       FieldCodec::displayText(layout[fields[2]], row[2])});
    });
    return report;
}

int TForm24::draw(QPagedPaintDevice &device) const { return ReportPages::draw(content(), device); }

QByteArray TForm24::pdf() const
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setTitle(m_title);
        writer.setCreator(QStringLiteral("Rozvahon"));
        if (draw(writer) <= 0)
            return QByteArray();
    }
    return bytes;
}
