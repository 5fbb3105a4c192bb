// MilkShape 3D (.ms3d) writer for a static prop: one group per part, one material per mesh material,
// no joints.
#pragma once

#include <string>

#include "Mesh.h"

void writeMS3D(const Mesh& mesh, const std::string& path);
