#include "core/data/platform/Clock.h"

Clock::~Clock() = default;

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}
