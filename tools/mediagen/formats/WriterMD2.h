// Quake 2 (.md2) writer: a vertex-animated mesh, every frame a full set of positions.
#pragma once

#include <string>
#include <vector>

#include <irrlicht.h>

struct MorphMesh {
    struct Frame {
        std::string name;
        std::vector<irr::core::vector3df> positions;
    };
    int skinWidth = 256, skinHeight = 256;
    std::vector<irr::core::vector2df> uvs;  // one per vertex
    std::vector<unsigned> indices;
    std::vector<Frame> frames;
};

void writeMD2(const MorphMesh& mesh, const std::string& path);
