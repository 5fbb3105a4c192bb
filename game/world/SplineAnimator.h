// Moves a node along a uniform cubic B-spline through ground points (x, z), facing along the path.
#pragma once

#include <irrlicht.h>
#include <vector>

class SplineAnimator : public irr::scene::ISceneNodeAnimator {
public:
    // `speed` is in spline segments per second.
    SplineAnimator(irr::u32 time, const std::vector<irr::core::vector2df>& points, irr::f32 speed);

    // One step: at most one segment further per call however long since the last one; the node's
    // height is kept. Does nothing once the last segment has been shown.
    void animateNode(irr::scene::ISceneNode* node, irr::u32 timeMs) override;
    // A spline animator cannot be cloned.
    irr::scene::ISceneNodeAnimator* createClone(irr::scene::ISceneNode* node,
                                                irr::scene::ISceneManager* newManager = nullptr) override;

    // Rotation in degrees added to the facing at every step, for models that do not face their local -Z.
    void correctRotation(const irr::core::vector3df& correction);
    irr::s32 clamp(irr::s32 index, irr::u32 size) const;

private:
    void turnToward(irr::scene::ISceneNode* node, const irr::core::vector3df& target) const;

    std::vector<irr::core::vector2df> mPoints;  // x is the world X, y the world Z
    irr::u32 mStartTime;                        // of the current segment
    irr::f32 mSpeed;
    irr::u32 idx;
    irr::f32 iu = 0;
    irr::f32 u2 = 0;
    float b0 = 0, b1 = 0, b2 = 0, b3 = 0;  // the basis weights times 6
    irr::core::vector2df f;
    irr::core::vector2df p0, p1, p2, p3;
    irr::core::vector3df correctRotat;
};
