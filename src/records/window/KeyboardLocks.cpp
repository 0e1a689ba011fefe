#include "records/window/KeyboardLocks.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <optional>

#if defined(ROZVAHON_HAVE_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
// Xlib's macros (None, Bool, Status ...) must not meet the Qt headers.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#define ROZVAHON_READS_X11 1
#endif

namespace {

struct LockState
{
    bool num = false;
    bool caps = false;
};

std::optional<LockState> displayState()
{
#ifdef ROZVAHON_READS_X11
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != 0) // Success is 0
        return std::nullopt;
    const unsigned numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    LockState locks;
    locks.caps = (state.locked_mods & LockMask) != 0;
    locks.num = numMask != 0 && (state.locked_mods & numMask) != 0;
    return locks;
#else
    return std::nullopt;
#endif
}

} // namespace

KeyboardLocks::KeyboardLocks(QObject *parent) : QObject(parent)
{
    if (qGuiApp)
        qGuiApp->installEventFilter(this);
}

KeyboardLocks::~KeyboardLocks()
{
    if (qGuiApp)
        qGuiApp->removeEventFilter(this);
}

bool KeyboardLocks::readsDisplay() { return displayState().has_value(); }

bool KeyboardLocks::numLock() const
{
    const auto state = displayState();
    return state ? state->num : m_numCounted;
}

bool KeyboardLocks::capsLock() const
{
    const auto state = displayState();
    return state ? state->caps : m_capsCounted;
}

bool KeyboardLocks::eventFilter(QObject *watched, QEvent *event)
{
    // Only windows see key events once: count presses at the window.
    if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat() && (key->key() == Qt::Key_NumLock || key->key() == Qt::Key_CapsLock)) {
            if (key->key() == Qt::Key_NumLock)
                m_numCounted = !m_numCounted;
            else
                m_capsCounted = !m_capsCounted;
            emit changed();
        }
    }
    return QObject::eventFilter(watched, event);
}
