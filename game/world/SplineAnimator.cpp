// The B-spline step of the monsters' walk.
#include "world/SplineAnimator.h"

#include <cmath>

SplineAnimator::SplineAnimator(irr::u32 time, const std::vector<irr::core::vector2df>& points, irr::f32 speed)
    : mPoints(points), mStartTime(time), mSpeed(speed), idx(1), correctRotat(0, 0, 0)
{
}

void SplineAnimator::animateNode(irr::scene::ISceneNode* node, irr::u32 timeMs)
{
    if (mPoints.empty() || idx == mPoints.size())
        return;
    const irr::f32 dt = static_cast<irr::f32>(timeMs - mStartTime) * mSpeed * 0.001f;
    const irr::f32 u = dt - std::floor(dt);
    // A late call still moves one segment only: the walk never jumps over a stretch of the route.
    if (dt >= 1) {
        mStartTime = timeMs;
        ++idx;
    }
    iu = 1 - u;
    u2 = u * u;
    b0 = iu * iu * iu;
    b1 = (3 * u - 6) * u2 + 4;
    b2 = (-3 * u2 + 3 * u + 3) * u + 1;
    b3 = u2 * u;
    if (idx < 2)
        idx = 2;
    const irr::u32 n = static_cast<irr::u32>(mPoints.size());
    p0 = mPoints[clamp(static_cast<irr::s32>(idx) - 2, n)];
    p1 = mPoints[clamp(static_cast<irr::s32>(idx) - 1, n)];
    p2 = mPoints[clamp(static_cast<irr::s32>(idx), n)];
    p3 = mPoints[clamp(static_cast<irr::s32>(idx) + 1, n)];
    f = (p0 * b0 + p1 * b1 + p2 * b2 + p3 * b3) / 6;
    const irr::core::vector3df target(f.X, node->getPosition().Y, f.Y);
    turnToward(node, target);
    node->setPosition(target);
}

// The angle is that of the vector from the new point back to the node, so a model facing its local +Z
// needs 180 degrees of correction about Y.
void SplineAnimator::turnToward(irr::scene::ISceneNode* node, const irr::core::vector3df& target) const
{
    const irr::core::vector3df now = node->getRotation();
    const irr::f32 facing = (node->getPosition() - target).getHorizontalAngle().Y;
    node->setRotation(irr::core::vector3df(now.X, facing, now.Z) + correctRotat);
}

irr::scene::ISceneNodeAnimator* SplineAnimator::createClone(irr::scene::ISceneNode*,
                                                            irr::scene::ISceneManager*)
{
    return nullptr;
}

void SplineAnimator::correctRotation(const irr::core::vector3df& correction)
{
    correctRotat = correction;
}

irr::s32 SplineAnimator::clamp(irr::s32 index, irr::u32 size) const
{
    const irr::s32 last = static_cast<irr::s32>(size) - 1;
    return index < 0 ? 0 : (index > last ? last : index);
}
