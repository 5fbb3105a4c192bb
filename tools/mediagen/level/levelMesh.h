// Builds the level's geometry from its plan: floors, ceilings, walls cut by the doorways, door
// frames and fixed furniture, in the file's units (world units / 17, as the loader scales by 17).
#pragma once

#include "Mesh.h"
#include "level/LevelPlan.h"

// The loader scales the level node by this much.
const float LevelScale = 17.0f;

// Faces turned to +x or -x use a darker copy of their texture, so corners read without lighting.
const char* const SideShadeSuffix = "_x";

Mesh buildLevelMesh(const LevelPlan& plan);
