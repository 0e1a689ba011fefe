#include "Subsystems.h"

#include "calc/dialog/Registration.h"
#include "records/Registration.h"

void registerSubsystems(AppContext &context)
{
    registerCalculatorWindow(context);
    registerRecords(context);
}
