// A jointed human figure and its poses.
#include "Humanoid.h"

#include "MeshBuilder.h"

using irr::core::matrix4;
using irr::core::vector3df;

namespace {

struct JointSpec {
    const char* name;
    Humanoid::JointId parent;
    vector3df position;
};

// Rest positions of the skeleton; left is -X for a figure facing +Z in the engine's left-handed space.
const JointSpec Skeleton[Humanoid::JointCount] = {
    {"root", Humanoid::Root, {0, 0, 0}},
    {"hips", Humanoid::Root, {0, 9.4f, 0}},
    {"chest", Humanoid::Hips, {0, 11.0f, 0}},
    {"head", Humanoid::Chest, {0, 15.1f, 0}},
    {"shoulder.L", Humanoid::Chest, {-2.15f, 14.5f, 0}},
    {"elbow.L", Humanoid::ShoulderL, {-2.3f, 11.8f, 0}},
    {"wrist.L", Humanoid::ElbowL, {-2.4f, 9.4f, 0}},
    {"shoulder.R", Humanoid::Chest, {2.15f, 14.5f, 0}},
    {"elbow.R", Humanoid::ShoulderR, {2.3f, 11.8f, 0}},
    {"wrist.R", Humanoid::ElbowR, {2.4f, 9.4f, 0}},
    {"thigh.L", Humanoid::Hips, {-0.95f, 9.0f, 0}},
    {"knee.L", Humanoid::ThighL, {-0.95f, 5.0f, 0}},
    {"ankle.L", Humanoid::KneeL, {-0.95f, 0.9f, 0}},
    {"thigh.R", Humanoid::Hips, {0.95f, 9.0f, 0}},
    {"knee.R", Humanoid::ThighR, {0.95f, 5.0f, 0}},
    {"ankle.R", Humanoid::KneeR, {0.95f, 0.9f, 0}},
};

vector3df faceNormal(const vector3df& a, const vector3df& b, const vector3df& c)
{
    vector3df n = (b - a).crossProduct(c - a);
    return n.getLengthSQ() > 1e-12f ? n.normalize() : n;
}

}  // namespace

Humanoid::Humanoid(bool withSword)
{
    for (int j = 0; j < JointCount; ++j) {
        _rest[j] = Skeleton[j].position;
        _parent[j] = j == Root ? -1 : Skeleton[j].parent;
    }
    buildBody(withSword);
}

irr::core::recti Humanoid::regionRect(Region region)
{
    static const irr::core::recti Cells[RegionCount] = {
        {0, 0, 128, 128},    {128, 0, 256, 128},  {0, 128, 64, 192},    {64, 128, 128, 192}, {128, 128, 192, 192},
        {192, 128, 256, 192}, {0, 192, 64, 256}, {64, 192, 128, 256}, {128, 192, 192, 256},
    };
    return Cells[region];
}

void Humanoid::paintCell(Image& skin, Region region, const std::function<Image::Color(float u, float v)>& paint)
{
    const irr::core::recti cell = regionRect(region);
    const float width = static_cast<float>(cell.getWidth()) - 4.0f, height = static_cast<float>(cell.getHeight()) - 4.0f;
    for (int y = cell.UpperLeftCorner.Y; y < cell.LowerRightCorner.Y; ++y)
        for (int x = cell.UpperLeftCorner.X; x < cell.LowerRightCorner.X; ++x)
            skin.set(x, y, paint((static_cast<float>(x - cell.UpperLeftCorner.X) - 1.5f) / width,
                                 (static_cast<float>(y - cell.UpperLeftCorner.Y) - 1.5f) / height));
}

// Builds a solid with texture coordinates 0..1 and squeezes them into the region's cell (2 pixels in,
// so filtering never reaches the neighbour cell).
void Humanoid::addSolid(JointId joint, Region region, const std::function<void(MeshBuilder&)>& build)
{
    MeshPart part;
    MeshBuilder builder(part);
    build(builder);
    const irr::core::recti cell = regionRect(region);
    const float u0 = (static_cast<float>(cell.UpperLeftCorner.X) + 2.0f) / 256.0f;
    const float v0 = (static_cast<float>(cell.UpperLeftCorner.Y) + 2.0f) / 256.0f;
    const float du = (static_cast<float>(cell.getWidth()) - 4.0f) / 256.0f;
    const float dv = (static_cast<float>(cell.getHeight()) - 4.0f) / 256.0f;
    const unsigned first = static_cast<unsigned>(_vertices.size());
    for (const MeshVertex& v : part.vertices) {
        _vertices.push_back({{v.x, v.y, v.z}, {0, 1, 0}, u0 + du * v.u, v0 + dv * v.v});
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

void Humanoid::buildBody(bool withSword)
{
    addSolid(Hips, Suit, [](MeshBuilder& b) { b.frustum({0, 8.4f, 0}, 1.55f, 0.95f, {0, 9.9f, 0}, 1.5f, 0.95f); });
    addSolid(Hips, Sash, [](MeshBuilder& b) { b.frustum({0, 9.5f, 0}, 1.62f, 1.02f, {0, 10.2f, 0}, 1.6f, 1.0f); });
    addSolid(Chest, Suit, [](MeshBuilder& b) { b.frustum({0, 10.1f, 0}, 1.45f, 0.9f, {0, 14.9f, 0}, 1.95f, 1.05f); });
    addSolid(Head, Suit, [](MeshBuilder& b) { b.cylinder({0, 14.8f, 0}, 0.5f, 0.8f, 8, false); });
    addSolid(Head, HeadSkin, [](MeshBuilder& b) {
        matrix4 stretch;
        stretch.setTranslation({0, 16.55f, 0});
        stretch.setScale({1.0f, 1.12f, 1.0f});
        b.setTransform(stretch);
        b.sphere({0, 0, 0}, 1.2f, 8, 12);
    });
    addSolid(Head, Band, [](MeshBuilder& b) {
        b.cylinder({0, 16.85f, 0}, 1.24f, 0.38f, 12, false);
        b.box({-0.4f, 15.9f, -1.45f}, {-0.08f, 17.0f, -1.2f});
        b.box({0.08f, 16.1f, -1.5f}, {0.4f, 17.0f, -1.25f});
    });
    buildLimbs(-1.0f);
    buildLimbs(1.0f);
    if (withSword)
        buildSword();
}

// One arm and one leg: side -1 is the left, +1 the right.
void Humanoid::buildLimbs(float side)
{
    const bool left = side < 0.0f;
    addSolid(left ? ShoulderL : ShoulderR, Suit, [side](MeshBuilder& b) {
        b.sphere({side * 2.15f, 14.45f, 0}, 0.72f, 6, 8);
        b.cylinder({side * 2.3f, 11.7f, 0}, 0.55f, 2.9f, 8, false);
    });
    addSolid(left ? ElbowL : ElbowR, Suit, [side](MeshBuilder& b) { b.cylinder({side * 2.4f, 9.35f, 0}, 0.47f, 2.6f, 8); });
    addSolid(left ? WristL : WristR, Glove, [side](MeshBuilder& b) {
        b.box({side * 2.4f - 0.4f, 8.3f, -0.42f}, {side * 2.4f + 0.4f, 9.45f, 0.45f});
    });
    addSolid(left ? ThighL : ThighR, Suit, [side](MeshBuilder& b) { b.cylinder({side * 0.95f, 4.9f, 0}, 0.78f, 4.4f, 8); });
    addSolid(left ? KneeL : KneeR, Suit, [side](MeshBuilder& b) { b.cylinder({side * 0.95f, 0.85f, 0}, 0.6f, 4.3f, 8); });
    addSolid(left ? AnkleL : AnkleR, Boot, [side](MeshBuilder& b) {
        b.box({side * 0.95f - 0.52f, 0.0f, -0.75f}, {side * 0.95f + 0.52f, 1.0f, 1.75f});
    });
}

// A straight sword in the right fist, its blade pointing ahead (+Z) while the arm hangs.
void Humanoid::buildSword()
{
    addSolid(WristR, Grip, [](MeshBuilder& b) { b.box({2.26f, 8.62f, -1.1f}, {2.54f, 8.98f, 1.0f}); });
    addSolid(WristR, Guard, [](MeshBuilder& b) { b.box({2.05f, 8.45f, 1.0f}, {2.75f, 9.15f, 1.22f}); });
    addSolid(WristR, Blade, [](MeshBuilder& b) {
        matrix4 alongZ;
        alongZ.setRotationDegrees({90, 0, 0});
        alongZ.setTranslation({2.4f, 8.8f, 1.22f});
        b.setTransform(alongZ);
        b.frustum({0, 0, 0}, 0.06f, 0.26f, {0, 6.4f, 0}, 0.06f, 0.26f);
        b.frustum({0, 6.4f, 0}, 0.06f, 0.26f, {0, 7.3f, 0}, 0.0f, 0.0f);
    });
}

// As the engine's skinned mesh does it: each joint's matrix is its parent's times its own rotation
// placed at its offset from the parent.
std::array<matrix4, Humanoid::JointCount> Humanoid::globalTransforms(const Pose& pose) const
{
    std::array<matrix4, JointCount> global;
    for (int j = 0; j < JointCount; ++j) {
        matrix4 local;
        local.setRotationDegrees(pose.rotation[j]);
        const vector3df offset = j == Root ? pose.rootShift : _rest[j] - _rest[_parent[j]];
        local.setTranslation(offset);
        global[j] = j == Root ? local : global[_parent[j]] * local;
    }
    return global;
}

std::vector<vector3df> Humanoid::posed(const Pose& pose) const
{
    const std::array<matrix4, JointCount> global = globalTransforms(pose);
    std::vector<vector3df> positions;
    positions.reserve(_vertices.size());
    for (std::size_t i = 0; i < _vertices.size(); ++i) {
        vector3df p = _vertices[i].position - _rest[_vertexJoint[i]];
        global[_vertexJoint[i]].transformVect(p);
        positions.push_back(p);
    }
    return positions;
}

AnimatedMesh Humanoid::skinned(const std::string& texture, const std::vector<std::pair<int, Pose>>& keys) const
{
    AnimatedMesh mesh;
    mesh.texture = texture;
    mesh.vertices = _vertices;
    mesh.indices = _indices;
    for (int j = 0; j < JointCount; ++j) {
        Joint joint{Skeleton[j].name, _parent[j], j == Root ? _rest[j] : _rest[j] - _rest[_parent[j]], {}, {}};
        for (std::size_t v = 0; v < _vertices.size(); ++v)
            if (_vertexJoint[v] == j)
                joint.weights.push_back({static_cast<unsigned>(v), 1.0f});
        for (const auto& [frame, pose] : keys)
            joint.keys.push_back({frame, j == Root ? pose.rootShift : joint.position, pose.rotation[j]});
        mesh.joints.push_back(std::move(joint));
    }
    return mesh;
}
