// Loading the level from a 3D Studio file or a Quake 3 archive.
#include "world/Map.h"

#include <cstdio>
#include <stdexcept>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "platform/nativepath.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "world/Graph.h"
#include "world/LevelNode.h"
#include "world/meshCheck.h"

Map* GcurrentMap = nullptr;

namespace {

const bool resetRegistered = registerReset([] { GcurrentMap = nullptr; });

}

// Without its level the game cannot be played: say which file failed, on the console and in the log.
[[noreturn]] static void levelNotLoaded(const irr::core::stringc& what)
{
    fatal(std::string("cannot load the level: ") + what.c_str());
}

// A damaged file can still load as a mesh with nothing in it, which would leave the player falling forever.
static bool hasGeometry(irr::scene::IAnimatedMesh* mesh)
{
    return mesh && mesh->getMesh(0) && mesh->getMesh(0)->getMeshBufferCount() > 0;
}

// The folder may come as the game writes its paths, with backslashes and in any case.
static irr::core::stringc fileIn(const irr::core::stringc& folder, const char* name)
{
    return nativePath((folder + name).c_str()).c_str();
}

// The level's files are in the game's units divided by this much.
static const float LevelScale = 17.0f;

// Without its rooms the level is still played, drawn whole.
static RoomPlan roomsIn(const irr::core::stringc& folder)
{
    std::string problem;
    RoomPlan plan = readRoomPlan(fileIn(folder, "rooms.txt").c_str(), problem);
    if (!problem.empty()) {
        const std::string line = "rooms file: " + problem + ": the whole level is drawn";
        puts(line.c_str());
        GLog.writelf(line.c_str());
    }
    return plan;
}

Map::~Map()
{
    while (!_kept.empty())
        _kept.pop_back();
}

void Map::load3DSMap(const irr::core::stringc& folder)
{
    const irr::core::stringc file = fileIn(folder, "map.3DS");
    irr::scene::IAnimatedMesh* mesh = loadCheckedMesh(file);
    if (!hasGeometry(mesh))
        levelNotLoaded(file);
    LevelNode* node = new LevelNode(mesh->getMesh(0), roomsIn(folder), LevelScale, GSmgr);
    node->setCulling(Gconfig.culling);
    // The scene keeps the node.
    node->drop();
    _node = node;
    attachSelector(GSmgr->createOctreeTriangleSelector(mesh->getMesh(0), node, 128), node);
    _node->setScale(irr::core::vector3df(LevelScale));
    finishNode("world");
    startSound("map.3DS");
}

void Map::loadQ3Map(const irr::core::stringc& folder)
{
    const irr::core::stringc archive = fileIn(folder, "map.pk3");
    if (!GSmgr->getFileSystem()->addFileArchive(archive, true, true, irr::io::EFAT_ZIP))
        levelNotLoaded(archive);
    irr::scene::IAnimatedMesh* mesh = GSmgr->getMesh("20kdm2.bsp");
    if (!hasGeometry(mesh))
        levelNotLoaded(irr::core::stringc("20kdm2.bsp in ") + archive);
    _node = createSelector(mesh->getMesh(0));
    _node->setPosition(irr::core::vector3df(-1350, -130, -1400));
    finishNode("map");
    startSound("map.pk3");
}

bool Map::loadGraph(const irr::core::stringc& folder)
{
    const irr::core::stringc file = fileIn(folder, "wayPoint.wpn");
    try {
        return !GGraph->load(file.c_str()).empty();
    } catch (const GameError& error) {
        const irr::core::stringc line =
            irr::core::stringc(error.what()) + " " + file + ": the monsters walk straight routes";
        puts(line.c_str());
        GLog.writelf(line.c_str());
        return false;
    }
}

void Map::finishNode(const irr::core::stringc& name)
{
    _node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    _node->setName(name);
}

// The level has no sound of its own; the loaders still name their file here.
void Map::startSound(const irr::core::stringc&) {}

Collidable* currentLevel()
{
    return GcurrentMap;
}
