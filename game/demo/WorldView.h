// What the automatic player can see of the level: where the named things stand, which monsters are
// alive, and whether a line of sight is free.
#pragma once

#include <irrlicht.h>
#include <vector>

class NPC;

class WorldView {
public:
    // The monsters still alive, nearest to `from` first.
    static std::vector<NPC*> livingMonsters(const irr::core::vector3df& from);
    static irr::core::vector3df centreOf(irr::scene::ISceneNode* node);
    // Where to reach for a thing from `eye`: its centre, brought to eye height when it is that tall
    // (a mast, a terminal), so that the hand meets its nearest part.
    static bool reachPoint(const char* name, const irr::core::vector3df& eye, irr::core::vector3df& point);
    // Where the named thing stands: its node's own place, from which its touch is measured; false when
    // there is none.
    static bool placeOf(const char* name, irr::core::vector3df& place);
    // Nothing that blocks the player stands between the two points.
    static bool clearSight(const irr::core::vector3df& from, const irr::core::vector3df& to);
};
