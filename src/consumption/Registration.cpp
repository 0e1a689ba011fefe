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

std::unique_ptr<LogWindowFrame> createPreviousYearLog(const QString &srcData, bool nightTariff, Prompter &prompter,
                                               QWidget *parent)
{
    const LogYear previous = LogYear::previousYear();
    PlatformServices &services = PlatformServices::current();
    if (srcData.compare(QStringLiteral("Voda"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TSpotrebaVody>(prompter, services, parent, previous);
    if (srcData.compare(QStringLiteral("Plyn"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TSpotrebaPlynu>(prompter, services, parent, previous);
    if (srcData.compare(QStringLiteral("Elekt"), Qt::CaseInsensitive) == 0) {
        if (nightTariff)
            return std::make_unique<TSpotrebaElNoc>(prompter, parent, previous);
        return std::make_unique<TSpotrebaElektriny>(prompter, services, parent, previous);
    }
    return nullptr;
}
