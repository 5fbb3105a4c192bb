// Wavefront (.obj + .mtl) writer: one group per part, each with its material; the .mtl sits beside the
// .obj under the same base name.
#pragma once

#include <string>

#include "Mesh.h"

void writeOBJ(const Mesh& mesh, const std::string& objPath);
