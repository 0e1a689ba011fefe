#pragma once

#include <QColor>

// The program keeps colours as 0x00BBGGRR values (red in the low byte),
// stored in decimal; negative values name system colours.
namespace Colours {

// An invalid colour for a system colour (a negative value).
QColor fromValue(int bbggrr);
int toValue(const QColor &colour);

inline constexpr int GridDesignColour = 13434879;   // RGB 255, 255, 204
inline constexpr int GridCustomColour = 14286847;   // RGB 255, 255, 217

} // namespace Colours
