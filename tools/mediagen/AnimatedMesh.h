// A skinned, animated mesh as the B3D writer takes it, in Irrlicht space: one textured surface, a tree of
// joints that each carry the vertices they move, and key frames numbered as the engine numbers them.
#pragma once

#include <string>
#include <vector>

#include <irrlicht.h>

struct AnimatedVertex {
    irr::core::vector3df position;
    irr::core::vector3df normal;
    float u, v;
};

struct JointKey {
    int frame;
    irr::core::vector3df position;  // relative to the parent joint
    irr::core::vector3df rotation;  // Euler degrees, as the engine's setRotationDegrees takes them
};

struct BoneWeight {
    unsigned vertex;
    float weight;
};

struct Joint {
    std::string name;
    int parent;                      // index of the parent joint, -1 for a root joint
    irr::core::vector3df position;   // rest position, relative to the parent
    std::vector<BoneWeight> weights;
    std::vector<JointKey> keys;
};

struct AnimatedMesh {
    std::string texture;
    std::vector<AnimatedVertex> vertices;
    std::vector<unsigned> indices;
    std::vector<Joint> joints;  // parents come before their children
    float fps = 20.0f;
};
