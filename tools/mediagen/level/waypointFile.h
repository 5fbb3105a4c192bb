// The monsters' waypoint file (wayPoint.wpn): every node of the plan with a two-way edge per link.
#pragma once

#include <cstdint>
#include <vector>

#include "level/LevelPlan.h"

std::vector<std::uint8_t> waypointFileBytes(const LevelPlan& plan);
