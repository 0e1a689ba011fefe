#include "core/app/WindowRegistrations.h"

void registerSubsystemWindows()
{
}
