#include "consumption/Registration.h"

#include "consumption/window/TSpotrebaElNoc.h"
#include "consumption/window/TSpotrebaElektriny.h"
#include "consumption/window/TSpotrebaPlynu.h"
#include "consumption/window/TSpotrebaVody.h"
#include "core/app/context/AppContext.h"
#include "core/data/platform/PlatformServices.h"

namespace {

template <typename Window>
void registerPriced(AppContext &context, WindowId id)
{
    context.registerWindow(
        id,
        [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            if (!context.prompter)
                return nullptr;
            return std::make_unique<Window>(*context.prompter, PlatformServices::current(), parent);
        },
        ScreenPicture::Spt);
}

} // namespace

void registerConsumption(AppContext &context)
{
    registerPriced<TSpotrebaVody>(context, WindowId::Water);
    registerPriced<TSpotrebaElektriny>(context, WindowId::Electricity);
    registerPriced<TSpotrebaPlynu>(context, WindowId::Gas);
    context.registerWindow(
        WindowId::ElectricityNight,
        [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            if (!context.prompter)
                return nullptr;
            return std::make_unique<TSpotrebaElNoc>(*context.prompter, parent);
        },
        ScreenPicture::Spt);
}
