// Helpers for props drawn without lighting: shading baked into material colours, and texture coordinates
// squeezed into one cell of a texture atlas.
#pragma once

#include <irrlicht.h>

#include "Mesh.h"

// Splits every part by how much its triangles face a light from above and ahead, into parts whose
// materials are darker copies of the original, so the shape reads even when drawn unlit.
Mesh bakeShading(const Mesh& mesh);

// Maps the part's texture coordinates (0..1) into the rectangle (in 0..1 texture space).
void squeezeUV(MeshPart& part, const irr::core::rectf& cell);
