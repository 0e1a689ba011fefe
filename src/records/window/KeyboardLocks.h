#pragma once

#include <QObject>

// Whether Num Lock and Caps Lock are on. On an X11 display the keyboard's
// own state is read; elsewhere (Wayland, offscreen) the presses of the two
// keys that the application sees are counted from the state "off".
class KeyboardLocks : public QObject
{
    Q_OBJECT
public:
    explicit KeyboardLocks(QObject *parent = nullptr);
    ~KeyboardLocks() override;

    bool numLock() const;
    bool capsLock() const;
    // Whether the state comes from the display rather than from counting.
    static bool readsDisplay();

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_numCounted = false;
    bool m_capsCounted = false;
};
