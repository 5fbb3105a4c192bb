// The level as data: areas, walls, doorways, scenery and spawn points, in world units (after the
// loader's x17 scale), floor at y = 0. Every level file but the waypoints is written from this plan.
#pragma once

#include <string>
#include <vector>

struct PlanPoint {
    float x, y, z;
};

// An axis-aligned floor region, bounded by wall centre lines.
struct Area {
    std::string name;
    float x0, z0, x1, z1;
    std::string floorMaterial;
    bool roofed;  // false: open to the sky dome

    bool contains(float x, float z) const { return x > x0 && x < x1 && z > z0 && z < z1; }
};

// A straight wall along x (z fixed) or along z (x fixed), cut wherever a doorway lies on it.
struct Wall {
    bool alongX;
    float line;  // z of a wall along x, x of a wall along z
    float from, to;
    std::string material;
};

// A gap in a wall; a closed doorway is filled by a scenery box that the mission destroys or sinks.
struct Doorway {
    std::string name;   // the scenery object's name, or a description of an open passage
    float x, z;         // centre on the wall line
    float width, height;
    bool alongX;        // the wall it cuts runs along x
    bool closed;
    std::string texture;  // of the door box, relative to media/
    int opensAtState;     // mission state that opens it; 0 for an open passage
    std::string leadsTo;  // the area it keeps shut
};

// Fixed furniture, part of the level mesh (it blocks the player and the monsters' shortcuts).
struct Furniture {
    std::string material;
    float x0, y0, z0, x1, y1, z1;
};

// An entry of the scenery list: a scenery object (scenery true) or a collectable.
struct SceneryEntry {
    std::string name;
    bool scenery;
    std::string mesh;     // relative to media/
    std::string texture;  // relative to media/, or empty for none
    std::string sound;    // relative to media/
    PlanPoint pos, rot, scale;
    std::string properties;
    int range;            // the "collision=" range written into properties
    bool touchable;       // the mission waits for it to be touched or picked up
    PlanPoint touchSpot;  // the eye of a player in front of it, about to walk into it
};

struct Spawn {
    std::string name;
    float x, z;
    bool player;
};

struct LevelPlan {
    float wallHeight;
    float wallThickness;
    float monsterHeight;  // monsters are placed at y 3, the height of the level's first waypoints
    std::vector<Area> areas;
    std::vector<Wall> walls;
    std::vector<Doorway> doorways;
    std::vector<Furniture> furniture;
    std::vector<SceneryEntry> scenery;
    std::vector<Spawn> spawns;
    PlanPoint picture;                 // centre of the picture on the lobby's south wall
    std::vector<PlanPoint> tableGroups;

    const Area* areaAt(float x, float z) const;
    const Area& area(const std::string& name) const;
    const Doorway* doorway(const std::string& name) const;
};

// The research station of the mission: lobby, lab, room B, the east hall, room G and room E.
LevelPlan orvendPlan();
