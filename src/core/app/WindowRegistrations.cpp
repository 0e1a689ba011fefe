#include "core/app/WindowRegistrations.h"

#include "calc/dialog/Registration.h"

void registerSubsystemWindows()
{
    registerCalculatorWindow();
}
