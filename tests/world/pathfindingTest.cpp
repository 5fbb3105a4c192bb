// Route finding: the search's tie-breaks and failures, and the routes the planner lays around a wall.
#include <stdexcept>

#include "support/BoxSelector.h"
#include "support/EngineTest.h"
#include "support/WpnBytes.h"
#include "world/Graph.h"
#include "world/pathfinding.h"

using irr::core::vector2df;
using irr::core::vector3df;

namespace {

class DijkstraTest : public ::testing::Test {
protected:
    Node a, b, c;
    std::vector<Node*> all{&a, &b, &c};
};

TEST_F(DijkstraTest, SameStartAndEndIsOneNodeAndTouchesNoScratch)
{
    a.distanciaAte = 77;
    a.visitado = true;
    a.addEdge({&b, 5});
    EXPECT_EQ(dijkstra(all, &a, &a), std::vector<Node*>{&a});
    EXPECT_EQ(a.distanciaAte, 77u);
    EXPECT_TRUE(a.visitado);
    EXPECT_EQ(a.anterior, nullptr);
}

TEST_F(DijkstraTest, EqualCostsGoToTheEdgeMetFirst)
{
    const struct {
        irr::u32 direct;
        std::vector<Node*> path;
    } cases[] = {
        {9, {&c, &a}},
        {10, {&c, &a}},
        {11, {&c, &b, &a}},
    };
    for (const auto& k : cases) {
        for (Node* n : all)
            n->edge.clear();
        a.setDistanciaAte(&b, 5);
        b.setDistanciaAte(&c, 5);
        a.setDistanciaAte(&c, k.direct);
        EXPECT_EQ(dijkstra(all, &a, &c), k.path) << "A->C costs " << k.direct;
        EXPECT_EQ(c.distanciaAte, std::min(k.direct, 10u));
        EXPECT_EQ(a.edge.size(), 2u) << "the search removes edges from its copies only";
    }
}

// The scan goes copy by copy: a tie between two copies goes to the one settled earlier.
TEST_F(DijkstraTest, TieBetweenCopiesGoesToTheEarlierCopy)
{
    Node d;
    all.push_back(&d);
    a.setDistanciaAte(&b, 1);
    a.setDistanciaAte(&c, 2);
    c.setDistanciaAte(&d, 3);
    b.setDistanciaAte(&d, 4);
    EXPECT_EQ(dijkstra(all, &a, &d), (std::vector<Node*>{&d, &b, &a}));
}

// Costs add in 32 bits: a path whose sum wraps past the largest value looks cheap.
TEST_F(DijkstraTest, CostsAddAsUnsigned32Bits)
{
    a.setDistanciaAte(&b, 10);
    b.setDistanciaAte(&c, 4294967290u);
    a.setDistanciaAte(&c, 100);
    EXPECT_EQ(dijkstra(all, &a, &c), (std::vector<Node*>{&c, &b, &a}));
    EXPECT_EQ(c.distanciaAte, 4u);
}

TEST_F(DijkstraTest, UnreachableEndsFail)
{
    const struct {
        const char* what;
        void (*link)(Node&, Node&, Node&);
    } cases[] = {
        {"only the reverse edge", [](Node& a, Node& b, Node&) { b.setDistanciaAte(&a, 5); }},
        {"no edges", [](Node&, Node&, Node&) {}},
        {"a loop that never gets there", [](Node& a, Node&, Node& c) {
             a.setDistanciaAte(&c, 1);
             c.setDistanciaAte(&a, 1);
         }},
        {"an edge of the largest cost", [](Node& a, Node& b, Node&) { a.setDistanciaAte(&b, 4294967295u); }},
    };
    for (const auto& k : cases) {
        for (Node* n : all)
            n->edge.clear();
        k.link(a, b, c);
        try {
            dijkstra(all, &a, &b);
            ADD_FAILURE() << k.what;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Lugar impossivel de se chegar") << k.what;
        }
    }
}

class CalcRouteTest : public EngineTest {
protected:
    // Four waypoints around the north end of a wall at x = 50, linked both ways in a chain.
    void loadChain()
    {
        WpnBytes w;
        w.u32(4).node(1, 1, {0, 0, 30}).edge(2, 50);
        w.node(2, 2, {0, 0, 80}).edge(1, 50).edge(3, 100);
        w.node(2, 3, {100, 0, 80}).edge(2, 100).edge(4, 50);
        w.node(1, 4, {100, 0, 30}).edge(3, 50);
        graph.load(w.writeTo(makeTempDir() + "/w.wpn").c_str());
    }

    Graph graph;
};

void expectPoints(const std::vector<vector2df>& got, const std::vector<vector2df>& expected)
{
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].X, expected[i].X, 1e-3) << "point " << i;
        EXPECT_NEAR(got[i].Y, expected[i].Y, 1e-3) << "point " << i;
    }
}

TEST_F(CalcRouteTest, EmptyGraphGivesSixStraightPointsEndingShortOfTheTarget)
{
    expectPoints(calcRoute({0, 0, 0}, {100, 0, 0}, &graph, nullptr),
                 {{0, 0}, {16, 0}, {32, 0}, {48, 0}, {64, 0}, {80, 0}});
    expectPoints(calcRoute({10, 5, 10}, {10, 9, 10}, &graph, nullptr),
                 {{10, 10}, {10, 10}, {10, 10}, {10, 10}, {10, 10}, {10, 10}});
    // Nearer than 20 units, the end point passes behind the start.
    expectPoints(calcRoute({0, 0, 0}, {0, 0, -10}, &graph, nullptr),
                 {{0, 0}, {0, 2.0f}, {0, 4.0f}, {0, 6.0f}, {0, 8.0f}, {0, 10.0f}});
}

TEST_F(CalcRouteTest, RouteGoesAroundTheWallThroughTheWaypoints)
{
    loadChain();
    irr::scene::ITriangleSelector* wall = boxSelector({50, 0, 0}, {2, 100, 100});
    // The start sees the second waypoint, so the first is cut.
    expectPoints(calcRoute({0, 0, 0}, {100, 0, 0}, &graph, wall), {{0, 0}, {0, 80}, {100, 80}, {100, 30}, {100, 0}});
    irr::scene::ITriangleSelector* block = boxSelector({0, 0, 55}, {10, 100, 10});
    expectPoints(calcRoute({0, 0, 0}, {100, 0, 0}, &graph, block),
                 {{0, 0}, {0, 30}, {0, 80}, {100, 80}, {100, 30}, {100, 0}});
}

TEST_F(CalcRouteTest, ShortGraphRouteOrNoWaypointInSightGoesStraightAndACutGraphFails)
{
    loadChain();
    irr::scene::ITriangleSelector* wall = boxSelector({50, 0, 0}, {2, 100, 100});
    expectPoints(calcRoute({0, 0, 40}, {0, 0, 140}, &graph, wall),
                 {{0, 40}, {0, 56}, {0, 72}, {0, 88}, {0, 104}, {0, 120}});
    irr::scene::ITriangleSelector* cell = boxSelector({0, 0, 0}, {20, 20, 20});
    expectPoints(calcRoute({0, 0, 0}, {100, 0, 0}, &graph, cell), {{0, 0}, {16, 0}, {32, 0}, {48, 0}, {64, 0}, {80, 0}});
    graph.setEdgeState(graph.getNodes()[1], graph.getNodes()[2], true, true);
    EXPECT_THROW(calcRoute({0, 0, 0}, {100, 0, 0}, &graph, boxSelector({50, 0, 0}, {2, 100, 100})), std::runtime_error);
}

}  // namespace
