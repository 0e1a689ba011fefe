// Where the report's bands go: how many records a page holds, which
// records each page shows, how a text is cut at its column's edge, and
// which table and title a print key names.

#include "reports/report/PageLayout.h"
#include "reports/report/ReportKeys.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>
#include <QTextBoundaryFinder>

using namespace Qt::Literals::StringLiterals;
using PageLayout::Page;

Q_DECLARE_METATYPE(QList<PageLayout::Page>)

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void bandsFitBetweenHeadingsAndFooter()
    {
        QCOMPARE(PageLayout::rowsOnFirstPage(), 48);
        QCOMPARE(PageLayout::rowsOnLaterPage(), 49);
        // The last record of a full page ends above the footer.
        const Page first{1, true, 0, PageLayout::rowsOnFirstPage()};
        const Page later{2, false, 48, PageLayout::rowsOnLaterPage()};
        for (const Page &page : {first, later}) {
            const double bottom = PageLayout::detailTop(page, page.rowCount - 1) + PageLayout::DetailHeight;
            QVERIFY2(bottom <= PageLayout::footerTop() + 1e-9, qPrintable(QString::number(bottom)));
            QVERIFY(bottom + PageLayout::DetailHeight > PageLayout::footerTop());
        }
        QCOMPARE(PageLayout::headingTop(first), PageLayout::TitleHeight);
        QCOMPARE(PageLayout::headingTop(later), 0.0);
        QCOMPARE(PageLayout::footerTop() + PageLayout::FooterHeight, 277.0);
        // The columns lie within the band, side by side.
        QVERIFY(PageLayout::DateColumn.right() <= PageLayout::TextColumn.left);
        QVERIFY(PageLayout::TextColumn.right() <= PageLayout::AmountColumn.left);
        QVERIFY(PageLayout::AmountColumn.right() <= PageLayout::BandWidth);
    }

    // An amount wider than its column pushes the end of the text column
    // to the left; nothing of the text reaches the amount.
    void detailColumnsKeepTextOffTheAmount_data()
    {
        QTest::addColumn<double>("amountWidth");
        QTest::addColumn<double>("textRight");
        QTest::addColumn<double>("amountLeft");
        QTest::newRow("narrow amount") << 12.0 << 156.9 << 158.8;
        QTest::newRow("amount as wide as its column") << 29.9 << 156.9 << 158.8;
        QTest::newRow("wide amount") << 40.0 << 146.7 << 148.7;
        QTest::newRow("amount wider than the band leaves no text") << 200.0 << 27.5 << -11.3;
    }
    void detailColumnsKeepTextOffTheAmount()
    {
        QFETCH(double, amountWidth);
        QFETCH(double, textRight);
        QFETCH(double, amountLeft);
        const PageLayout::DetailColumns columns = PageLayout::detailColumns(amountWidth);
        QCOMPARE(columns.text.left, PageLayout::TextColumn.left);
        QVERIFY(qAbs(columns.text.right() - textRight) < 1e-9);
        QVERIFY(qAbs(columns.amount.left - amountLeft) < 1e-9);
        QCOMPARE(columns.amount.right(), PageLayout::AmountColumn.right());
        QVERIFY(columns.text.width >= 0);
        QVERIFY(columns.amount.width >= amountWidth - 1e-9);
    }

    void pagesOfRecords_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<Page>>("pages");
        QTest::newRow("no records, no page") << 0 << QList<Page>{};
        QTest::newRow("one record") << 1 << QList<Page>{{1, true, 0, 1}};
        QTest::newRow("first page full") << 48 << QList<Page>{{1, true, 0, 48}};
        QTest::newRow("one more starts page 2") << 49 << QList<Page>{{1, true, 0, 48}, {2, false, 48, 1}};
        QTest::newRow("two full pages") << 97 << QList<Page>{{1, true, 0, 48}, {2, false, 48, 49}};
        QTest::newRow("120 records") << 120 << QList<Page>{{1, true, 0, 48}, {2, false, 48, 49}, {3, false, 97, 23}};
    }
    void pagesOfRecords()
    {
        QFETCH(int, rows);
        QFETCH(QList<Page>, pages);
        QCOMPARE(PageLayout::pages(rows), pages);
    }

    void pageLayoutIsA4PortraitWithTenMillimetres()
    {
        const QPageLayout layout = PageLayout::pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        QCOMPARE(layout.paintRect(QPageLayout::Millimeter).width(), PageLayout::BandWidth);
    }

    // A text is cut after the last whole character that fits; a text that
    // fits stays whole.
    void cutAtColumnEdge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("widthInAverageChars");
        QTest::newRow("fits") << u"Nájem"_s << 20.0;
        QTest::newRow("long") << QString(200, u'W') << 30.0;
        QTest::newRow("diacritics") << u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s.repeated(4) << 25.0;
        QTest::newRow("combining accents stay with their letter") << u"e\u0301"_s.repeated(100) << 10.0;
        QTest::newRow("nothing fits") << u"W"_s << 0.1;
        QTest::newRow("empty") << QString() << 5.0;
    }
    void cutAtColumnEdge()
    {
        QFETCH(QString, text);
        QFETCH(double, widthInAverageChars);
        QFont font(u"Arial"_s);
        font.setPointSize(10);
        const QFontMetricsF metrics(font);
        const double width = widthInAverageChars * metrics.averageCharWidth();
        const QString cut = PageLayout::cutToWidth(text, metrics, width);
        QVERIFY(text.startsWith(cut));
        QVERIFY(metrics.horizontalAdvance(cut) <= width);
        if (cut.size() < text.size()) {
            // No accent is parted from its letter, and the next whole
            // character would not have fitted.
            QVERIFY(text.at(cut.size()).category() != QChar::Mark_NonSpacing);
            QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
            finder.setPosition(cut.size());
            QVERIFY(metrics.horizontalAdvance(text.left(finder.toNextBoundary())) > width);
        }
        if (metrics.horizontalAdvance(text) <= width)
            QCOMPARE(cut, text);
    }

    void keysNameTableAndTitle_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("January") << u"1"_s << QString() << u"Leden.db"_s << u"Leden"_s;
        QTest::newRow("February") << u"2"_s << QString() << u"Unor.db"_s << u"Únor"_s;
        QTest::newRow("October") << u"10"_s << QString() << u"Rijen.db"_s << u"Říjen"_s;
        QTest::newRow("December") << u"12"_s << QString() << u"Prosinec.db"_s << u"Prosinec"_s;
        QTest::newRow("group 1 item 1") << u"S1"_s << u"Auto"_s << u"Zaznam1.db"_s << u"Auto"_s;
        QTest::newRow("group 1 item 12") << u"S12"_s << u"Zahrada"_s << u"Zaznam12.db"_s << u"Zahrada"_s;
        QTest::newRow("group 2 item 1") << u"2S1"_s << u"Byt"_s << u"Zaznam01.db"_s << u"Byt"_s;
        QTest::newRow("group 2 item 10") << u"2S10"_s << u"10. Dovolená"_s << u"Zaznam010.db"_s << u"10. Dovolená"_s;
    }
    void keysNameTableAndTitle()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QFETCH(QString, title);
        const auto source = ReportKeys::source(key, caption);
        QVERIFY(source);
        QCOMPARE(source->fileName, file);
        QCOMPARE(source->title, title);
    }

    void keysThatNameNoTable_data()
    {
        QTest::addColumn<QString>("key");
        for (const char *key : {"", "0", "13", "01", "+1", "S", "S0", "S13", "2S", "2S0", "2S13", "3S1", "X", "1S"})
            QTest::newRow(*key ? key : "empty") << QString::fromLatin1(key);
    }
    void keysThatNameNoTable()
    {
        QFETCH(QString, key);
        QVERIFY(!ReportKeys::source(key, u"x"_s));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
