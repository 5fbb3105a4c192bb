// Reading the rooms file: "room;name;x0;z0;x1;z1;ceiling;roof|sky" and
// "doorway;name;x;z;width;height;x|z;room;room" lines, '#' lines and blank lines skipped.
#include "world/RoomPlan.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

using irr::core::aabbox3df;
using irr::core::vector3df;

// How far below the floor a room reaches: what sinks through the floor stays in its room.
const float RoomDepth = 100000.0f;
// A doorway's opening reaches this far either side of its wall's line: the wall's half and its frame.
const float DoorwayDepth = 20.0f;

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> parts;
    std::stringstream stream(line);
    for (std::string part; std::getline(stream, part, ';');)
        parts.push_back(part);
    return parts;
}

float number(const std::string& text)
{
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        throw std::runtime_error("not a number: \"" + text + "\"");
    return value;
}

std::size_t roomNamed(const RoomPlan& plan, const std::string& name)
{
    for (std::size_t i = 0; i < plan.rooms.size(); ++i)
        if (plan.rooms[i].name == name)
            return i;
    throw std::runtime_error("no room \"" + name + "\"");
}

void addRoom(RoomPlan& plan, const std::vector<std::string>& f)
{
    if (f.size() != 8)
        throw std::runtime_error("a room takes 8 fields");
    if (f[7] != "roof" && f[7] != "sky")
        throw std::runtime_error("above a room is a roof or the sky, not \"" + f[7] + "\"");
    const aabbox3df box(vector3df(number(f[2]), -RoomDepth, number(f[3])),
                        vector3df(number(f[4]), number(f[6]), number(f[5])));
    if (!(box.MinEdge.X < box.MaxEdge.X && box.MinEdge.Z < box.MaxEdge.Z && box.MaxEdge.Y > 0))
        throw std::runtime_error("room \"" + f[1] + "\" has no floor");
    plan.rooms.push_back({f[1], box, f[7] == "sky"});
}

void addDoorway(RoomPlan& plan, const std::vector<std::string>& f)
{
    if (f.size() != 9)
        throw std::runtime_error("a doorway takes 9 fields");
    if (f[6] != "x" && f[6] != "z")
        throw std::runtime_error("a doorway's wall runs along x or z, not \"" + f[6] + "\"");
    const vector3df centre(number(f[2]), 0, number(f[3]));
    const float half = number(f[4]) / 2;
    const vector3df reach = f[6] == "x" ? vector3df(half, 0, DoorwayDepth) : vector3df(DoorwayDepth, 0, half);
    const aabbox3df opening(centre - reach, centre + reach + vector3df(0, number(f[5]), 0));
    plan.doorways.push_back({f[1], opening, {roomNamed(plan, f[7]), roomNamed(plan, f[8])}});
}

}  // namespace

RoomPlan readRoomPlan(const std::string& path, std::string& problem)
{
    problem.clear();
    std::ifstream file(path);
    if (!file) {
        problem = "cannot open " + path;
        return {};
    }
    RoomPlan plan;
    int lineNumber = 0;
    try {
        for (std::string line; std::getline(file, line);) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty() || line[0] == '#')
                continue;
            const std::vector<std::string> f = fields(line);
            if (f[0] == "room")
                addRoom(plan, f);
            else if (f[0] == "doorway")
                addDoorway(plan, f);
            else
                throw std::runtime_error("neither a room nor a doorway");
        }
    } catch (const std::runtime_error& error) {
        problem = path + " line " + std::to_string(lineNumber) + ": " + error.what();
        return {};
    }
    return plan;
}
