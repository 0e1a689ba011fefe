#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>

class QFontMetricsF;

// Where everything of a report goes on an A4 portrait page with 10 mm
// margins, in millimetres from the top left corner of the printable area:
// the title band on the first page only, the column headings and the page
// footer on every page, and as many detail bands as fit between them.
namespace PageLayout {

inline constexpr double PageWidth = 210.0;
inline constexpr double PageHeight = 297.0;
inline constexpr double Margin = 10.0;
inline constexpr double BandWidth = PageWidth - 2 * Margin;   // 190
inline constexpr double BodyHeight = PageHeight - 2 * Margin; // 277

inline constexpr double TitleHeight = 8.6;
inline constexpr double HeadingHeight = 6.3;
inline constexpr double DetailHeight = 5.3;
inline constexpr double FooterHeight = 6.6;

// Blank kept between a cut text and an amount wider than its column.
inline constexpr double TextToAmountGap = 2.0;

struct Column
{
    double left;
    double width;
    double right() const { return left + width; }
};
inline constexpr Column DateColumn{1.3, 24.3};
inline constexpr Column TextColumn{27.5, 129.4};
inline constexpr Column AmountColumn{158.8, 29.9};

// The text and amount columns of a detail band whose amount is
// `amountWidth` millimetres wide: an amount wider than its column grows to
// the left, and the text column then ends a gap before it; otherwise both
// are the columns above.
struct DetailColumns
{
    Column text;
    Column amount;
};
DetailColumns detailColumns(double amountWidth);

// One printed page: its number (from 1), whether it carries the title, and
// the records it shows.
struct Page
{
    int number;
    bool hasTitle;
    int firstRow;
    int rowCount;
    bool operator==(const Page &) const = default;
};

int rowsOnFirstPage(); // below the title and the headings, above the footer
int rowsOnLaterPage();
// The pages of `rowCount` records, in table order; none for no records.
QList<Page> pages(int rowCount);

// The tops of the bands on a page.
double headingTop(const Page &page);
double detailTop(const Page &page, int rowOnPage);
double footerTop(); // the footer sits at the foot of the page

// A4 portrait with the report's margins, for printers and PDF writers.
QPageLayout pageLayout();

// The longest beginning of `text` (whole characters) that `metrics`
// draws within `width`.
QString cutToWidth(const QString &text, const QFontMetricsF &metrics, double width);

} // namespace PageLayout
