// 3D Studio (.3DS) writer: every material, then every part as one trimesh object.
#pragma once

#include <string>

#include "Mesh.h"

void write3DS(const Mesh& mesh, const std::string& path);
