// The level's own textures, drawn procedurally: floors, walls, ceiling, frames, furniture, doors.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"
#include "level/LevelPlan.h"

// Writes every texture the level mesh and the plan's door boxes name, into media/OrvendMap/.
void writeLevelTextures(const OutputFolder& out, const ImageFiles& images, const LevelPlan& plan);
