#pragma once

#include <QPixmap>
#include <QSize>

// The program's pictures, drawn rather than stored: the question dialog's
// four icons, the pictures of the picture screen and the program's icon.
namespace Emblems {

// Icon kinds of the question dialog: 1 question mark, 2 red error cross,
// 3 information sign; 0 and every other value a computer with a tick.
QPixmap question(int kind, int size = 32);

enum class Picture { Calculator, Calendar, Addresses, Telephone, Settings, Consumption, Information };
QPixmap picture(Picture picture, QSize size);

// The program's icon: a ledger with a coin.
QPixmap programIcon(int size);

// An alarm clock with two bells; `tilt` rocks it (-1 left, 0 upright,
// 1 right) for the ringing animation, and `crossed` strikes it through
// (the alarm switched off).
QPixmap alarmClock(int size, int tilt = 0, bool crossed = false);

} // namespace Emblems
