// The gradient fill drawn off-screen, checked pixel by pixel against the
// formulas of its styles, and the texture layout.
#include "widgets/Colours.h"
#include "widgets/GradientFill.h"

#include <QPainter>
#include <QPalette>
#include <QtTest>

using namespace Qt::StringLiterals;
using Style = GradientFill::Style;

namespace {

constexpr int Black = 0x000000, White = 0xFFFFFF, Red = 0x0000FF, Blue = 0xFF0000;

GradientFill gradient(Style style, int begin, int end, int count, QStringList between = {})
{
    GradientFill fill;
    fill.style = style;
    fill.beginColour = begin;
    fill.endColour = end;
    fill.coloursBetween = between;
    fill.setColourCount(count);
    return fill;
}

QRgb rgb(int bbggrr) { return Colours::fromValue(bbggrr).rgb(); }

// A colour as a step draws it: every component of 0 raised to 1. Only the
// first fill under the steps keeps the begin colour exactly.
QRgb stepped(int bbggrr)
{
    const QColor c = Colours::fromValue(bbggrr);
    return qRgb(std::max(c.red(), 1), std::max(c.green(), 1), std::max(c.blue(), 1));
}

// The rows of a picture that have one colour across, top to bottom, as
// (first row, colour) runs.
QList<QPair<int, QRgb>> rowRuns(const QImage &image)
{
    QList<QPair<int, QRgb>> runs;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb colour = image.pixel(0, y);
        for (int x = 1; x < image.width(); ++x)
            if (image.pixel(x, y) != colour)
                return {};
        if (runs.isEmpty() || runs.last().second != colour)
            runs.append({y, colour});
    }
    return runs;
}

} // namespace

class GradientTest : public QObject
{
    Q_OBJECT

private slots:
    void storedValuesNameTheStyles()
    {
        QCOMPARE(GradientFill::styleOfStored(0), std::optional<Style>(Style::Horizontal));
        QCOMPARE(GradientFill::styleOfStored(2), std::optional<Style>(Style::Circle));
        QCOMPARE(GradientFill::styleOfStored(3), std::optional<Style>(Style::DoppelFlash));
        QCOMPARE(GradientFill::styleOfStored(12), std::optional<Style>(Style::VerticalDoppelBar));
        QVERIFY(!GradientFill::styleOfStored(13));
        QVERIFY(!GradientFill::styleOfStored(-11073));
        for (int value = 0; value < GradientFill::StyleCount; ++value)
            QCOMPARE(GradientFill::storedOf(*GradientFill::styleOfStored(value)), value);
    }

    void colourCountOnlyTwoTo255()
    {
        GradientFill fill;
        QCOMPARE(fill.colourCount(), 32);
        for (int refused : {1, 0, -11073, 256, 1000})
            QVERIFY(!fill.setColourCount(refused));
        QCOMPARE(fill.colourCount(), 32);
        QVERIFY(fill.setColourCount(2));
        QVERIFY(fill.setColourCount(255));
        QCOMPARE(fill.colourCount(), 255);
    }

    void colourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("clRed") << u"clRed"_s << Red;
        QTest::newRow("clwhite, any case") << u"clwhite"_s << White;
        QTest::newRow("hexadecimal") << u"$00DDDDDD"_s << 0xDDDDDD;
        QTest::newRow("$00FF8000") << u"$00FF8000"_s << 0xFF8000;
        QTest::newRow("decimal") << u"16711680"_s << Blue;
        QTest::newRow("system colour") << u"clBtnFace"_s << int(0x8000000F);
    }
    void colourTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(Colours::fromText(text), std::optional<int>(value));
        QVERIFY(!Colours::fromText(u"clNoSuchColour"_s));
    }

    // N = 2, no colours between: the begin colour above, the end colour
    // below, split where the formula puts it (a = 51, y = MD(1, 51, 2) = 26).
    void horizontalWithTwoColours()
    {
        const QImage image = gradient(Style::Horizontal, Red, Blue, 2).draw(QSize(20, 50));
        QCOMPARE(rowRuns(image), (QList<QPair<int, QRgb>>{{0, stepped(Red)}, {26, stepped(Blue)}}));
        // Backwards the end colour comes first.
        const QImage back = gradient(Style::Horizontal, Red, Blue, 2).draw(QSize(20, 50), false);
        QCOMPARE(rowRuns(back), (QList<QPair<int, QRgb>>{{0, stepped(Blue)}, {26, stepped(Red)}}));
    }

    // Step colours: A + MD(n, B - A, N - 1), a component of 0 raised to 1.
    void stepColoursAndBlack()
    {
        const QImage image = gradient(Style::Horizontal, Black, White, 5).draw(QSize(4, 40));
        // a = 41; step n starts at MD(n, 41, 5) = 0, 8, 16, 25, 33.
        const QList<QPair<int, QRgb>> runs = rowRuns(image);
        QCOMPARE(runs, (QList<QPair<int, QRgb>>{{0, qRgb(1, 1, 1)}, {8, qRgb(64, 64, 64)}, {16, qRgb(128, 128, 128)},
                                                  {25, qRgb(191, 191, 191)}, {33, qRgb(255, 255, 255)}}));
        // MD rounds halves away from zero: 1 × 255 / 4 = 63.75 → 64, 3 × 255 / 4 = 191.25 → 191.
    }

    // One colour between: begin → between, then between → end; backwards
    // end → between → begin.
    void segmentsThroughTheColourBetween()
    {
        const GradientFill fill = gradient(Style::Horizontal, Red, Blue, 2, {u"clLime"_s});
        // q = 2: a = Rnd(60 / 2) + 1 = 31, steps at 0 and MD(1, 31, 2) = 16, the
        // second segment from 31 on.
        QCOMPARE(rowRuns(fill.draw(QSize(10, 60))),
                 (QList<QPair<int, QRgb>>{{0, stepped(Red)}, {16, stepped(0x00FF00)}, {47, stepped(Blue)}}));
        QCOMPARE(rowRuns(fill.draw(QSize(10, 60), false)),
                 (QList<QPair<int, QRgb>>{{0, stepped(Blue)}, {16, stepped(0x00FF00)}, {47, stepped(Red)}}));
    }

    void verticalColumns()
    {
        const QImage image = gradient(Style::Vertical, Red, Blue, 2).draw(QSize(30, 5));
        // b = 31, x = MD(1, 31, 2) = 16.
        for (int x = 0; x < 30; ++x)
            QCOMPARE(image.pixel(x, 2), x < 16 ? stepped(Red) : stepped(Blue));
    }

    // Rectangles anchored at the bottom-right corner.
    void leftBottomCorner()
    {
        const QImage image = gradient(Style::LeftBottom, Red, Blue, 2).draw(QSize(40, 20));
        // b = 41, a = 21: step 1 fills from (MD(1, 41, 2), MD(1, 21, 2)) = (21, 11).
        QCOMPARE(image.pixel(20, 19), stepped(Red));
        QCOMPARE(image.pixel(39, 10), stepped(Red));
        QCOMPARE(image.pixel(21, 11), stepped(Blue));
        QCOMPARE(image.pixel(39, 19), stepped(Blue));
    }

    // Concentric rectangles: the centre in the last colour, the edges in
    // the first.
    void squareMiddleRings()
    {
        const QImage image = gradient(Style::SquareMiddle, Red, Blue, 2).draw(QSize(40, 20));
        // a = 20, b = 40: step 1 at (MD(1, 20, 2), MD(1, 10, 2)) = (10, 5), 20 × 10.
        QCOMPARE(image.pixel(9, 10), stepped(Red));
        QCOMPARE(image.pixel(10, 5), stepped(Blue));
        QCOMPARE(image.pixel(29, 14), stepped(Blue));
        QCOMPARE(image.pixel(30, 14), stepped(Red));
        QCOMPARE(image.pixel(29, 15), stepped(Red));
    }

    // Both edges in the first colour, the bands meeting in the middle.
    void middleBars_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("MiddleHBar") << int(Style::MiddleHBar);
        QTest::newRow("MiddleVBar") << int(Style::MiddleVBar);
    }
    void middleBars()
    {
        QFETCH(int, style);
        const bool across = Style(style) == Style::MiddleHBar;
        const QSize size = across ? QSize(8, 60) : QSize(60, 8);
        const QImage image = gradient(Style(style), Red, Blue, 8).draw(size);
        const auto at = [&](int along) { return across ? image.pixel(3, along) : image.pixel(along, 3); };
        // The outermost row or column is left in the first fill's colour.
        QCOMPARE(at(0), rgb(Red));
        QCOMPARE(at(59), rgb(Red));
        QCOMPARE(at(1), stepped(Red));
        QCOMPARE(at(30), stepped(Blue));
    }

    void doppelBars_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("VerticalDoppelBar") << int(Style::VerticalDoppelBar);
        QTest::newRow("HorizontalDoppelBar") << int(Style::HorizontalDoppelBar);
    }
    void doppelBars()
    {
        QFETCH(int, style);
        const bool columns = Style(style) == Style::VerticalDoppelBar;
        const QSize size = columns ? QSize(90, 4) : QSize(4, 90);
        const QImage image = gradient(Style(style), Red, Blue, 4).draw(size);
        const auto at = [&](int along) { return columns ? image.pixel(along, 1) : image.pixel(1, along); };
        // k = Rnd(91 / 3) + 1 = 31, tx = 1: steps of MD(n, 31, 4) = 0, 8, 16, 23, 31 wide
        // bands at 1 + x0, rightwards; t = 30.
        // Step colours of N = 4: (255, 1, 1), (170, 1, 85), (85, 1, 170), (1, 1, 255).
        QCOMPARE(at(0), rgb(Red));
        QCOMPARE(at(1), qRgb(255, 1, 1));
        QCOMPARE(at(9), qRgb(170, 1, 85));
        QCOMPARE(at(24), qRgb(1, 1, 255));
        // From two thirds leftwards: step 3 at 60 - 31 - 1 = 28, 8 wide.
        QCOMPARE(at(28), qRgb(1, 1, 255));
        QCOMPARE(at(36), qRgb(85, 1, 170));
        // From two thirds rightwards: step 3 at 60 + 1 + 23 = 84.
        QCOMPARE(at(84), qRgb(1, 1, 255));
        QCOMPARE(at(83), qRgb(85, 1, 170));
    }

    // The lines sweep round the centre; Spectral differs from Circle only
    // in the lines with an even number.
    void circleAndSpectral()
    {
        const QSize size(64, 48);
        const QImage circle = gradient(Style::Circle, Red, Blue, 16).draw(size);
        const QImage spectral = gradient(Style::Spectral, Red, Blue, 16).draw(size);
        // The first lines start in the corner; every line passes the centre,
        // the last step's last.
        QCOMPARE(circle.pixel(0, 0), stepped(Red));
        QCOMPARE(circle.pixel(32, 24), stepped(Blue));
        int differing = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                differing += circle.pixel(x, y) != spectral.pixel(x, y);
        QVERIFY(differing > 0);
        QVERIFY(differing < size.width() * size.height());
        // Spectral's even lines are in the mirrored colour.
        QCOMPARE(spectral.pixel(0, 0), stepped(Blue));
    }

    // The ellipse styles: the first colour in the corners they leave, the
    // last where they close.
    void ellipses_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("last");
        QTest::newRow("RoundMiddle") << int(Style::RoundMiddle) << QPoint(0, 0) << QPoint(40, 30);
        QTest::newRow("Singleflash") << int(Style::Singleflash) << QPoint(0, 0) << QPoint(70, 55);
        QTest::newRow("DoppelFlash") << int(Style::DoppelFlash) << QPoint(79, 0) << QPoint(3, 3);
    }
    void ellipses()
    {
        QFETCH(int, style);
        QFETCH(QPoint, first);
        QFETCH(QPoint, last);
        const QImage image = gradient(Style(style), Red, Blue, 32).draw(QSize(80, 60));
        QCOMPARE(image.pixel(first), rgb(Red));
        const QColor end = QColor(image.pixel(last));
        QVERIFY2(end.blue() > 200 && end.red() < 60, qPrintable(end.name()));
    }

    // 100 × 40 in 250 × 90: 3 × 3 copies, the last column and row cut.
    void textureTiles()
    {
        QImage picture(100, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(0, 0, qRgb(255, 0, 0));
        QImage area(260, 100, QImage::Format_RGB32);
        area.fill(Qt::black);
        {
            QPainter painter(&area);
            paintTexture(painter, QRect(0, 0, 250, 90), picture);
        }
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 3; ++i)
                QCOMPARE(area.pixel(i * 100, j * 40), qRgb(255, 0, 0));
        QCOMPARE(area.pixel(249, 89), qRgb(255, 255, 255));
        QCOMPARE(area.pixel(250, 10), qRgb(0, 0, 0));
        QCOMPARE(area.pixel(10, 90), qRgb(0, 0, 0));
        // An empty picture paints nothing.
        QPainter painter(&area);
        paintTexture(painter, QRect(0, 0, 250, 90), QImage());
    }

    // Every style draws any size whole, with one or three segments and the
    // fewest or most colours: shapes that fall outside the picture are cut.
    void everyStyleDrawsAnySize_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("size");
        for (int style = 0; style < GradientFill::StyleCount; ++style)
            for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(7, 5), QSize(300, 20), QSize(20, 300), QSize(1920, 40)})
                QTest::addRow("style %d, %dx%d", style, size.width(), size.height()) << style << size;
        // A full screen, where the later segments' bands start past the edge.
        QTest::newRow("Vertical, full screen") << int(Style::Vertical) << QSize(1920, 1080);
        QTest::newRow("LeftBottom, full screen") << int(Style::LeftBottom) << QSize(1920, 1080);
    }
    void everyStyleDrawsAnySize()
    {
        QFETCH(int, style);
        QFETCH(QSize, size);
        for (const QStringList &between : {QStringList{}, QStringList{u"clRed"_s, u"$00FF8000"_s}})
            for (int count : {2, 255}) {
                const QImage image = gradient(Style(style), Black, White, count, between).draw(size);
                QCOMPARE(image.size(), size);
                QCOMPARE(image.pixel(0, 0) >> 24, 0xFFu);
            }
    }

    // The kept picture is drawn again only for a new size or gradient.
    void keptPicture()
    {
        GradientPicture kept;
        kept.setFill(gradient(Style::Horizontal, Red, Blue, 2));
        const qint64 first = kept.image(QSize(20, 50)).cacheKey();
        QCOMPARE(kept.image(QSize(20, 50)).cacheKey(), first);
        QVERIFY(kept.image(QSize(20, 51)).cacheKey() != first);
        const qint64 second = kept.image(QSize(20, 51)).cacheKey();
        kept.setFill(gradient(Style::Horizontal, Red, Blue, 2));
        QCOMPARE(kept.image(QSize(20, 51)).cacheKey(), second);
        kept.setFill(gradient(Style::Horizontal, Red, White, 2));
        QCOMPARE(kept.image(QSize(20, 51)).pixel(0, 50), rgb(White));
        QCOMPARE(kept.image(QSize(20, 51)).pixel(0, 0), stepped(Red));
    }
};

QTEST_MAIN(GradientTest)
#include "tst_gradient.moc"
