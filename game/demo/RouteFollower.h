// Walks a route over the waypoint graph: the ground point to head for next, a new route when the target
// moves or the walker stops making headway.
#pragma once

#include <functional>
#include <irrlicht.h>
#include <vector>

class RouteFollower {
public:
    // The ground points (x, z) from a place to a target, as the monsters' route planner gives them.
    using Planner =
        std::function<std::vector<irr::core::vector2df>(irr::core::vector3df, irr::core::vector3df)>;

    explicit RouteFollower(Planner planner) : _planner(std::move(planner)) {}
    // The route planner of the level: the waypoint graph, with sight past what blocks the player.
    static Planner levelPlanner();

    // The point to head for from `at` on the way to `target`, `now` in milliseconds; `at` itself once
    // within `reach` of the target.
    irr::core::vector2df next(const irr::core::vector3df& at, const irr::core::vector3df& target,
                              irr::f32 reach, irr::u32 now);
    // True for a moment after the walker was found stuck: time to step aside.
    bool stuck(irr::u32 now) const { return now < _unstickUntil; }
    void forget() { _route.clear(); }

private:
    void plan(const irr::core::vector3df& at, const irr::core::vector3df& target, irr::u32 now);
    void watchProgress(const irr::core::vector3df& at, irr::u32 now);

    Planner _planner;
    std::vector<irr::core::vector2df> _route;
    size_t _index = 0;
    irr::core::vector3df _plannedTarget;
    irr::core::vector3df _lastPlace;
    irr::u32 _lastProgress = 0;
    irr::u32 _lastWalk = 0;
    irr::u32 _unstickUntil = 0;
};
