#pragma once

#include "widgets/EditingDialog.h"

#include <QRect>
#include <QSize>

class QLabel;
class QPushButton;

// What the four meter-log windows share: the fixed client size, centred,
// the shared background, the caption band with the title-bar gradient
// ("GradientCaption1", "GradientColor") and the controls placed on a
// surface of that size.
class LogWindowFrame : public EditingDialog
{
    Q_OBJECT
public:
    LogWindowFrame(Prompter &prompter, QWidget *parent, const QString &caption, QSize size, bool closeBox);

    // Every table of the window is open (it shows data).
    virtual bool tablesOpen() const = 0;

protected:
    // The surface the controls go on, `size` big.
    QWidget *surface() const { return m_surface; }
    QLabel *label(const QString &text, const QString &name, QRect where);
    QPushButton *button(const QString &caption, const QString &name, const QString &hint, QRect where);
    // Runs `work` with the hourglass shown.
    static void busy(const std::function<void()> &work);

private:
    QWidget *m_surface = nullptr;
};
