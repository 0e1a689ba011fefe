#include "widgets/RememberedPlace.h"

#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace RememberedPlace {

void restore(QWidget &window, const QString &section)
{
    const RegFlags place(QLatin1String(RegistryKey), section);
    const int left = place.read(Key::Placement::Left);
    const int top = place.read(Key::Placement::Top);
    if (left != Settings::MissingInteger && top != Settings::MissingInteger) {
        // The title bar must be on a screen to take the window back.
        const QPoint titleBar(left + 20, top + 10);
        for (const QScreen *screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(titleBar)) {
                window.move(left, top);
                return;
            }
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void store(const QWidget &window, const QString &section)
{
    RegFlags place(QLatin1String(RegistryKey), section);
    place.write(Key::Placement::Left, window.pos().x());
    place.write(Key::Placement::Top, window.pos().y());
}

} // namespace RememberedPlace
