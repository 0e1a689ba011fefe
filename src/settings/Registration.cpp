#include "settings/Registration.h"

#include "core/app/context/AppContext.h"
#include "core/data/platform/Prompter.h"
#include "settings/window/TForm11.h"

void registerSettings(AppContext &context)
{
    context.registerWindow(
        WindowId::Settings,
        [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TForm11>(context, context.prompter ? *context.prompter : Prompter::global(), parent);
        },
        ScreenPicture::Nast);
}
