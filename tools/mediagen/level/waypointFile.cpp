// The bytes of the monsters' waypoint file.
#include "level/waypointFile.h"

#include <cmath>
#include <stdexcept>

#include "ByteWriter.h"

namespace {

struct Edge {
    std::size_t to;
    std::uint32_t cost;
};

std::size_t indexOf(const LevelPlan& plan, const std::string& name)
{
    return static_cast<std::size_t>(&plan.waypoint(name) - plan.waypoints.data());
}

std::uint32_t cost(const Waypoint& a, const Waypoint& b)
{
    return static_cast<std::uint32_t>(std::hypot(a.x - b.x, a.z - b.z));
}

std::vector<std::vector<Edge>> edgesOf(const LevelPlan& plan)
{
    std::vector<std::vector<Edge>> edges(plan.waypoints.size());
    for (const WaypointLink& link : plan.links) {
        const std::size_t a = indexOf(plan, link.a), b = indexOf(plan, link.b);
        const std::uint32_t c = cost(plan.waypoints[a], plan.waypoints[b]);
        edges[a].push_back({b, c});
        edges[b].push_back({a, c});
    }
    return edges;
}

// Identity values only need to differ within the file; 1-based indices are readable in a dump.
std::uint32_t identity(std::size_t index) { return static_cast<std::uint32_t>(index + 1); }

}  // namespace

std::vector<std::uint8_t> waypointFileBytes(const LevelPlan& plan)
{
    const std::vector<std::vector<Edge>> edges = edgesOf(plan);
    ByteWriter out;
    out.u32(static_cast<std::uint32_t>(plan.waypoints.size()));
    for (std::size_t i = 0; i < plan.waypoints.size(); ++i) {
        const Waypoint& w = plan.waypoints[i];
        if (edges[i].size() > 255)  // the count is one byte in the file
            throw std::runtime_error("waypoint " + w.name + " has more than 255 edges");
        out.u8(static_cast<std::uint8_t>(edges[i].size()));
        out.u32(identity(i));
        out.f32(w.x);
        out.f32(plan.monsterHeight);
        out.f32(w.z);
        for (const Edge& e : edges[i]) {
            out.u32(identity(e.to));
            out.u32(e.cost);
        }
    }
    return out.bytes();
}
