// The text of the rooms file.
#include "level/roomsFile.h"

#include <cmath>
#include <stdexcept>

namespace {

std::string number(float v) { return std::to_string(std::lround(v)); }

// The area on one side of a doorway, a wall's thickness off its line.
const Area& side(const LevelPlan& plan, const Doorway& d, float towards)
{
    const float x = d.alongX ? d.x : d.x + towards * plan.wallThickness;
    const float z = d.alongX ? d.z + towards * plan.wallThickness : d.z;
    const Area* area = plan.areaAt(x, z);
    if (!area)
        throw std::logic_error("doorway " + d.name + " does not lead between two areas");
    return *area;
}

}  // namespace

std::string roomsFileText(const LevelPlan& plan)
{
    std::string text = "# room;name;x0;z0;x1;z1;ceiling;roof|sky - doorway;name;x;z;width;height;wall along;room;room\n";
    for (const Area& a : plan.areas)
        text += "room;" + a.name + ";" + number(a.x0) + ";" + number(a.z0) + ";" + number(a.x1) + ";" +
                number(a.z1) + ";" + number(plan.wallHeight) + (a.roofed ? ";roof\n" : ";sky\n");
    for (const Doorway& d : plan.doorways)
        text += "doorway;" + d.name + ";" + number(d.x) + ";" + number(d.z) + ";" + number(d.width) + ";" +
                number(d.height) + ";" + (d.alongX ? "x" : "z") + ";" + side(plan, d, -1).name + ";" +
                side(plan, d, 1).name + "\n";
    return text;
}
