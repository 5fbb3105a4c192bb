// Writes the level: the map, its textures and props, the scenery list, the waypoints and the plan.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeLevel(const OutputFolder& out, const ImageFiles& images);
