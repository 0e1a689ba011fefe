#pragma once

#include <QFrame>

// A picture shown for a moment before a window opens: a fixed size, centred
// on the screen, with a lowered frame. It takes no focus, does not hold up
// the window, and closes and deletes itself when its time is up.
class FlashedPicture : public QFrame
{
    Q_OBJECT
public:
    static constexpr int ShownMs = 700;

    // Shows `picture` (made with new) for ShownMs.
    static void flash(FlashedPicture *picture);

protected:
    FlashedPicture(QSize size, QWidget *parent = nullptr);
};
