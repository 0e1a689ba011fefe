#include "widgets/GradientFill.h"

#include "widgets/Colours.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using Style = GradientFill::Style;

// The stored values 0 to 12 of BtnStyl and OknoStyl.
constexpr Style StoredStyles[GradientFill::StyleCount] = {
    Style::Horizontal, Style::Vertical, Style::Circle, Style::DoppelFlash, Style::HorizontalDoppelBar,
    Style::LeftBottom, Style::MiddleHBar, Style::MiddleVBar, Style::RoundMiddle, Style::Singleflash,
    Style::Spectral, Style::SquareMiddle, Style::VerticalDoppelBar,
};

// a × b / c in 64 bits, rounded to the nearest whole number, halves away
// from zero.
int md(qint64 a, qint64 b, qint64 c)
{
    if (c == 0)
        return -1;
    const qint64 product = a * b;
    qint64 quotient = product / c;
    const qint64 rest = product % c;
    if (2 * std::llabs(rest) >= std::llabs(c))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    return int(quotient);
}

// To the nearest whole number, halves to the even neighbour.
int rnd(long double x) { return int(std::nearbyintl(x)); }

// The off-screen picture and its three shapes, without anti-aliasing.
class Canvas
{
public:
    explicit Canvas(QSize size) : m_image(size, QImage::Format_RGB32) {}

    QImage take() { return std::move(m_image); }
    void fillAll(QRgb colour) { m_image.fill(colour); }

    // left, top, width, height; a negative width or height extends the
    // rectangle to the left or upwards. The fill is held back until the next
    // shape: only what that one leaves visible is painted, which is the same
    // picture (the next paints over the rest) in a fraction of the time.
    void fill(int left, int top, int width, int height, QRgb colour)
    {
        int x1 = left, x2 = left + width, y1 = top, y2 = top + height;
        if (x2 < x1)
            std::swap(x1, x2);
        if (y2 < y1)
            std::swap(y1, y2);
        const Box box{std::max(x1, 0), std::max(y1, 0), std::min(x2, m_image.width()), std::min(y2, m_image.height())};
        if (box.empty())
            return; // wholly outside the picture
        paintPending(box);
        m_pending = box;
        m_pendingColour = colour;
        m_hasPending = true;
    }

    // Paints the fill held back; call before any other shape and at the end.
    void flush()
    {
        paintPending(Box{});
    }

    // A one-pixel line from (x1, y1) up to, not including, (x2, y2).
    void line(int x1, int y1, int x2, int y2, QRgb colour)
    {
        flush();
        const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
        const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
        const int width = m_image.width(), height = m_image.height();
        const qsizetype stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
        auto *bits = reinterpret_cast<QRgb *>(m_image.bits());
        int x = x1, y = y1;
        if (dx >= dy) {
            int error = 2 * dy - dx;
            for (int i = 0; i < dx; ++i) {
                if (unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height))
                    bits[y * stride + x] = colour;
                if (error > 0) {
                    y += sy;
                    error -= 2 * dx;
                }
                error += 2 * dy;
                x += sx;
            }
        } else {
            int error = 2 * dx - dy;
            for (int i = 0; i < dy; ++i) {
                if (unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height))
                    bits[y * stride + x] = colour;
                if (error > 0) {
                    x += sx;
                    error -= 2 * dy;
                }
                error += 2 * dx;
                y += sy;
            }
        }
    }

    // An ellipse inside the box given by two opposite corners (the far
    // corner's row and column outside it), outline and inside alike.
    void ellipse(int x1, int y1, int x2, int y2, QRgb colour)
    {
        if (x2 < x1)
            std::swap(x1, x2);
        if (y2 < y1)
            std::swap(y1, y2);
        if (x2 - x1 < 1 || y2 - y1 < 1)
            return;
        flush();
        if (!m_painter.isActive()) {
            m_painter.begin(&m_image);
            m_painter.setRenderHint(QPainter::Antialiasing, false);
        }
        m_painter.setPen(QPen(QColor(colour), 0));
        m_painter.setBrush(QColor(colour));
        m_painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }

    void finish()
    {
        flush();
        if (m_painter.isActive())
            m_painter.end();
    }

private:
    // A rectangle from (x1, y1) up to, not including, (x2, y2).
    struct Box
    {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        bool empty() const { return x1 >= x2 || y1 >= y2; }
    };

    void paintBox(const Box &box, QRgb colour)
    {
        if (box.empty())
            return;
        for (int y = box.y1; y < box.y2; ++y) {
            auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            std::fill(row + box.x1, row + box.x2, colour);
        }
    }

    // The fill held back, less what `next` will cover.
    void paintPending(const Box &next)
    {
        if (!m_hasPending)
            return;
        m_hasPending = false;
        const Box &a = m_pending;
        const Box cut{std::max(a.x1, next.x1), std::max(a.y1, next.y1), std::min(a.x2, next.x2),
                      std::min(a.y2, next.y2)};
        if (cut.empty()) {
            paintBox(a, m_pendingColour);
            return;
        }
        paintBox(Box{a.x1, a.y1, a.x2, cut.y1}, m_pendingColour);   // above
        paintBox(Box{a.x1, cut.y2, a.x2, a.y2}, m_pendingColour);   // below
        paintBox(Box{a.x1, cut.y1, cut.x1, cut.y2}, m_pendingColour); // left
        paintBox(Box{cut.x2, cut.y1, a.x2, cut.y2}, m_pendingColour); // right
    }

    QImage m_image;
    QPainter m_painter;
    Box m_pending;
    QRgb m_pendingColour = 0;
    bool m_hasPending = false;
};

// One component of step n between a and b, never 0.
int component(int a, int b, int n, int count)
{
    const int value = a + md(n, b - a, count - 1);
    return value == 0 ? 1 : value;
}

QRgb stepColour(QColor from, QColor to, int n, int count)
{
    return qRgb(component(from.red(), to.red(), n, count), component(from.green(), to.green(), n, count),
                component(from.blue(), to.blue(), n, count));
}

// The lines of Circle and Spectral for step n of segment s; `colourOf`
// gives each line's colour by its number.
template <typename ColourOf>
void sweep(Canvas &canvas, int width, int height, int q, int s, int n, int count, ColourOf colourOf)
{
    const int a = rnd((long double)height / q) + 1, ty = a * s;
    const int b = rnd((long double)width / q) + 1, tx = b * s;
    for (int x = md(n, b, count); x <= md(n + 2, b, count); ++x)
        canvas.line(x + tx, 0, width - x - tx, height, colourOf(x));
    for (int y = md(n, a, count); y <= md(n + 2, a, count); ++y)
        canvas.line(0, y + ty, width, height - y - ty, colourOf(y));
}

void drawStep(Canvas &canvas, Style style, int W, int H, int q, int s, int n, int N, QRgb colour, QRgb mirrored)
{
    using LD = long double;
    switch (style) {
    case Style::Circle:
        sweep(canvas, W, H, q, s, n, N, [colour](int) { return colour; });
        break;
    case Style::Spectral:
        sweep(canvas, W, H, q, s, n, N, [colour, mirrored](int number) { return number % 2 ? colour : mirrored; });
        break;
    case Style::Horizontal: {
        const int a = rnd(LD(H) / q) + 1, ty = a * s;
        const int y0 = md(n, a, N), y2 = md(n + 2, a, N);
        canvas.fill(0, ty + y0, W, ty + y2 - y0, colour);
        break;
    }
    case Style::Vertical: {
        const int b = rnd(LD(W) / q) + 1, tx = b * s;
        const int x0 = md(n, b, N), x2 = md(n + 2, b, N);
        canvas.fill(tx + x0, 0, tx + x2 - x0, H, colour);
        break;
    }
    case Style::LeftBottom: {
        const int a = rnd(LD(H) / q) + 1, ty = a * s;
        const int b = rnd(LD(W) / q) + 1, tx = b * s;
        const int x0 = md(n, b, N), y0 = md(n, a, N);
        canvas.fill(tx + x0, ty + y0, W - x0, H - y0, colour);
        break;
    }
    case Style::RoundMiddle: {
        const int a = rnd(LD(H) / q) + 1, ty = rnd(LD(a) / 2 * s) + 1;
        const int b = rnd(LD(W) / q) + 1, tx = rnd(LD(b) / 2 * s) + 1;
        const int x0 = md(n, rnd(LD(b) / 2) + 1, N), y0 = md(n, rnd(LD(a) / 2) + 1, N);
        canvas.ellipse(tx + x0, ty + y0, W - x0 - tx, H - y0 - ty, colour);
        break;
    }
    case Style::SquareMiddle: {
        const int a = rnd(LD(H) / q), ty = rnd(LD(a) / 2 * s);
        const int b = rnd(LD(W) / q), tx = rnd(LD(b) / 2 * s);
        const int x0 = md(n, rnd(LD(b) / 2), N), y0 = md(n, rnd(LD(a) / 2), N);
        canvas.fill(tx + x0, ty + y0, W - 2 * x0 - 2 * tx, H - 2 * y0 - 2 * ty, colour);
        break;
    }
    case Style::DoppelFlash: {
        const int a = rnd(LD(H) / q) + 1, ty = a * s + 1;
        const int b = rnd(LD(W) / q) + 1, tx = b * s + 1;
        const int x0 = md(n, b, N), y0 = md(n, a, N);
        canvas.ellipse(tx + x0, ty + y0, W, H, colour);
        canvas.ellipse(0, 0, W - x0 - tx, H - y0 - ty, colour);
        break;
    }
    case Style::Singleflash: {
        const int a = rnd(LD(H) / q), ty = a * s;
        const int b = rnd(LD(W) / q), tx = b * s;
        const int x0 = md(n, b, N), y0 = md(n, a, N);
        canvas.ellipse(tx + x0, ty + y0, W, H, colour);
        break;
    }
    case Style::MiddleHBar: {
        const int a = rnd(LD(H) / q) + 1, ty = rnd(LD(a) / 2 * s) + 1, m = rnd(LD(a) / 2);
        const int yb0 = H - md(n, m + 1, N), yb2 = H - md(n + 2, m + 1, N);
        const int yt0 = md(n, m, N), yt2 = md(n + 2, m, N);
        canvas.fill(0, yb0 - ty - 1, W, yb2 - yb0, colour);
        canvas.fill(0, ty + yt0, W, yt2 - yt0 + 1, colour);
        break;
    }
    case Style::MiddleVBar: {
        const int b = rnd(LD(W) / q) + 1, tx = rnd(LD(b) / 2 * s) + 1, m = rnd(LD(b) / 2);
        const int xr0 = W - md(n, m + 1, N), xr2 = W - md(n + 2, m + 1, N);
        const int xl0 = md(n, m, N), xl2 = md(n + 2, m, N);
        canvas.fill(xr0 - tx - 1, 0, xr2 - xr0, H, colour);
        canvas.fill(tx + xl0, 0, xl2 - xl0 + 1, H, colour);
        break;
    }
    case Style::VerticalDoppelBar: {
        const int b = rnd(LD(W) / q) + 1, tx = rnd(LD(b) / 3 * s) + 1, k = rnd(LD(b) / 3) + 1;
        const int x0 = md(n, k, N), x1 = md(n + 1, k, N), t = rnd(LD(W) / 3);
        canvas.fill(tx + x0, 0, x1 - x0, H, colour);
        canvas.fill(2 * t - x1 - tx, 0, x1 - x0, H, colour);
        canvas.fill(2 * t + tx + x0, 0, x1 - x0, H, colour);
        break;
    }
    case Style::HorizontalDoppelBar: {
        const int a = rnd(LD(H) / q) + 1, ty = rnd(LD(a) / 3 * s) + 1, k = rnd(LD(a) / 3) + 1;
        const int y0 = md(n, k, N), y1 = md(n + 1, k, N), t = rnd(LD(H) / 3);
        canvas.fill(0, ty + y0, W, y1 - y0, colour);
        canvas.fill(0, 2 * t - y1 - ty, W, y1 - y0, colour);
        canvas.fill(0, 2 * t + ty + y0, W, y1 - y0, colour);
        break;
    }
    }
}

} // namespace

std::optional<GradientFill::Style> GradientFill::styleOfStored(int value)
{
    if (value < 0 || value >= StyleCount)
        return std::nullopt;
    return StoredStyles[value];
}

int GradientFill::storedOf(Style style)
{
    return int(std::find(std::begin(StoredStyles), std::end(StoredStyles), style) - std::begin(StoredStyles));
}

bool GradientFill::setColourCount(int count)
{
    if (count < 2 || count > 255)
        return false;
    m_count = count;
    return true;
}

QImage GradientFill::draw(QSize size, bool forwards) const { return draw(size, forwards, QGuiApplication::palette()); }

QImage GradientFill::draw(QSize size, bool forwards, const QPalette &palette) const
{
    if (size.isEmpty())
        return QImage();
    std::vector<QColor> colours;
    colours.push_back(Colours::resolve(forwards ? beginColour : endColour, palette));
    for (const QString &text : coloursBetween) {
        if (const std::optional<int> value = Colours::fromText(text))
            colours.push_back(Colours::resolve(*value, palette));
    }
    colours.push_back(Colours::resolve(forwards ? endColour : beginColour, palette));
    const int W = size.width(), H = size.height();
    const int q = int(colours.size()) - 1;
    const int N = m_count;

    Canvas canvas(size);
    canvas.fillAll(colours.front().rgb());
    for (int s = 0; s < q; ++s) {
        const QColor from = colours[std::size_t(s)], to = colours[std::size_t(s) + 1];
        for (int n = 0; n < N; ++n)
            drawStep(canvas, style, W, H, q, s, n, N, stepColour(from, to, n, N), stepColour(from, to, N - 1 - n, N));
    }
    canvas.finish();
    return canvas.take();
}

void paintTexture(QPainter &painter, const QRect &area, const QImage &picture)
{
    if (picture.isNull() || area.isEmpty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    for (int j = 0; j <= area.height() / picture.height(); ++j)
        for (int i = 0; i <= area.width() / picture.width(); ++i)
            painter.drawImage(area.left() + i * picture.width(), area.top() + j * picture.height(), picture);
    painter.restore();
}

void GradientPicture::setFill(const GradientFill &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    m_drawn.clear();
}

QImage GradientPicture::image(QSize size, bool forwards)
{
    const auto found = std::find_if(m_drawn.begin(), m_drawn.end(), [&](const Drawn &drawn) {
        return drawn.size == size && drawn.forwards == forwards;
    });
    if (found != m_drawn.end()) {
        std::rotate(m_drawn.begin(), found, found + 1);
        return m_drawn.front().image;
    }
    if (int(m_drawn.size()) >= KeptSizes)
        m_drawn.pop_back();
    m_drawn.insert(m_drawn.begin(), {size, forwards, m_fill.draw(size, forwards)});
    return m_drawn.front().image;
}
