// Which rooms of the plan can be seen from an eye: the rooms it stands in, then every room reached
// from those through open doorways whose gap lies in the view. Never fewer rooms than can be seen;
// now and then more, as a doorway in the view may still be hidden behind another.
#pragma once

#include <functional>
#include <vector>

#include <irrlicht.h>

#include "world/RoomPlan.h"

// `shut` tells whether a doorway is closed. With the eye in no room, every room counts as seen.
std::vector<bool> roomsInSight(const RoomPlan& plan, const irr::core::vector3df& eye,
                               const irr::scene::SViewFrustum& view,
                               const std::function<bool(const RoomDoorway&)>& shut);

// Whether some of the box can lie inside the frustum, as the engine's own culling by box decides.
bool inView(const irr::scene::SViewFrustum& view, const irr::core::aabbox3df& box);
