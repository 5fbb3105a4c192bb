// A jointed figure of rigid solids and its poses.
#include "JointedBody.h"

#include "MeshBuilder.h"

using irr::core::matrix4;
using irr::core::vector3df;

namespace {

vector3df faceNormal(const vector3df& a, const vector3df& b, const vector3df& c)
{
    vector3df n = (b - a).crossProduct(c - a);
    return n.getLengthSQ() > 1e-12f ? n.normalize() : n;
}

}  // namespace

int JointedBody::addJoint(const std::string& name, int parent, const vector3df& rest)
{
    _joints.push_back({name, _joints.empty() ? -1 : parent, rest});
    return static_cast<int>(_joints.size()) - 1;
}

void JointedBody::addSolid(int joint, const irr::core::vector2df& uvCorner, const irr::core::vector2df& uvSize,
                           const std::function<void(MeshBuilder&)>& build)
{
    MeshPart part;
    MeshBuilder builder(part);
    build(builder);
    const unsigned first = static_cast<unsigned>(_vertices.size());
    for (const MeshVertex& v : part.vertices) {
        _vertices.push_back({{v.x, v.y, v.z}, {0, 1, 0}, uvCorner.X + uvSize.X * v.u, uvCorner.Y + uvSize.Y * v.v});
        _vertexJoint.push_back(joint);
    }
    for (std::size_t i = 0; i < part.indices.size(); i += 3) {
        const unsigned a = first + part.indices[i], b = first + part.indices[i + 1], c = first + part.indices[i + 2];
        const vector3df n = faceNormal(_vertices[a].position, _vertices[b].position, _vertices[c].position);
        if (n.getLengthSQ() > 0.5f)
            for (unsigned index : {a, b, c})
                _vertices[index].normal = n;
        _indices.insert(_indices.end(), {a, b, c});
    }
}

// As the engine's skinned mesh does it: each joint's matrix is its parent's times its own rotation
// placed at its offset from the parent.
std::vector<matrix4> JointedBody::globalTransforms(const Pose& pose) const
{
    std::vector<matrix4> global(_joints.size());
    for (std::size_t j = 0; j < _joints.size(); ++j) {
        const int parent = _joints[j].parent;
        matrix4 local;
        local.setRotationDegrees(pose.rotation[j]);
        local.setTranslation(parent < 0 ? pose.rootShift : _joints[j].rest - _joints[static_cast<std::size_t>(parent)].rest);
        global[j] = parent < 0 ? local : global[static_cast<std::size_t>(parent)] * local;
    }
    return global;
}

std::vector<vector3df> JointedBody::posed(const Pose& pose) const
{
    const std::vector<matrix4> global = globalTransforms(pose);
    std::vector<vector3df> positions;
    positions.reserve(_vertices.size());
    for (std::size_t i = 0; i < _vertices.size(); ++i) {
        const auto joint = static_cast<std::size_t>(_vertexJoint[i]);
        vector3df p = _vertices[i].position - _joints[joint].rest;
        global[joint].transformVect(p);
        positions.push_back(p);
    }
    return positions;
}

AnimatedMesh JointedBody::skinned(const std::string& texture, const std::vector<std::pair<int, Pose>>& keys) const
{
    AnimatedMesh mesh;
    mesh.texture = texture;
    mesh.vertices = _vertices;
    mesh.indices = _indices;
    for (std::size_t j = 0; j < _joints.size(); ++j) {
        const int parent = _joints[j].parent;
        const vector3df offset = parent < 0 ? _joints[j].rest : _joints[j].rest - _joints[static_cast<std::size_t>(parent)].rest;
        Joint joint{_joints[j].name, parent, offset, {}, {}};
        for (std::size_t v = 0; v < _vertices.size(); ++v)
            if (_vertexJoint[v] == static_cast<int>(j))
                joint.weights.push_back({static_cast<unsigned>(v), 1.0f});
        for (const auto& [frame, pose] : keys)
            joint.keys.push_back({frame, parent < 0 ? pose.rootShift : joint.position, pose.rotation[j]});
        mesh.joints.push_back(std::move(joint));
    }
    return mesh;
}
