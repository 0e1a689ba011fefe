#include "reports/report/PageLayout.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace PageLayout {

namespace {

// Whole detail bands in `space` millimetres, counted in tenths so that
// 48 bands of 5.3 mm are not lost to rounding.
int bandsIn(double space)
{
    const qint64 tenths = std::llround(space * 10);
    const qint64 band = std::llround(DetailHeight * 10);
    return int(std::max<qint64>(0, tenths / band));
}

} // namespace

int rowsOnFirstPage() { return bandsIn(BodyHeight - TitleHeight - HeadingHeight - FooterHeight); }

int rowsOnLaterPage() { return bandsIn(BodyHeight - HeadingHeight - FooterHeight); }

DetailColumns detailColumns(double amountWidth)
{
    if (amountWidth <= AmountColumn.width)
        return DetailColumns{TextColumn, AmountColumn};
    const double amountLeft = AmountColumn.right() - amountWidth;
    const double textRight = std::min(TextColumn.right(), amountLeft - TextToAmountGap);
    return DetailColumns{Column{TextColumn.left, std::max(0.0, textRight - TextColumn.left)},
                         Column{amountLeft, amountWidth}};
}

QList<Page> pages(int rowCount)
{
    QList<Page> result;
    int row = 0;
    while (row < rowCount) {
        const bool first = result.isEmpty();
        const int count = std::min(rowCount - row, first ? rowsOnFirstPage() : rowsOnLaterPage());
        result.append(Page{int(result.size()) + 1, first, row, count});
        row += count;
    }
    return result;
}

double headingTop(const Page &page) { return page.hasTitle ? TitleHeight : 0.0; }

double detailTop(const Page &page, int rowOnPage) { return headingTop(page) + HeadingHeight + rowOnPage * DetailHeight; }

double footerTop() { return BodyHeight - FooterHeight; }

QPageLayout pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(Margin, Margin, Margin, Margin),
                       QPageLayout::Millimeter);
}

QString cutToWidth(const QString &text, const QFontMetricsF &metrics, double width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // The places where a whole character ends; the longest fitting
    // beginning is found by halving.
    QList<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        ends.append(at);
    qsizetype low = 0;              // ends[low - 1] fits (none when 0)
    qsizetype high = ends.size();   // ends[high - 1] does not fit
    while (high - low > 1) {
        const qsizetype middle = (low + high) / 2;
        if (metrics.horizontalAdvance(text.left(ends[middle - 1])) <= width)
            low = middle;
        else
            high = middle;
    }
    return low == 0 ? QString() : text.left(ends[low - 1]);
}

} // namespace PageLayout
