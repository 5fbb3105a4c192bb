// A jointed human figure of simple solids, about 18 units tall, facing +Z with its feet at the origin: the
// body of the ninja (skinned) and of the super soldier (posed frame by frame). Every solid hangs rigidly
// on one joint; its texture comes from one cell of a shared skin atlas.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <irrlicht.h>

#include "AnimatedMesh.h"
#include "Image.h"
#include "JointedBody.h"

class MeshBuilder;

class Humanoid {
public:
    enum JointId {
        Root, Hips, Chest, Head,
        ShoulderL, ElbowL, WristL, ShoulderR, ElbowR, WristR,
        ThighL, KneeL, AnkleL, ThighR, KneeR, AnkleR,
        JointCount
    };
    // The cells of the skin atlas, in a 256 x 256 picture.
    enum Region { Suit, HeadSkin, Sash, Glove, Boot, Blade, Grip, Guard, Band, RegionCount };

    // Each joint's rotation (Euler degrees, in its parent's frame) and a shift of the whole body.
    struct Pose {
        std::array<irr::core::vector3df, JointCount> rotation{};
        irr::core::vector3df rootShift;
    };

    explicit Humanoid(bool withSword);

    // The cell's rectangle in the atlas, in pixels of a 256 x 256 picture.
    static irr::core::recti regionRect(Region region);
    // Paints one cell of a skin: paint gets u, v in 0..1 across the part of the cell the body uses.
    static void paintCell(Image& skin, Region region, const std::function<Image::Color(float u, float v)>& paint);

    // The skinned mesh with a key at every given frame.
    AnimatedMesh skinned(const std::string& texture, const std::vector<std::pair<int, Pose>>& keys) const;
    // Every vertex where the pose puts it.
    std::vector<irr::core::vector3df> posed(const Pose& pose) const;

    const std::vector<AnimatedVertex>& vertices() const { return _body.vertices(); }
    const std::vector<unsigned>& indices() const { return _body.indices(); }

private:
    void addSolid(JointId joint, Region region, const std::function<void(MeshBuilder&)>& build);
    void buildBody(bool withSword);
    void buildLimbs(float side);
    void buildSword();
    static JointedBody::Pose bodyPose(const Pose& pose);

    JointedBody _body;
};
