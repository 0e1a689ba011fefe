#pragma once

#include "records/window/ToolbarLayout.h"

#include <QIcon>

// The record window's pictures, drawn rather than stored: the toolbar
// glyphs and the small menu icons.
namespace Glyphs {

QIcon toolbar(ToolbarControl control);
// The icon of a menu entry, chosen by its position in its menu.
QIcon menuEntry(int position);

} // namespace Glyphs
