// A top-down plan of the level for people to check by eye: areas, walls, doors with their names and
// opening states, objects, spawn points, waypoints and their edges.
#pragma once

#include "Image.h"
#include "level/LevelPlan.h"
#include "level/waypointFile.h"

Image drawPlan(const LevelPlan& plan, const WaypointFile& waypoints);
