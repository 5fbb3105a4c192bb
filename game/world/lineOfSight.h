// Whether a straight segment crosses no triangle of a selector: the test route planning makes
// before trusting a straight line between two places.
#pragma once

#include <irrlicht.h>

bool lineOfSight(const irr::core::vector3df& from, const irr::core::vector3df& to,
                 irr::scene::ITriangleSelector* selector);
