// Rooms seen through the doorways.
#include "world/roomsInSight.h"

#include <queue>

namespace {

// An eye standing in a doorway, or right beside a wall, sees into the rooms on both sides.
const float EyeReach = 40.0f;

bool holdsEye(const Room& room, const irr::core::vector3df& eye)
{
    irr::core::aabbox3df reach = room.box;
    reach.MinEdge -= irr::core::vector3df(EyeReach, 0, EyeReach);
    reach.MaxEdge += irr::core::vector3df(EyeReach, 0, EyeReach);
    return reach.isPointInside(eye);
}

}  // namespace

bool inView(const irr::scene::SViewFrustum& view, const irr::core::aabbox3df& box)
{
    irr::core::vector3df edges[8];
    box.getEdges(edges);
    for (int i = 0; i < irr::scene::SViewFrustum::VF_PLANE_COUNT; ++i) {
        bool inside = false;
        for (const irr::core::vector3df& edge : edges)
            inside = inside || view.planes[i].classifyPointRelation(edge) != irr::core::ISREL3D_FRONT;
        if (!inside)
            return false;
    }
    return true;
}

std::vector<bool> roomsInSight(const RoomPlan& plan, const irr::core::vector3df& eye,
                               const irr::scene::SViewFrustum& view,
                               const std::function<bool(const RoomDoorway&)>& shut)
{
    std::vector<bool> seen(plan.rooms.size(), false);
    std::queue<std::size_t> open;
    for (std::size_t i = 0; i < plan.rooms.size(); ++i)
        if (holdsEye(plan.rooms[i], eye)) {
            seen[i] = true;
            open.push(i);
        }
    if (open.empty())
        return std::vector<bool>(plan.rooms.size(), true);
    while (!open.empty()) {
        const std::size_t room = open.front();
        open.pop();
        for (const RoomDoorway& doorway : plan.doorways) {
            if (doorway.rooms[0] != room && doorway.rooms[1] != room)
                continue;
            const std::size_t beyond = doorway.rooms[0] == room ? doorway.rooms[1] : doorway.rooms[0];
            if (seen[beyond] || shut(doorway) || !inView(view, doorway.opening))
                continue;
            seen[beyond] = true;
            open.push(beyond);
        }
    }
    return seen;
}
