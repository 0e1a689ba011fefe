#include "Subsystems.h"

#include "calc/dialog/Registration.h"
#include "records/window/Registration.h"

void registerSubsystems(AppContext &context)
{
    registerCalculatorWindow(context);
    registerRecordWindow(context);
}
