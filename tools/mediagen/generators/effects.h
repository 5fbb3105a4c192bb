// Glowing textures drawn with additive blending (black shows nothing): projectiles, the portal's
// animation frames, the waypoint editor's markers and beams.
#pragma once

#include "ImageFiles.h"
#include "OutputFolder.h"

void writeEffects(const OutputFolder& out, const ImageFiles& images);
