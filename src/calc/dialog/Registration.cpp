#include "calc/dialog/Registration.h"

#include "calc/dialog/TdlgCalculator.h"
#include "core/app/AppContext.h"

void registerCalculatorWindow()
{
    AppContext::instance().registerWindow(WindowId::Calculator, [](QWidget *parent) {
        return std::unique_ptr<QDialog>(new TdlgCalculator(parent));
    });
}
