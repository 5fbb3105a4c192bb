// The waypoint graph: its file read strictly and written back the same, the nearest waypoint in sight,
// and edges switched off and on.
#include <algorithm>
#include <stdexcept>

#include "support/BoxSelector.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "support/WpnBytes.h"
#include "world/Graph.h"
#include "world/pathfinding.h"

using irr::core::vector3df;

namespace {

class GraphTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        file = makeTempDir() + "/w.wpn";
    }

    std::vector<Node*> load(const WpnBytes& w) { return graph.load(w.writeTo(file).c_str()); }

    std::string file;
    Graph graph;
};

// Two nodes joined both ways, under a header that declares `declared` nodes.
WpnBytes twoNodes(irr::u32 declared)
{
    WpnBytes w;
    w.u32(declared).node(1, 7, {0, 3, 0}).edge(9, 40).node(1, 9, {40, 3, 0}).edge(7, 40);
    return w;
}

// Positions and edges (target's place in the list, cost), one node a line.
std::string describe(const std::vector<Node*>& nodes)
{
    std::string text;
    for (const Node* n : nodes) {
        text += std::to_string(n->pos.X) + " " + std::to_string(n->pos.Y) + " " + std::to_string(n->pos.Z) + ":";
        for (const Edge& e : n->edge)
            text += " " + std::to_string(std::find(nodes.begin(), nodes.end(), e.proximo) - nodes.begin()) + "/" +
                    std::to_string(e.distancia);
        text += "\n";
    }
    return text;
}

TEST_F(GraphTest, BrokenFilesAreRejectedAndLeaveTheGraphEmpty)
{
    const struct {
        const char* what;
        WpnBytes bytes;
    } cases[] = {
        {"3 declared, 2 held", twoNodes(3)},
        {"1 declared, 2 held", twoNodes(1)},
        {"a count far past what the file holds", WpnBytes().u32(0xFFFFFFFFu).node(0, 1, {})},
        {"17 bytes: a record cut short", WpnBytes().u32(1).node(0, 1, {}).cut(17)},
        {"an edge cut short", WpnBytes().u32(1).node(1, 1, {}).edge(1, 5).cut(21 + 6)},
        {"a header cut short", WpnBytes().u8(1).u8(0)},
        {"empty", WpnBytes()},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(load(twoNodes(2)).size(), 2u);
        try {
            load(c.bytes);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Arquivo de WayPoints corrompido!!!") << c.what;
        }
        EXPECT_TRUE(graph.getNodes().empty()) << c.what;
    }
}

TEST_F(GraphTest, OneNodeWithoutEdgesIsA21ByteFileAndAMissingFileAnEmptyGraph)
{
    const std::vector<Node*> nodes = load(WpnBytes().u32(1).node(0, 5, {1.5f, -2, 1e6f}));
    EXPECT_EQ(readFile(file).size(), 21u);
    EXPECT_EQ(describe(nodes), "1.500000 -2.000000 1000000.000000:\n");
    EXPECT_EQ(nodes, graph.getNodes());
    EXPECT_EQ(nodes[0]->name, nodes[0]);
    EXPECT_TRUE(graph.load((file + ".none").c_str()).empty());
    EXPECT_TRUE(graph.getNodes().empty());
}

TEST_F(GraphTest, EdgesFindTheirTargetsByIdentityAndAnEdgeToNoNodeIsDropped)
{
    WpnBytes w;
    w.u32(3).node(4, 0xDEADBEEF, {}).edge(42, 10).edge(3, 6).edge(0xDEADBEEF, 0).edge(1, 4294967295u);
    w.node(0, 1, {}).node(0, 42, {});
    EXPECT_EQ(describe(load(w)),
              "0.000000 0.000000 0.000000: 2/10 0/0 1/4294967295\n"
              "0.000000 0.000000 0.000000:\n"
              "0.000000 0.000000 0.000000:\n");
}

TEST_F(GraphTest, SavedGraphLoadsBackTheSameWithoutItsSwitchedOffEdges)
{
    WpnBytes w;
    w.u32(3).node(2, 10, {-300, 3, 300.25f}).edge(30, 12).edge(20, 99);
    w.node(1, 20, {0, 3, 0}).edge(10, 99).node(1, 30, {7, 8, 9}).edge(20, 4294967295u);
    const std::vector<Node*> first = load(w);
    graph.setEdgeState(first[1], first[0], true, false);
    const std::string saved = file + ".saved";
    ASSERT_TRUE(graph.saveBinary(saved.c_str()));
    EXPECT_EQ(readFile(saved).size(), 4u + 3 * 17 + 3 * 8);
    Graph again;
    EXPECT_EQ(describe(again.load(saved.c_str())), describe(first));
    EXPECT_FALSE(graph.saveBinary((file + "/no-folder").c_str()));
}

TEST_F(GraphTest, NearestNodeIsTheNearestInSight)
{
    irr::scene::ITriangleSelector* wall = boxSelector({20, 0, 0}, {2, 100, 100});
    WpnBytes w;
    w.u32(5).node(0, 1, {25, 0, 0}).node(0, 2, {-30, 0, 0}).node(0, 3, {0, 0, 30}).node(0, 4, {0, 0, -30});
    w.node(0, 5, {500, 0, 0});
    const std::vector<Node*> n = load(w);
    // (25, 0, 0) is nearest but behind the wall; of the three nodes at 30 in sight the first listed wins.
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, wall), n[1]);
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, nullptr), n[0]);
    EXPECT_EQ(graph.getNearestNode({100, 0, 0}, wall), n[0]);
    load(WpnBytes().u32(1).node(0, 1, {25, 0, 0}));
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, wall), nullptr);
}

TEST_F(GraphTest, SwitchedOffEdgeIsNotFollowedUntilSwitchedBackOn)
{
    const std::vector<Node*> n = load(twoNodes(2));
    graph.setEdgeState(n[0], n[1], true, true);
    EXPECT_EQ(describe(n), "0.000000 3.000000 0.000000:\n40.000000 3.000000 0.000000:\n");
    EXPECT_THROW(dijkstra(n, n[0], n[1]), std::runtime_error);
    graph.setEdgeState(n[0], n[1], false, false);
    EXPECT_EQ(dijkstra(n, n[0], n[1]), (std::vector<Node*>{n[1], n[0]}));
    EXPECT_TRUE(n[1]->edge.empty());
}

}  // namespace
