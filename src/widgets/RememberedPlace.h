#pragma once

#include <QString>

class QWidget;

// Where a small window was left, kept in a subkey of the program's registry
// key (Placement::Left, Top). A window never placed, or placed where no
// screen is now (a bigger or a second screen), opens centred on the
// primary screen.
namespace RememberedPlace {

void restore(QWidget &window, const QString &section);
void store(const QWidget &window, const QString &section);

} // namespace RememberedPlace
