// One animation set of a monster's body: playback speed, the walking speed that goes with it, its frames.
#pragma once

#include <irrlicht.h>

struct AnimationInfo {
    irr::u16 animSpeed;
    irr::f32 speed;  // route segments per second
    irr::u16 start;
    irr::u16 end;
};
