// A figure of rigid solids hung on a tree of joints: each solid moves with the one joint it is built on.
// A pose turns every joint in its parent's frame and shifts the root; the skinned mesh carries a key for
// every posed frame, and posed() says where the engine should then put each vertex.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <irrlicht.h>

#include "AnimatedMesh.h"

class MeshBuilder;

class JointedBody {
public:
    struct Pose {
        std::vector<irr::core::vector3df> rotation;  // Euler degrees, one per joint
        irr::core::vector3df rootShift;
    };

    // A joint at a rest position in model space; the first joint added is the root (parent -1).
    int addJoint(const std::string& name, int parent, const irr::core::vector3df& rest);
    // Builds a solid with texture coordinates 0..1 and squeezes them into the cell of the texture (in 0..1
    // texture space) with the given top-left corner and size.
    void addSolid(int joint, const irr::core::vector2df& uvCorner, const irr::core::vector2df& uvSize,
                  const std::function<void(MeshBuilder&)>& build);

    // A pose that leaves every joint as it rests.
    Pose restPose() const { return {std::vector<irr::core::vector3df>(_joints.size()), {}}; }
    std::vector<irr::core::vector3df> posed(const Pose& pose) const;
    AnimatedMesh skinned(const std::string& texture, const std::vector<std::pair<int, Pose>>& keys) const;

    const std::vector<AnimatedVertex>& vertices() const { return _vertices; }
    const std::vector<unsigned>& indices() const { return _indices; }

private:
    struct RestJoint {
        std::string name;
        int parent;
        irr::core::vector3df rest;
    };

    std::vector<irr::core::matrix4> globalTransforms(const Pose& pose) const;

    std::vector<RestJoint> _joints;
    std::vector<AnimatedVertex> _vertices;
    std::vector<unsigned> _indices;
    std::vector<int> _vertexJoint;
};
