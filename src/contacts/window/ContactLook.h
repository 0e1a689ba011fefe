#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QWidget;

// The look the contacts windows share.
namespace ContactLook {

// A label for a field of the current entry in large type.
QLabel *bigLabel(QWidget *parent, int pointSize, bool bold, const QColor &colour, const QString &hint);
// A raised frame around `content`, centred in it.
QFrame *raised(QWidget *content, QWidget *parent);
// The window's pop-up menu: "Zavřít" with Esc, which closes it.
void addClosePopup(QDialog *window);
// A window of a single border: its design size, grown where this desktop's
// fonts need more room, and fixed.
void fixSize(QDialog *window, int width, int height);

} // namespace ContactLook
