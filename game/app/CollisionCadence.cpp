// The every-third-frame rhythm of the collision sweep.
#include "app/CollisionCadence.h"

bool CollisionCadence::due()
{
    bool sweep = _counter == 0;
    if (sweep)
        _counter = 3;
    --_counter;
    return sweep;
}
