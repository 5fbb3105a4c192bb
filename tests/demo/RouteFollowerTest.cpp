// Following a planned route: the next point, arrival, a new route when the target moves, and a walker
// found stuck.
#include <gtest/gtest.h>

#include "demo/RouteFollower.h"

using irr::core::vector2df;
using irr::core::vector3df;

namespace {

// A planner that answers a fixed route through (0, 500) and counts how often it was asked.
struct Planner {
    int calls = 0;

    RouteFollower::Planner make()
    {
        return [this](vector3df from, vector3df to) {
            ++calls;
            return std::vector<vector2df>{{from.X, from.Z}, {0, 500}, {to.X, to.Z}};
        };
    }
};

}

TEST(RouteFollowerTest, HeadsForEachWaypointInTurnThenTheTarget)
{
    Planner planner;
    RouteFollower route(planner.make());
    const vector3df target(500, 80, 500);
    EXPECT_EQ(route.next({0, 80, 0}, target, 20, 0), vector2df(0, 500));
    EXPECT_EQ(route.next({0, 80, 300}, target, 20, 100), vector2df(0, 500));
    EXPECT_EQ(route.next({0, 80, 470}, target, 20, 200), vector2df(500, 500));
    // Arrived: the walker's own place, and no new plan.
    EXPECT_EQ(route.next({490, 80, 500}, target, 20, 300), vector2df(490, 500));
    EXPECT_EQ(planner.calls, 1);
}

TEST(RouteFollowerTest, PlansAgainOnlyWhenTheTargetMovesFarEnough)
{
    Planner planner;
    RouteFollower route(planner.make());
    route.next({0, 80, 0}, {500, 80, 500}, 20, 0);
    route.next({0, 80, 50}, {540, 80, 500}, 20, 100);
    EXPECT_EQ(planner.calls, 1);
    route.next({0, 80, 100}, {700, 80, 500}, 20, 200);
    EXPECT_EQ(planner.calls, 2);
    route.forget();
    route.next({0, 80, 150}, {700, 80, 500}, 20, 300);
    EXPECT_EQ(planner.calls, 3);
}

TEST(RouteFollowerTest, AWalkerThatMakesNoHeadwayIsStuckAndGetsANewRoute)
{
    Planner planner;
    RouteFollower route(planner.make());
    const vector3df target(0, 80, 1000);
    irr::u32 now = 0;
    for (; now <= 1400; now += 100)
        route.next({0, 80, 10}, target, 20, now);
    EXPECT_FALSE(route.stuck(now));
    for (; now <= 1700; now += 100)
        route.next({0, 80, 10}, target, 20, now);
    EXPECT_TRUE(route.stuck(now));
    EXPECT_EQ(planner.calls, 2);
    EXPECT_FALSE(route.stuck(now + 1000));
}

TEST(RouteFollowerTest, APauseInTheWalkIsNotBeingStuck)
{
    Planner planner;
    RouteFollower route(planner.make());
    const vector3df target(0, 80, 1000);
    route.next({0, 80, 10}, target, 20, 0);
    // Fighting for five seconds, then walking on from the same place.
    route.next({0, 80, 10}, target, 20, 5000);
    route.next({0, 80, 10}, target, 20, 5100);
    EXPECT_FALSE(route.stuck(5100));
    EXPECT_EQ(planner.calls, 1);
}
