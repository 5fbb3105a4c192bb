// The waypoint graph: its file read strictly, written back the same, the nearest waypoint in sight and
// edges switched off and on.
#include <algorithm>
#include <cstdio>
#include <stdexcept>

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
        folder = makeTempDir() + "/";
    }

    std::string write(const std::string& name, const std::string& bytes)
    {
        WpnBytes w;
        w.bytes = bytes;
        return w.writeTo(folder + name);
    }

    // A wall 100 x 100 standing across the X axis at x = 20.
    irr::scene::ITriangleSelector* wallAtX20()
    {
        irr::scene::IMeshSceneNode* wall = GSmgr->addCubeSceneNode(1, nullptr, -1, {20, 0, 0}, {0, 0, 0}, {2, 100, 100});
        wall->updateAbsolutePosition();
        irr::scene::ITriangleSelector* selector = GSmgr->createTriangleSelector(wall->getMesh(), wall);
        wall->setTriangleSelector(selector);
        selector->drop();
        return selector;
    }

    std::string folder;
    Graph graph;
};

std::size_t indexIn(const std::vector<Node*>& nodes, const Node* n)
{
    return static_cast<std::size_t>(std::find(nodes.begin(), nodes.end(), n) - nodes.begin());
}

// Two nodes joined both ways, under a header that declares `declared` nodes.
WpnBytes twoNodes(irr::u32 declared)
{
    WpnBytes w;
    w.u32(declared).node(1, 7, {0, 3, 0}).edge(9, 40).node(1, 9, {40, 3, 0}).edge(7, 40);
    return w;
}

TEST_F(GraphTest, BrokenFilesAreRejectedAndLeaveTheGraphEmpty)
{
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"3 declared, 2 held", twoNodes(3).bytes},
        {"1 declared, 2 held", twoNodes(1).bytes},
        {"a count far past what the file holds", WpnBytes().u32(0xFFFFFFFFu).node(0, 1, {}).bytes},
        {"17 bytes: a record cut short", WpnBytes().u32(1).node(0, 1, {}).cut(17).bytes},
        {"an edge cut short", WpnBytes().u32(1).node(1, 1, {}).edge(1, 5).cut(21 + 6).bytes},
        {"a header cut short", std::string("\1\0", 2)},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        const std::string path = write("w.wpn", twoNodes(2).bytes);
        ASSERT_EQ(graph.load(path.c_str()).size(), 2u);
        write("w.wpn", c.bytes);
        try {
            graph.load(path.c_str());
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Arquivo de WayPoints corrompido!!!") << c.what;
        }
        EXPECT_TRUE(graph.getNodes().empty()) << c.what;
    }
}

TEST_F(GraphTest, OneNodeWithoutEdgesIsA21ByteFile)
{
    const std::string path = write("one.wpn", WpnBytes().u32(1).node(0, 5, {1.5f, -2, 1e6f}).bytes);
    ASSERT_EQ(readFile(path).size(), 21u);
    const std::vector<Node*> nodes = graph.load(path.c_str());
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes, graph.getNodes());
    EXPECT_EQ(nodes[0]->pos, vector3df(1.5f, -2, 1e6f));
    EXPECT_TRUE(nodes[0]->edge.empty());
    EXPECT_EQ(nodes[0]->name, nodes[0]);
}

TEST_F(GraphTest, MissingFileGivesAnEmptyGraphSilently)
{
    graph.load(write("w.wpn", twoNodes(2).bytes).c_str());
    EXPECT_TRUE(graph.load((folder + "none.wpn").c_str()).empty());
    EXPECT_TRUE(graph.getNodes().empty());
}

TEST_F(GraphTest, EdgesFindTheirTargetsByIdentityAndAnEdgeToNoNodeIsDropped)
{
    WpnBytes w;
    w.u32(3).node(3, 0xDEADBEEF, {0, 0, 0}).edge(42, 10).edge(0xDEADBEEF, 0).edge(1, 7);
    w.node(0, 1, {1, 0, 0}).node(1, 42, {2, 0, 0}).edge(1, 4294967295u);
    const std::vector<Node*> n = graph.load(write("w.wpn", w.bytes).c_str());
    ASSERT_EQ(n.size(), 3u);
    ASSERT_EQ(n[0]->edge.size(), 3u);
    EXPECT_EQ(n[0]->edge[0].proximo, n[2]);
    EXPECT_EQ(n[0]->edge[0].distancia, 10u);
    EXPECT_EQ(n[0]->edge[1].proximo, n[0]);
    EXPECT_EQ(n[0]->edge[2].proximo, n[1]);
    ASSERT_EQ(n[2]->edge.size(), 1u);
    EXPECT_EQ(n[2]->edge[0].distancia, 4294967295u);

    w = WpnBytes();
    w.u32(2).node(2, 1, {}).edge(3, 5).edge(2, 6).node(0, 2, {});
    const std::vector<Node*> dropped = graph.load(write("w.wpn", w.bytes).c_str());
    ASSERT_EQ(dropped[0]->edge.size(), 1u);
    EXPECT_EQ(dropped[0]->edge[0].proximo, dropped[1]);
    EXPECT_EQ(dropped[0]->edge[0].distancia, 6u);
}

TEST_F(GraphTest, SavedGraphLoadsBackTheSameWithoutItsSwitchedOffEdges)
{
    WpnBytes w;
    w.u32(3).node(2, 10, {-300, 3, 300.25f}).edge(30, 12).edge(20, 99);
    w.node(1, 20, {0, 3, 0}).edge(10, 99).node(1, 30, {7, 8, 9}).edge(20, 4294967295u);
    std::vector<Node*> first = graph.load(write("w.wpn", w.bytes).c_str());
    graph.setEdgeState(first[1], first[0], true, false);
    const std::string saved = folder + "saved.wpn";
    ASSERT_TRUE(graph.saveBinary(saved.c_str()));

    Graph again;
    const std::vector<Node*> back = again.load(saved.c_str());
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i]->pos, first[i]->pos);
        ASSERT_EQ(back[i]->edge.size(), first[i]->edge.size()) << i;
        for (std::size_t e = 0; e < back[i]->edge.size(); ++e) {
            EXPECT_EQ(back[i]->edge[e].distancia, first[i]->edge[e].distancia);
            EXPECT_EQ(indexIn(back, back[i]->edge[e].proximo), indexIn(first, first[i]->edge[e].proximo));
        }
    }
    EXPECT_TRUE(back[1]->edge.empty());
    EXPECT_EQ(readFile(saved).size(), 4u + 3 * 17 + 3 * 8);
}

TEST_F(GraphTest, TextDumpListsNodesThenTheirActiveEdges)
{
    WpnBytes w;
    w.u32(2).node(1, 1, {1, 2, 3}).edge(2, 40).node(0, 2, {4, 5, 6});
    const std::vector<Node*> n = graph.load(write("w.wpn", w.bytes).c_str());
    ASSERT_TRUE(graph.saveTxt((folder + "dump.txt").c_str()));
    char expected[256];
    std::snprintf(expected, sizeof expected, "2\n1,%p,<1.000000,2.000000,3.000000>\n%p,40\n0,%p,<4.000000,5.000000,6.000000>\n",
                  static_cast<void*>(n[0]), static_cast<void*>(n[1]), static_cast<void*>(n[1]));
    EXPECT_EQ(readFile(folder + "dump.txt"), expected);
    EXPECT_FALSE(graph.saveTxt((folder + "no/such/folder").c_str()));
    EXPECT_FALSE(graph.saveBinary((folder + "no/such/folder").c_str()));
}

TEST_F(GraphTest, NearestNodeIsTheNearestInSight)
{
    irr::scene::ITriangleSelector* wall = wallAtX20();
    WpnBytes w;
    w.u32(5).node(0, 1, {25, 0, 0}).node(0, 2, {-30, 0, 0}).node(0, 3, {0, 0, 30}).node(0, 4, {0, 0, -30});
    w.node(0, 5, {500, 0, 0});
    const std::vector<Node*> n = graph.load(write("w.wpn", w.bytes).c_str());
    // (25, 0, 0) is nearest but behind the wall; of the three nodes at 30 in sight the first listed wins.
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, wall), n[1]);
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, nullptr), n[0]);
    EXPECT_EQ(graph.getNearestNode({100, 0, 0}, wall), n[0]);

    graph.load(write("w.wpn", WpnBytes().u32(1).node(0, 1, {25, 0, 0}).bytes).c_str());
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, wall), nullptr);
    graph.load((folder + "none.wpn").c_str());
    EXPECT_EQ(graph.getNearestNode({0, 0, 0}, nullptr), nullptr);
}

TEST_F(GraphTest, SwitchedOffEdgeIsNotFollowedUntilSwitchedBackOn)
{
    WpnBytes w;
    w.u32(2).node(1, 1, {}).edge(2, 5).node(1, 2, {}).edge(1, 5);
    const std::vector<Node*> n = graph.load(write("w.wpn", w.bytes).c_str());
    graph.setEdgeState(n[0], n[1], true, true);
    EXPECT_TRUE(n[0]->edge.empty());
    EXPECT_TRUE(n[1]->edge.empty());
    EXPECT_EQ(n[0]->edgeDesativo.size(), 1u);
    EXPECT_THROW(dijkstra(n, n[0], n[1]), std::runtime_error);

    graph.setEdgeState(n[0], n[1], false, false);
    EXPECT_EQ(dijkstra(n, n[0], n[1]), (std::vector<Node*>{n[1], n[0]}));
    EXPECT_TRUE(n[1]->edge.empty());
}

}  // namespace
