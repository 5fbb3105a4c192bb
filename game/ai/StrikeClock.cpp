// The half-second gap between two blows of one monster.
#include "ai/StrikeClock.h"

bool StrikeClock::due(irr::u32 now)
{
    if (_struck && now < _next)
        return false;
    _struck = true;
    _next = now + Interval;
    return true;
}
