// The generated waypoint file: its format, its graph, and its edges against the scaled level.
#include <cmath>
#include <fstream>
#include <queue>
#include <set>

#include "level/LevelPlan.h"
#include "mediagen/LevelFiles.h"
#include "support/EngineTest.h"

namespace {

const std::string WpnPath = LevelMedia + "OrvendMap/wayPoint.wpn";

class WaypointFileTest : public EngineTest {
protected:
    std::vector<WpnNode> nodes = readWaypointFile(WpnPath);
};

bool seesAWaypoint(const LevelScene& level, const std::vector<WpnNode>& nodes, const irr::core::vector3df& from)
{
    for (const WpnNode& n : nodes)
        if (level.segmentClear(from, n.pos, false))
            return true;
    return false;
}

// Predecessors on the cheapest routes from one node over the file's edges.
std::vector<std::size_t> cheapestRoutes(const std::vector<WpnNode>& nodes, std::size_t from)
{
    std::vector<std::uint64_t> cost(nodes.size(), UINT64_MAX);
    std::vector<std::size_t> previous(nodes.size(), from);
    std::vector<bool> done(nodes.size(), false);
    cost[from] = 0;
    for (std::size_t round = 0; round < nodes.size(); ++round) {
        std::size_t best = nodes.size();
        for (std::size_t n = 0; n < nodes.size(); ++n)
            if (!done[n] && cost[n] != UINT64_MAX && (best == nodes.size() || cost[n] < cost[best]))
                best = n;
        if (best == nodes.size())
            break;
        done[best] = true;
        for (const auto& edge : nodes[best].edges)
            if (cost[best] + edge.second < cost[edge.first]) {
                cost[edge.first] = cost[best] + edge.second;
                previous[edge.first] = best;
            }
    }
    return previous;
}

}  // namespace

TEST_F(WaypointFileTest, HeaderCountsTheRecordsAndEveryEdgeGoesBothWaysAtItsWholeDistance)
{
    std::ifstream in(WpnPath, std::ios::binary | std::ios::ate);
    std::size_t expected = 4;
    for (const WpnNode& n : nodes)
        expected += 17 + 8 * n.edges.size();
    EXPECT_EQ(static_cast<std::size_t>(in.tellg()), expected);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_FLOAT_EQ(nodes[i].pos.Y, 3.0f);
        for (const auto& edge : nodes[i].edges) {
            const WpnNode& to = nodes[edge.first];
            EXPECT_EQ(edge.second, static_cast<std::uint32_t>(nodes[i].pos.getDistanceFrom(to.pos)));
            bool back = false;
            for (const auto& reverse : to.edges)
                back = back || (reverse.first == i && reverse.second == edge.second);
            EXPECT_TRUE(back) << "edge " << i << " -> " << edge.first;
        }
    }
}

TEST_F(WaypointFileTest, EveryNodeReachesEveryOther)
{
    ASSERT_FALSE(nodes.empty());
    std::vector<bool> seen(nodes.size(), false);
    std::queue<std::size_t> open;
    open.push(0);
    seen[0] = true;
    while (!open.empty()) {
        const std::size_t n = open.front();
        open.pop();
        for (const auto& edge : nodes[n].edges)
            if (!seen[edge.first]) {
                seen[edge.first] = true;
                open.push(edge.first);
            }
    }
    for (std::size_t i = 0; i < nodes.size(); ++i)
        EXPECT_TRUE(seen[i]) << "node " << i << " at " << nodes[i].pos.X << "," << nodes[i].pos.Z;
}

TEST_F(WaypointFileTest, EveryEdgeClearsTheScaledLevel)
{
    const LevelScene level(GSmgr);
    for (const WpnNode& n : nodes)
        for (const auto& edge : n.edges)
            EXPECT_TRUE(level.segmentClear(n.pos, nodes[edge.first].pos, false))
                << n.pos.X << "," << n.pos.Z << " -> " << nodes[edge.first].pos.X << "," << nodes[edge.first].pos.Z;
}

TEST_F(WaypointFileTest, CoversEveryAreaAndDoorway)
{
    const LevelPlan plan = orvendPlan();
    for (const Area& a : plan.areas) {
        int inside = 0;
        for (const WpnNode& n : nodes)
            inside += a.contains(n.pos.X, n.pos.Z) ? 1 : 0;
        EXPECT_GE(inside, 3) << a.name;
    }
    for (const Doorway& d : plan.doorways) {
        bool onIt = false;
        for (const WpnNode& n : nodes)
            onIt = onIt || (std::abs(n.pos.X - d.x) < 1 && std::abs(n.pos.Z - d.z) < 1);
        EXPECT_TRUE(onIt) << d.name;
    }
}

// Monsters follow the cheapest route whatever stands in the way, so a route between two places the
// player can already reach must not cut through an area still shut.
TEST_F(WaypointFileTest, RoutesBetweenOpenAreasNeverCrossAClosedOne)
{
    const LevelPlan plan = orvendPlan();
    const std::vector<std::vector<std::string>> openByStage = {
        {"Saguao", "Laboratorio"}, {"Patio leste"}, {"Sala B"}, {"Sala G"}};
    std::set<std::string> open;
    for (const auto& opened : openByStage) {
        open.insert(opened.begin(), opened.end());
        auto areaOf = [&](std::size_t n) {
            const Area* a = plan.areaAt(nodes[n].pos.X, nodes[n].pos.Z);
            return a ? a->name : std::string();  // doorway nodes sit on the line between two areas
        };
        for (std::size_t from = 0; from < nodes.size(); ++from) {
            if (!open.count(areaOf(from)))
                continue;
            const std::vector<std::size_t> previous = cheapestRoutes(nodes, from);
            for (std::size_t to = 0; to < nodes.size(); ++to) {
                if (!open.count(areaOf(to)))
                    continue;
                for (std::size_t n = to; n != from; n = previous[n]) {
                    const std::string area = areaOf(n);
                    EXPECT_TRUE(area.empty() || open.count(area)) << "route " << from << " -> " << to << " via " << area;
                }
            }
        }
    }
}

TEST_F(WaypointFileTest, EveryMonsterSpawnPointSeesAWaypoint)
{
    const LevelScene level(GSmgr);
    const float spawns[][2] = {{-300, 300}, {-115, 500}, {500, 300}, {711, -245}, {900, -400}, {800, 800}};
    for (const auto& s : spawns)
        EXPECT_TRUE(seesAWaypoint(level, nodes, {s[0], 3, s[1]})) << s[0] << "," << s[1];
}
