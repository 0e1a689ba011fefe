#include "calendar/Registration.h"

#include "calendar/window/AlarmTray.h"
#include "calendar/window/TForm5.h"
#include "core/app/context/AppContext.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/Prompter.h"

#include <QDialog>
#include <QPointer>

namespace {
const Clock &clockOf(const AppContext &context) { return context.clock ? *context.clock : Clock::system(); }
} // namespace

void registerCalendar(AppContext &context)
{
    context.registerWindow(
        WindowId::Calendar,
        [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TForm5>(clockOf(context), parent);
        },
        ScreenPicture::Cal);

    // The alarm lives beside the main window; its settings window is made
    // by it, so it reaches the alarm's clock.
    auto tray = std::make_shared<QPointer<AlarmTray>>();
    context.addMainWindowCompanion([&context, tray](QWidget &mainWindow) {
        *tray = new AlarmTray(context.prompter ? *context.prompter : Prompter::global(), clockOf(context),
                              PlatformServices::current(), mainWindow);
    });
    context.registerWindow(WindowId::Alarm, [tray](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
        if (!*tray)
            return nullptr;
        return (*tray)->settingsWindow(false, parent);
    });
}
