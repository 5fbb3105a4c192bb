// Writes the level: the map, its textures and props, the scenery list, the waypoints and the plan.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

#include <string>

// `waypoints` is the waypoint file kept in the source tree: checked, then copied in as it is.
void writeLevel(const OutputFolder& out, const ImageFiles& images, const std::string& waypoints);
