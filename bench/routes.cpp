// Cost of planning a monster's route on the generated level (calcRoute on the shipped waypoint graph,
// rays included), and of one search on a generated graph of 500 waypoints.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/NullDevice.h"
#include "world/Graph.h"
#include "world/Map.h"
#include "world/pathfinding.h"

using irr::core::vector3df;
using Clock = std::chrono::steady_clock;

namespace {

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// Routes between the player's start and the monsters' spawn points, every pair both ways.
void benchCalcRoute(const std::string& levelFolder)
{
    openNullDevice();
    Map level;
    Graph graph;
    GcurrentMap = &level;
    GGraph = &graph;
    level.load3DSMap(levelFolder.c_str());
    level.getNode()->updateAbsolutePosition();
    level.loadGraph(levelFolder.c_str());
    const vector3df places[] = {{200, 3, -650}, {-300, 3, 300}, {-115, 3, 500}, {500, 3, 300},
                                {711, 3, -245}, {900, 3, -400}, {800, 3, 800}};
    const int rounds = 50;
    int routes = 0;
    std::size_t points = 0;
    const Clock::time_point start = Clock::now();
    for (int r = 0; r < rounds; ++r)
        for (const vector3df& from : places)
            for (const vector3df& to : places)
                if (!(from == to)) {
                    points += calcRoute(from, to, GGraph, level.getSelector()).size();
                    ++routes;
                }
    const double each = microseconds(Clock::now() - start) / routes;
    const std::vector<Node*>& nodes = graph.getNodes();
    int searches = 0;
    const Clock::time_point searchStart = Clock::now();
    for (int r = 0; r < rounds; ++r)
        for (Node* a : nodes)
            for (Node* b : {nodes.front(), nodes.back()}) {
                dijkstra(nodes, a, b);
                ++searches;
            }
    const double search = microseconds(Clock::now() - searchStart) / searches;
    std::printf(
        "calcRoute on the shipped graph (%zu waypoints, %u level triangles): %.1f us per route (mean of "
        "%d, %.1f points a route; its search alone %.1f us); target under 1000 us\n",
        nodes.size(), level.getSelector()->getTriangleCount(), each, routes,
        static_cast<double>(points) / routes, search);
    closeNullDevice();
}

// A 25 x 20 grid of waypoints 100 apart, each linked both ways to its four neighbours at its distance
// plus a little, searched between opposite corners.
void benchDijkstra()
{
    const int columns = 25, rows = 20;
    std::vector<Node> grid(columns * rows);
    std::mt19937 random(12);
    std::uniform_int_distribution<irr::u32> jitter(0, 20);
    auto at = [&](int c, int r) { return &grid[static_cast<std::size_t>(r * columns + c)]; };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            at(c, r)->pos = vector3df(100.0f * c, 3, 100.0f * r);
            if (c + 1 < columns) {
                at(c, r)->setDistanciaAte(at(c + 1, r), 100 + jitter(random));
                at(c + 1, r)->setDistanciaAte(at(c, r), 100 + jitter(random));
            }
            if (r + 1 < rows) {
                at(c, r)->setDistanciaAte(at(c, r + 1), 100 + jitter(random));
                at(c, r + 1)->setDistanciaAte(at(c, r), 100 + jitter(random));
            }
        }
    std::vector<Node*> nodes;
    for (Node& n : grid)
        nodes.push_back(&n);
    const int searches = 20;
    std::size_t length = 0;
    const Clock::time_point start = Clock::now();
    for (int s = 0; s < searches; ++s)
        length +=
            dijkstra(nodes, at(s % 2 ? columns - 1 : 0, 0), at(s % 2 ? 0 : columns - 1, rows - 1)).size();
    std::printf(
        "dijkstra on a generated graph of %zu waypoints (%d edges): %.1f us per search corner to corner "
        "(mean of %d, %zu nodes a path)\n",
        nodes.size(), 2 * ((columns - 1) * rows + columns * (rows - 1)),
        microseconds(Clock::now() - start) / searches, searches, length / searches);
}

}  // namespace

int main()
{
    const std::filesystem::path level = std::filesystem::path(SATLINK_BUILD_DIR) / "media" / "OrvendMap";
    if (std::filesystem::exists(level / "wayPoint.wpn"))
        benchCalcRoute(level.string() + "/");
    else
        std::printf("calcRoute: level not generated (%s)\n", level.c_str());
    benchDijkstra();
    return 0;
}
