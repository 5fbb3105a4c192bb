// A body chasing a moving target: a route over the waypoint graph, walked as a spline, planned again
// when the target has moved away from where the route leads.
#pragma once

#include <irrlicht.h>
#include <memory>

#include "world/SplineAnimator.h"
#include "world/Walker.h"

class FollowAnimator {
public:
    // `delay` plus one second is the least time between two plans. Planning reads GGraph, the level's
    // selector and GTimer, and lets "Lugar impossivel de se chegar" through to the caller.
    FollowAnimator(Walker* from, irr::u32 delay, irr::core::vector3df destiny);

    // One step along the route; plans again when due and the target is more than 10 units from where
    // the route leads.
    void updateFollow(irr::core::vector3df toFollow);
    irr::core::vector3df getLastPos() const { return _oldPos; }

private:
    std::unique_ptr<SplineAnimator> plan(const irr::core::vector3df& destiny) const;

    irr::core::vector3df _oldPos;
    Walker* _from;
    irr::u32 _delay;
    irr::u32 _t = 0;
    std::unique_ptr<SplineAnimator> _spAnim;
};
