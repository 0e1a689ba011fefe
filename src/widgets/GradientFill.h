#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>
#include <optional>
#include <vector>

class QPainter;
class QPalette;

// A colour gradient of the program's backgrounds and buttons: a begin and
// an end colour with colours in between, N colours a segment, drawn in one
// of thirteen styles. Every gradient of the program is drawn by this one
// routine, so that a gradient looks the same whatever shows it. Drawing
// needs no widget: the picture is made off-screen and copied in one step.
class GradientFill
{
public:
    // In their enumeration order.
    enum class Style {
        Circle, Horizontal, Vertical, LeftBottom, RoundMiddle, SquareMiddle, Spectral, DoppelFlash,
        Singleflash, MiddleHBar, MiddleVBar, VerticalDoppelBar, HorizontalDoppelBar
    };
    static constexpr int StyleCount = 13;
    // The style of a stored BtnStyl or OknoStyl value (0 to 12); nothing
    // for other values.
    static std::optional<Style> styleOfStored(int value);
    static int storedOf(Style style);

    // Colours are 0x00BBGGRR values; system colours are taken from the
    // palette when drawn.
    int beginColour = 12632256; // silver
    int endColour = 8421504;    // grey
    QStringList coloursBetween; // colour texts ("clRed", "$00DDDDDD"); unreadable ones are left out
    Style style = Style::Horizontal;

    int colourCount() const { return m_count; }
    // Only 2 to 255 are taken; false (and N unchanged) for other values.
    bool setColourCount(int count);

    // The W x H picture of the gradient: forwards from the begin colour,
    // backwards from the end colour.
    QImage draw(QSize size, bool forwards, const QPalette &palette) const;
    QImage draw(QSize size, bool forwards = true) const;

    bool operator==(const GradientFill &other) const = default;

private:
    int m_count = 32;
};

// A picture laid out as a texture: unchanged copies from the top-left
// corner, cut at the right and bottom edges. Nothing for an empty picture.
void paintTexture(QPainter &painter, const QRect &area, const QImage &picture);

// A gradient kept drawn for the last few sizes it was asked for, so that
// repainting (and windows of the same size) do not draw it again; a
// changed gradient draws anew.
class GradientPicture
{
public:
    static constexpr int KeptSizes = 8;

    const GradientFill &fill() const { return m_fill; }
    void setFill(const GradientFill &fill);
    QImage image(QSize size, bool forwards = true);

private:
    struct Drawn
    {
        QSize size;
        bool forwards;
        QImage image;
    };
    GradientFill m_fill;
    std::vector<Drawn> m_drawn; // the latest first
};
