// The angles of looking from one point at another, in the first-person camera's convention: yaw about
// the vertical axis (0 looks along +Z, 90 along +X), pitch positive when looking down.
#pragma once

#include <irrlicht.h>

struct ViewTurn {
    irr::f32 yaw;    // degrees to turn right (negative: left)
    irr::f32 pitch;  // degrees to turn down (negative: up)

    // Whether the view is within `degrees` of the target both ways.
    bool within(irr::f32 degrees) const;
};

class Steering {
public:
    // The turn from the camera's current rotation to looking from `eye` at `target`.
    static ViewTurn turnToward(const irr::core::vector3df& rotation, const irr::core::vector3df& eye,
                               const irr::core::vector3df& target);
    // The same on the level: pitch brought back to looking straight ahead.
    static ViewTurn turnLevelToward(const irr::core::vector3df& rotation, const irr::core::vector3df& eye,
                                    const irr::core::vector3df& target);
    // An angle brought into [-180, 180).
    static irr::f32 wrap(irr::f32 degrees);
};
