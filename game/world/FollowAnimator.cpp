// Chasing along planned routes.
#include "world/FollowAnimator.h"

#include "shell/Engine.h"
#include "world/Graph.h"
#include "world/Map.h"
#include "world/pathfinding.h"

namespace {

const irr::f32 MovedEnough = 10;

}  // namespace

FollowAnimator::FollowAnimator(Walker* from, irr::u32 delay, irr::core::vector3df destiny)
    : _oldPos(0, 0, 0), _from(from), _delay(delay + 1000), _spAnim(plan(destiny))
{
    _oldPos = destiny;
}

void FollowAnimator::updateFollow(irr::core::vector3df toFollow)
{
    const irr::u32 now = GTimer->getTime();
    _spAnim->animateNode(_from->getNode(), now);
    if (now < _t)
        return;
    _t = now + _delay;
    if (toFollow.getDistanceFrom(_oldPos) <= MovedEnough)
        return;
    // The new route is made before the old one goes, so an unreachable target leaves the walk as it was.
    _spAnim = plan(toFollow);
    _oldPos = toFollow;
}

std::unique_ptr<SplineAnimator> FollowAnimator::plan(const irr::core::vector3df& destiny) const
{
    const std::vector<irr::core::vector2df> route =
        calcRoute(_from->getPosition(), destiny, GGraph, GcurrentMap->getSelector());
    auto spline = std::make_unique<SplineAnimator>(GTimer->getTime(), route, _from->getSpeed());
    spline->correctRotation(_from->getCorRotation());
    return spline;
}
