#pragma once

#include <QString>
#include <Qt>
#include <optional>

class QAbstractItemView;

// Typing into a grid as a user does, with real key events to whatever has
// the focus, and reading back where the typing went.
namespace GridTyping {

// Types `text` into the grid's current cell: the first key opens the cell
// editor, the rest go to the editor that then has the focus.
void typeIntoCell(QAbstractItemView *grid, const QString &text);
// Replaces what the focused editor holds with `text` (Ctrl+A, then typing).
void retype(const QString &text);
// A key as the user presses it: to the widget that has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// What the open cell editor of `grid` holds; nothing when none is open.
std::optional<QString> openEditorText(const QAbstractItemView *grid);
// "row,column" of the grid's current cell.
QString cursorOf(const QAbstractItemView *grid);

} // namespace GridTyping
