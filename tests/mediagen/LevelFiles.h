// Reads the level's files back as the game reads them: the scenery list line by line, the waypoint
// file record by record, and the map scaled by 17 in the engine with the scenery boxes beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <irrlicht.h>

const std::string LevelMedia = std::string(SATLINK_BUILD_DIR) + "/media/";

// A path as the list writes it, under "\media\" with backslashes, as a file of the generated media folder.
std::string listedFile(const std::string& listPath);

// One entry of the scenery list, as its six lines give it.
struct ListEntry {
    std::string nameLine, mesh, texture, sound, properties;
    std::vector<float> numbers;  // the nine of line 5
    bool scenery() const { return !nameLine.empty() && nameLine[0] == '*'; }
    std::string name() const;          // the object's name: no leading '*', no shape
    std::string shape() const;         // "box", "plane" or empty
    int collisionRange() const;        // "collision=" N as atoi reads up to 10 characters; 0 when absent
    bool collisionCamera() const { return properties.find("collisionCamera") != std::string::npos; }
    irr::core::vector3df position() const { return {numbers[0], numbers[1], numbers[2]}; }
    irr::core::vector3df boxSize() const;  // the leading numbers of the properties
};

// The list's text helpers: maximal runs without delimiters; one line of at most 254 characters,
// skipping lines that begin with '#'; a line cut at its first CR or LF.
void tokenize(const std::string& str, std::vector<std::string>& tokens, const std::string& delimiters);
bool myfgets(char* buffer, std::FILE* file);
void put0(char* text);

// Every complete entry of the list; a partial last entry makes no object and is reported.
std::vector<ListEntry> readSceneryList(const std::string& path, std::string* problem = nullptr);

struct WpnNode {
    irr::core::vector3df pos;
    std::vector<std::pair<std::size_t, std::uint32_t>> edges;  // target index, cost
};

// The nodes of a waypoint file with their edges resolved; throws on a file that breaks the format.
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
