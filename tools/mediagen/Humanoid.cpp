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

}  // namespace

Humanoid::Humanoid(bool withSword)
{
    for (const JointSpec& joint : Skeleton)
        _body.addJoint(joint.name, joint.parent, joint.position);
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

// The solid's texture coordinates go into the region's cell, 2 pixels in, so filtering never reaches the
// neighbour cell.
void Humanoid::addSolid(JointId joint, Region region, const std::function<void(MeshBuilder&)>& build)
{
    const irr::core::recti cell = regionRect(region);
    const irr::core::vector2df corner((static_cast<float>(cell.UpperLeftCorner.X) + 2.0f) / 256.0f,
                                      (static_cast<float>(cell.UpperLeftCorner.Y) + 2.0f) / 256.0f);
    const irr::core::vector2df size((static_cast<float>(cell.getWidth()) - 4.0f) / 256.0f,
                                    (static_cast<float>(cell.getHeight()) - 4.0f) / 256.0f);
    _body.addSolid(joint, corner, size, build);
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

JointedBody::Pose Humanoid::bodyPose(const Pose& pose)
{
    return {std::vector<vector3df>(pose.rotation.begin(), pose.rotation.end()), pose.rootShift};
}

std::vector<vector3df> Humanoid::posed(const Pose& pose) const
{
    return _body.posed(bodyPose(pose));
}

AnimatedMesh Humanoid::skinned(const std::string& texture, const std::vector<std::pair<int, Pose>>& keys) const
{
    std::vector<std::pair<int, JointedBody::Pose>> bodyKeys;
    bodyKeys.reserve(keys.size());
    for (const auto& [frame, pose] : keys)
        bodyKeys.emplace_back(frame, bodyPose(pose));
    return _body.skinned(texture, bodyKeys);
}
