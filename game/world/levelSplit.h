// The level mesh cut by the rooms it lies in, so that what lies in rooms out of sight is skipped whole.
#pragma once

#include <cstddef>
#include <vector>

#include <irrlicht.h>

#include "world/RoomPlan.h"

struct LevelPiece {
    irr::scene::SMesh* mesh;
    // The rooms it reaches into, by their place in the plan; none for what lies in no room (the
    // walls' tops and outer faces, the doorways' jambs), to be drawn always.
    std::vector<std::size_t> rooms;
};

// Each triangle goes with the triangles that reach into the same rooms as it: a wall's face seen from
// two rooms is drawn when either is. `scale` turns the mesh's units into the plan's. The caller drops
// the meshes.
std::vector<LevelPiece> splitByRoom(irr::scene::IMesh* mesh, const RoomPlan& plan, float scale);
