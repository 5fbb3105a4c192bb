// The level's waypoint file, kept in the source tree and edited in the game: read and checked.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct WaypointFile {
    struct Point {
        float x, y, z;
        std::vector<std::pair<std::size_t, std::uint32_t>> edges;  // target index, cost
    };
    std::vector<Point> points;
    std::vector<std::uint8_t> bytes;  // the file as read
};

// Throws a std::runtime_error naming the file and the fault when it cannot be read, its record count
// differs from its header, a record is cut short or an edge names no waypoint of the file.
WaypointFile checkWaypointFile(const std::string& path);
