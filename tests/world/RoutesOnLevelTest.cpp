// Routes on the generated level: between open areas the planned route never passes through a wall.
#include <fstream>

#include "support/EngineTest.h"
#include "world/Graph.h"
#include "world/Map.h"
#include "world/SplineAnimator.h"
#include "world/lineOfSight.h"
#include "world/pathfinding.h"

using irr::core::vector2df;
using irr::core::vector3df;

namespace {

const std::string Level = std::string(SATLINK_BUILD_DIR) + "/media/OrvendMap/";
const irr::f32 MonsterHeight = 3;

class RoutesOnLevelTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!std::ifstream(Level + "wayPoint.wpn"))
            GTEST_SKIP() << "level not generated";
        GcurrentMap = &map;
        GGraph = &graph;
        map.load3DSMap(Level.c_str());
        map.getNode()->updateAbsolutePosition();
        ASSERT_TRUE(map.loadGraph(Level.c_str()));
    }

    static vector3df onFloor(const vector2df& p) { return vector3df(p.X, MonsterHeight, p.Y); }

    Map map;
    Graph graph;
};

// The player's start, the monsters' spawn points and room B, by area: lobby, lab, room B, east hall,
// room G, room E.
const std::vector<std::vector<vector3df>> Areas = {
    {{200, 3, -650}, {-900, 3, -1000}}, {{-300, 3, 300}, {-115, 3, 500}}, {{-800, 3, 300}},
    {{500, 3, 300}}, {{711, 3, -245}, {900, 3, -400}}, {{800, 3, 800}}};

std::vector<std::pair<vector3df, vector3df>> pairsAcrossAreas()
{
    std::vector<std::pair<vector3df, vector3df>> pairs;
    for (std::size_t a = 0; a < Areas.size(); ++a)
        for (std::size_t b = 0; b < Areas.size(); ++b)
            for (const vector3df& from : Areas[a])
                for (const vector3df& to : Areas[b])
                    if (a != b)
                        pairs.push_back({from, to});
    return pairs;
}

TEST_F(RoutesOnLevelTest, RoutesBetweenAreasAndTheWalkAlongThemKeepClearOfTheWalls)
{
    irr::scene::ISceneNode* body = GSmgr->addEmptySceneNode();
    for (const auto& [from, to] : pairsAcrossAreas()) {
        const std::string trip = std::to_string(from.X) + "," + std::to_string(from.Z) + " to " +
                                 std::to_string(to.X) + "," + std::to_string(to.Z);
        const std::vector<vector2df> route = calcRoute(from, to, GGraph, map.getSelector());
        ASSERT_GT(route.size(), 3u) << trip;
        EXPECT_EQ(onFloor(route.front()), from) << trip;
        EXPECT_EQ(onFloor(route.back()), to) << trip;
        for (std::size_t i = 1; i < route.size(); ++i)
            EXPECT_TRUE(lineOfSight(onFloor(route[i - 1]), onFloor(route[i]), map.getSelector()))
                << trip << ": segment " << i;
        // The body walks the spline, which cuts the route's corners: step it a twentieth of a segment at a time.
        body->setPosition(from);
        SplineAnimator spline(0, route, 1);
        for (irr::u32 t = 0; t < 1000 * route.size(); t += 50) {
            const vector3df before = body->getPosition();
            spline.animateNode(body, t);
            ASSERT_TRUE(lineOfSight(before, body->getPosition(), map.getSelector())) << trip << " at " << t << " ms";
        }
    }
}

}  // namespace
