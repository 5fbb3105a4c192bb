// How often a monster's blow may land: at most twice a second, however often the brain asks.
#pragma once

#include <irrlicht.h>

class StrikeClock {
public:
    // True when a blow may land at `now` (engine time in ms); it then holds the next one back.
    bool due(irr::u32 now);

private:
    static const irr::u32 Interval = 500;
    bool _struck = false;
    irr::u32 _next = 0;
};
