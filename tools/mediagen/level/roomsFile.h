// The rooms file (OrvendMap/rooms.txt): the level's rooms and the doorways between them, read by the
// game to draw only the rooms that can be seen from the player's.
//     room;<name>;<x0>;<z0>;<x1>;<z1>;<ceiling y>;<roof|sky: what is above>
//     doorway;<name>;<centre x>;<centre z>;<width>;<height>;<x|z: the wall runs along>;<room>;<room>
// In world units; a doorway's name is that of the scenery box that shuts it, if any.
#pragma once

#include <string>

#include "level/LevelPlan.h"

std::string roomsFileText(const LevelPlan& plan);
