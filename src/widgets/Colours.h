#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QPalette;

// The program keeps colours as 0x00BBGGRR values (red in the low byte),
// stored in decimal; negative values name system colours.
namespace Colours {

// An invalid colour for a system colour (a negative value).
QColor fromValue(int bbggrr);
int toValue(const QColor &colour);

// A colour, system colours (0x80000000 + the system's colour index, such
// as clBtnFace) taken from the desktop's palette.
QColor resolve(int value, const QPalette &palette);

// A colour text: a colour name ("clRed", "clBtnFace") or a number
// ("$00DDDDDD", "16711680"). Nothing for anything else.
std::optional<int> fromText(const QString &text);

inline constexpr int GridDesignColour = 13434879;   // RGB 255, 255, 204
inline constexpr int GridCustomColour = 14286847;   // RGB 255, 255, 217

} // namespace Colours
