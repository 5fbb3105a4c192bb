// The text of the scenery list.
#include "level/sceneryList.h"

#include <cmath>
#include <cstdio>

namespace {

std::string number(float v)
{
    char text[32];
    if (std::fabs(v - std::round(v)) < 1e-4f)
        std::snprintf(text, sizeof text, "%d", static_cast<int>(std::lround(v)));
    else
        std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

std::string triple(const PlanPoint& p) { return number(p.x) + "," + number(p.y) + "," + number(p.z); }

// A closed doorway is a generated box: its name selects the shape, its mesh line goes unread.
bool isBox(const SceneryEntry& e) { return e.mesh.empty(); }

std::string entryText(const SceneryEntry& e)
{
    std::string name = e.scenery ? "*" + e.name : e.name;
    if (isBox(e))
        name += "*box";
    std::string text;
    text += "# " + std::string(e.scenery ? "scenery object " : "collectable ") + e.name + "\n";
    text += name + "\n";
    text += (isBox(e) ? std::string("-") : mediaPath(e.mesh)) + "\n";
    text += (e.texture.empty() ? std::string("-") : mediaPath(e.texture)) + "\n";
    text += mediaPath(e.sound) + "\n";
    text += triple(e.pos) + "," + triple(e.rot) + "," + triple(e.scale) + "\n";
    text += e.properties + "\n";
    return text;
}

}  // namespace

std::string mediaPath(const std::string& relative)
{
    std::string path = "\\media\\" + relative;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string sceneryListText(const LevelPlan& plan)
{
    std::string text =
        "# Scenery of the Orvend research station, written by mediagen from the level plan.\n"
        "# Six lines per object: name ('*' first for a scenery object, '*box' after it for a generated\n"
        "# box), mesh, texture ('-' for none), sound, then position x,y,z, rotation x,y,z (degrees) and\n"
        "# scale x,y,z, then the properties. Doors and wall panels are boxes that block the player until\n"
        "# the mission removes them.\n";
    for (const SceneryEntry& e : plan.scenery)
        text += entryText(e);
    return text;
}
