// The generated waypoint file: its format, its graph, and its edges against the scaled level.
#include <cmath>
#include <fstream>
#include <queue>
#include <set>

#include "level/LevelPlan.h"
#include "level/waypointFile.h"
#include "mediagen/LevelFiles.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "support/WpnBytes.h"
#include "world/Graph.h"
#include "world/pathfinding.h"

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

}  // namespace

// The editor saves waypoints at the designer's eye: anywhere between the floor and the ceiling.
TEST_F(WaypointFileTest, HeaderCountsTheRecordsAndEveryEdgeGoesBothWaysAtItsWholeDistance)
{
    std::ifstream in(WpnPath, std::ios::binary | std::ios::ate);
    std::size_t expected = 4;
    for (const WpnNode& n : nodes)
        expected += 17 + 8 * n.edges.size();
    EXPECT_EQ(static_cast<std::size_t>(in.tellg()), expected);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_GE(nodes[i].pos.Y, 0.0f);
        EXPECT_LE(nodes[i].pos.Y, orvendPlan().wallHeight);
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
// player can already reach must not cut through an area still shut. The routes are the game's own
// searches, run as it runs them: from the waypoint near the target back to the one near the monster.
TEST_F(WaypointFileTest, RoutesBetweenOpenAreasNeverCrossAClosedOne)
{
    const LevelPlan plan = orvendPlan();
    Graph graph;
    const std::vector<Node*> all = graph.load(WpnPath.c_str());
    auto areaOf = [&](const Node* n) {
        const Area* a = plan.areaAt(n->pos.X, n->pos.Z);
        return a ? a->name : std::string();  // doorway nodes sit on the line between two areas
    };
    const std::vector<std::vector<std::string>> openByStage = {
        {"Saguao", "Laboratorio"}, {"Patio leste"}, {"Sala B"}, {"Sala G"}};
    std::set<std::string> open;
    for (const auto& opened : openByStage) {
        open.insert(opened.begin(), opened.end());
        for (Node* monster : all)
            for (Node* target : all) {
                if (!open.count(areaOf(monster)) || !open.count(areaOf(target)))
                    continue;
                for (const Node* n : dijkstra(all, target, monster)) {
                    const std::string area = areaOf(n);
                    EXPECT_TRUE(area.empty() || open.count(area))
                        << "route " << monster->pos.X << "," << monster->pos.Z << " -> " << target->pos.X << ","
                        << target->pos.Z << " via " << area;
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

TEST_F(WaypointFileTest, TheMediaCopyIsTheFileKeptInTheSourceTree)
{
    const std::string source = std::string(SATLINK_SOURCE_DIR) + "/tools/mediagen/level/wayPoint.wpn";
    const WaypointFile kept = checkWaypointFile(source);
    EXPECT_EQ(kept.points.size(), nodes.size());
    EXPECT_TRUE(readFile(source) == readFile(WpnPath));
}

TEST_F(WaypointFileTest, TheGeneratorRefusesABrokenWaypointFile)
{
    const std::string path = makeTempDir() + "/wayPoint.wpn";
    const struct {
        const char* fault;
        WpnBytes bytes;
    } cases[] = {
        {"holds", WpnBytes().u32(2).node(0, 1, {0, 3, 0})},
        {"cut short", WpnBytes().u32(1).node(1, 1, {0, 3, 0}).u32(1)},
        {"no waypoint", WpnBytes().u32(1).node(1, 1, {0, 3, 0}).edge(9, 10)},
        {"share an identity", WpnBytes().u32(2).node(0, 1, {0, 3, 0}).node(0, 1, {5, 3, 0})},
        {"cannot be read", WpnBytes()},
    };
    for (const auto& c : cases) {
        std::remove(path.c_str());
        if (!c.bytes.bytes.empty())
            c.bytes.writeTo(path);
        try {
            checkWaypointFile(path);
            ADD_FAILURE() << "accepted a file that " << c.fault;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.fault), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}
