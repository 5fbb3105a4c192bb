// The level's rooms and the doorways between them, as the generator writes them beside the level mesh
// (rooms.txt), in world units.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <irrlicht.h>

struct Room {
    std::string name;
    // Between the walls' centre lines, from far below the floor up to the ceiling.
    irr::core::aabbox3df box;
    // No roof: the sky is seen from it.
    bool open;
};

struct RoomDoorway {
    // The scenery object that shuts it, when there is one.
    std::string name;
    // The gap through the wall with the frames on both of its faces.
    irr::core::aabbox3df opening;
    std::size_t rooms[2];
};

struct RoomPlan {
    std::vector<Room> rooms;
    std::vector<RoomDoorway> doorways;
};

// The plan of the rooms file at `path`. A missing or faulty file gives an empty plan and says why in
// `problem` (left empty otherwise).
RoomPlan readRoomPlan(const std::string& path, std::string& problem);
