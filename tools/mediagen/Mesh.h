// A static mesh as the writers take it, in Irrlicht space: left-handed, +Y up, a triangle (a, b, c)
// faces the viewer when (b - a) x (c - a) points at him; UV (0, 0) is the image's top-left corner.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MeshVertex {
    float x, y, z;
    float u, v;
};

struct MeshMaterial {
    std::string name;
    std::string texture;  // file name as the loader should look it up; empty for a plain colour
    std::uint8_t r = 255, g = 255, b = 255;
    bool twoSided = false;
};

// One named object of one material; indices are triples into its own vertices.
struct MeshPart {
    std::string name;
    std::string material;
    std::vector<MeshVertex> vertices;
    std::vector<std::uint16_t> indices;
};

struct Mesh {
    std::vector<MeshMaterial> materials;
    std::vector<MeshPart> parts;
};
