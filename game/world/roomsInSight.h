// Which rooms of the plan can be seen from an eye: the rooms it stands in, then every room reached
// from those through open doorways whose gap lies in the view. Never fewer rooms than can be seen;
// now and then more, as a doorway in the view may still be hidden behind another.
#pragma once

#include <functional>
#include <vector>

#include <irrlicht.h>

#include "world/RoomPlan.h"

// For a room out of sight.
const int NotInSight = -1;

// For each room, how many doorways the eye looks through to see it: 0 for the rooms it stands in, or
// NotInSight. `shut` tells whether a doorway is closed. With the eye in no room, every room counts as one
// it stands in.
std::vector<int> roomsInSight(const RoomPlan& plan, const irr::core::vector3df& eye,
                               const irr::scene::SViewFrustum& view,
                               const std::function<bool(const RoomDoorway&)>& shut);

// Whether some of the box can lie inside the frustum, as the engine's own culling by box decides.
bool inView(const irr::scene::SViewFrustum& view, const irr::core::aabbox3df& box);
