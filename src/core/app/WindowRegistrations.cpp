#include "core/app/WindowRegistrations.h"

#include "calc/dialog/Registration.h"
#include "records/window/Registration.h"

void registerSubsystemWindows()
{
    registerCalculatorWindow();
    registerRecordWindow();
}
