#include "reports/report/ReportPages.h"

#include "core/data/format/Locale.h"
#include "reports/report/PageLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace ReportPages {

namespace {

const QColor TitleColour(0, 0, 128); // navy

QFont reportFont(double points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Millimetres on the page to the device's units, from the top left corner
// of the printable area.
class PageScale
{
public:
    explicit PageScale(const QPaintDevice &device)
        : m_x(device.logicalDpiX() / 25.4), m_y(device.logicalDpiY() / 25.4) {}
    QRectF rect(double left, double top, double width, double height) const
    {
        return QRectF(left * m_x, top * m_y, width * m_x, height * m_y);
    }
    double width(double millimetres) const { return millimetres * m_x; }
    double toMillimetres(double units) const { return units / m_x; }

private:
    double m_x;
    double m_y;
};

class PagePainter
{
public:
    PagePainter(QPainter &painter, const PageScale &scale) : m_painter(painter), m_scale(scale) {}

    void title(const QString &text)
    {
        const QFont font = reportFont(20, true, true);
        m_painter.setFont(font);
        m_painter.setPen(TitleColour);
        const QFontMetricsF metrics(font, m_painter.device());
        m_painter.drawText(m_scale.rect(0, 0, PageLayout::BandWidth, PageLayout::TitleHeight),
                           Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                           PageLayout::cutToWidth(text, metrics, m_scale.width(PageLayout::BandWidth)));
    }

    void headings(double top)
    {
        m_painter.setFont(reportFont(10, true));
        m_painter.setPen(Qt::black);
        cell(PageLayout::DateColumn, top, PageLayout::HeadingHeight, QStringLiteral("Datum"), Qt::AlignLeft);
        cell(PageLayout::TextColumn, top, PageLayout::HeadingHeight, QStringLiteral("Informační text"), Qt::AlignLeft);
        cell(PageLayout::AmountColumn, top, PageLayout::HeadingHeight, QStringLiteral("Částka"), Qt::AlignRight);
    }

    void detail(double top, const ReportLine &line)
    {
        const QFont font = reportFont(10);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        const QFontMetricsF metrics(font, m_painter.device());
        const PageLayout::DetailColumns columns =
            PageLayout::detailColumns(m_scale.toMillimetres(metrics.horizontalAdvance(line.amount)));
        const PageLayout::Column &text = columns.text;
        const PageLayout::Column &amount = columns.amount;
        cell(PageLayout::DateColumn, top, PageLayout::DetailHeight,
             PageLayout::cutToWidth(line.date, metrics, m_scale.width(PageLayout::DateColumn.width)), Qt::AlignLeft);
        cell(text, top, PageLayout::DetailHeight, PageLayout::cutToWidth(line.text, metrics, m_scale.width(text.width)),
             Qt::AlignLeft);
        cell(amount, top, PageLayout::DetailHeight, line.amount, Qt::AlignRight);
    }

    void footer(const QString &printed, int pageNumber)
    {
        m_painter.setFont(reportFont(10));
        m_painter.setPen(Qt::black);
        const QRectF band = m_scale.rect(0, PageLayout::footerTop(), PageLayout::BandWidth, PageLayout::FooterHeight);
        m_painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, printed);
        m_painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                           QStringLiteral("Strana ") + QString::number(pageNumber));
    }

private:
    void cell(const PageLayout::Column &column, double top, double height, const QString &text, Qt::Alignment alignment)
    {
        m_painter.drawText(m_scale.rect(column.left, top, column.width, height),
                           alignment | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    QPainter &m_painter;
    const PageScale &m_scale;
};

} // namespace

int draw(const ReportContent &report, QPagedPaintDevice &device)
{
    const QList<PageLayout::Page> pages = PageLayout::pages(int(report.lines.size()));
    if (pages.isEmpty())
        return 0;
    const QPageLayout layout = PageLayout::pageLayout();
    if (!device.pageLayout().isEquivalentTo(layout))
        device.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    const PageScale scale(device);
    PagePainter page(painter, scale);
    const QString printed = Locale::date(report.printed);
    for (const PageLayout::Page &each : pages) {
        if (each.number > 1 && !device.newPage()) {
            painter.end();
            return -1;
        }
        if (each.hasTitle)
            page.title(report.title);
        page.headings(PageLayout::headingTop(each));
        for (int row = 0; row < each.rowCount; ++row)
            page.detail(PageLayout::detailTop(each, row), report.lines[each.firstRow + row]);
        page.footer(printed, each.number);
    }
    return painter.end() ? int(pages.size()) : -1;
}

} // namespace ReportPages
