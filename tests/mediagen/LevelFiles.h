// Reads the level's files back as the game reads them: the waypoint file through the game's graph, and
// the map scaled by 17 in the engine with the blocking scenery boxes of the list beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <irrlicht.h>

#include "world/sceneryListReader.h"

const std::string LevelMedia = std::string(SATLINK_BUILD_DIR) + "/media/";

using ListEntry = scenerylist::Entry;

struct WpnNode {
    irr::core::vector3df pos;
    std::vector<std::pair<std::size_t, std::uint32_t>> edges;  // target index, cost
};

// The nodes of a waypoint file as the game's graph reads them, edges by target index; empty for a
// missing file, and a std::runtime_error for a corrupt one.
std::vector<WpnNode> readWaypointFile(const std::string& path);

// The level as the game builds it: the map node scaled by 17 with its octree selector, plus scenery
// boxes from the list that block the player, each with its own selector.
class LevelScene {
public:
    explicit LevelScene(irr::scene::ISceneManager* smgr);
    ~LevelScene();

    irr::scene::ITriangleSelector* map() const { return _map; }
    // The map and every blocking box still standing.
    irr::scene::ITriangleSelector* blocking() const { return _blocking; }
    void open(const std::string& name);      // the mission destroys it
    void sink(const std::string& name);      // the mission moves it 1000 down
    // Adds a scenery mesh that blocks the player (the terminal, the antenna).
    void addBlockingMesh(const ListEntry& entry);

    bool segmentClear(const irr::core::vector3df& a, const irr::core::vector3df& b, bool withBoxes) const;
    // Height of the first thing a ray straight down from (x, from, z) meets, or -1000 for nothing.
    float groundBelow(float x, float from, float z) const;

private:
    irr::scene::ISceneManager* _smgr;
    irr::scene::ITriangleSelector* _map = nullptr;
    irr::scene::IMetaTriangleSelector* _blocking = nullptr;
    std::vector<std::pair<std::string, irr::scene::ISceneNode*>> _boxes;
};
