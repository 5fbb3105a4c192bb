// Blitz3D (.b3d) writer: one mesh node with its brush and texture, its joints nested below it with their
// bones and key frames.
#pragma once

#include <string>

#include "AnimatedMesh.h"

void writeB3D(const AnimatedMesh& mesh, const std::string& path);
