#pragma once

#include "core/app/context/ScreenPicture.h"

#include <QBasicTimer>
#include <QDialog>
#include <functional>

class AppContext;
enum class WindowId;

class QLabel;

// The picture screen: a white, borderless window that shows one picture
// for three ticks of 700 ms before the window the user asked for opens.
class TForm45 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int TickMilliseconds = 700;
    static constexpr int TicksShown = 3;

    explicit TForm45(ScreenPicture picture, QWidget *parent = nullptr);

    int ticks() const { return m_ticks; }
    ScreenPicture shownPicture() const { return m_picture; }
    bool timerRunning() const { return m_timer.isActive(); }
    // One tick of the timer; the third closes the window.
    void tick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    ScreenPicture m_picture;
    int m_ticks = 0;
    QBasicTimer m_timer;
};

// Shows `picture` on the picture screen and returns when it has closed;
// does nothing at all while the setting Scr is off.
void PictureScreen(ScreenPicture picture);

// Shows the picture registered for window `id` on the picture screen (only
// while the setting Scr is on; otherwise nothing and no delay), then opens
// the window modally, owned by `parent`, and destroys it when it has
// closed. Returns false, showing nothing at all, when no window `id` is
// registered.
// `showPicture` shows the picture (the picture screen, unless the caller
// has its own way).
bool showPictureThenWindow(const AppContext &context, WindowId id, QWidget *parent,
                           const std::function<void(ScreenPicture)> &showPicture = PictureScreen);

