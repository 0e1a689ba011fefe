#include "calc/dialog/Registration.h"

#include "calc/dialog/TdlgCalculator.h"
#include "core/app/context/AppContext.h"

void registerCalculatorWindow(AppContext &context)
{
    context.registerWindow(
        WindowId::Calculator,
        [](const WindowOrders &, QWidget *parent) { return std::unique_ptr<QDialog>(new TdlgCalculator(parent)); },
        ScreenPicture::Kalk);
}
