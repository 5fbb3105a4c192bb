// Walks a route over the waypoint graph, planning again when the target moves or the walker is stuck.
#include "demo/RouteFollower.h"

#include <cstdio>
#include <exception>

#include "platform/LogFile.h"
#include "world/Graph.h"
#include "world/Map.h"
#include "world/pathfinding.h"

namespace {

// Close enough to a waypoint to head for the next one.
const irr::f32 waypointReach = 40.0f;
// A target that moved this far gets a new route.
const irr::f32 targetDrift = 80.0f;
// Less headway than this over stuckTime means stuck.
const irr::f32 headway = 15.0f;
const irr::u32 stuckTime = 1500;
const irr::u32 stepAsideTime = 600;

irr::f32 groundDistance(const irr::core::vector3df& a, const irr::core::vector2df& b)
{
    return irr::core::vector2df(a.X, a.Z).getDistanceFrom(b);
}

}

// Sight to the waypoints is judged past the level's walls only, as the monsters judge it: the things
// the player goes to stand inside their own blocking shapes, which would hide every waypoint.
RouteFollower::Planner RouteFollower::levelPlanner()
{
    return [](irr::core::vector3df from, irr::core::vector3df to) {
        try {
            return calcRoute(from, to, GGraph, GcurrentMap->getSelector());
        } catch (const std::exception&) {
            return std::vector<irr::core::vector2df>{{to.X, to.Z}};
        }
    };
}

irr::core::vector2df RouteFollower::next(const irr::core::vector3df& at, const irr::core::vector3df& target,
                                         irr::f32 reach, irr::u32 now)
{
    const irr::core::vector2df goal(target.X, target.Z);
    if (groundDistance(at, goal) <= reach) {
        _lastProgress = now;
        _lastPlace = at;
        return {at.X, at.Z};
    }
    watchProgress(at, now);
    if (_route.empty() || _plannedTarget.getDistanceFrom(target) > targetDrift)
        plan(at, target, now);
    while (_index + 1 < _route.size() && groundDistance(at, _route[_index]) < waypointReach)
        ++_index;
    return _index + 1 < _route.size() ? _route[_index] : goal;
}

void RouteFollower::plan(const irr::core::vector3df& at, const irr::core::vector3df& target, irr::u32 now)
{
    _route = _planner(at, target);
    _index = 0;
    _plannedTarget = target;
    _lastPlace = at;
    _lastProgress = now;
}

void RouteFollower::watchProgress(const irr::core::vector3df& at, irr::u32 now)
{
    irr::core::vector3df moved = at - _lastPlace;
    moved.Y = 0;
    // A walker that was not walking (fighting, reading) starts a fresh count.
    const bool resumed = now - _lastWalk > stuckTime / 3;
    _lastWalk = now;
    if (resumed || moved.getLength() > headway) {
        _lastPlace = at;
        _lastProgress = now;
        return;
    }
    if (now - _lastProgress > stuckTime) {
        char line[120];
        std::snprintf(line, sizeof line, "demo: stuck at (%.0f, %.0f) on the way to (%.0f, %.0f)", at.X, at.Z,
                      _plannedTarget.X, _plannedTarget.Z);
        GLog.writelf(line);
        _route.clear();
        _unstickUntil = now + stepAsideTime;
        _lastProgress = now;
    }
}
