// Level benchmark: how long mediagen takes to write the level, how big it is, and how fast the
// engine answers the ray queries the monsters' route planning casts against it.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include <irrlicht.h>

#include "ImageFiles.h"
#include "OutputFolder.h"
#include "level/LevelPlan.h"
#include "level/level.h"
#include "level/waypointFile.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const std::string WaypointSource = std::string(SATLINK_SOURCE_DIR) + "/tools/mediagen/level/wayPoint.wpn";

double seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::uintmax_t folderSize(const fs::path& folder)
{
    std::uintmax_t total = 0;
    for (const auto& file : fs::recursive_directory_iterator(folder))
        if (file.is_regular_file())
            total += file.file_size();
    return total;
}

}  // namespace

int main()
{
    const fs::path folder = fs::temp_directory_path() / ("satlink-bench-level-" + std::to_string(getpid()));
    fs::remove_all(folder);
    const ImageFiles images;
    const int runs = 5;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < runs; ++i)
        writeLevel(OutputFolder(folder.string()), images, WaypointSource);
    std::printf("level written in %.3f s (mean of %d), %.1f kB, map.3DS %.1f kB\n", seconds(start) / runs,
                runs, folderSize(folder) / 1024.0, fs::file_size(folder / "OrvendMap/map.3DS") / 1024.0);

    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    device->getLogger()->setLogLevel(irr::ELL_NONE);
    irr::scene::ISceneManager* smgr = device->getSceneManager();
    irr::scene::IAnimatedMesh* mesh = smgr->getMesh((folder / "OrvendMap/map.3DS").c_str());
    irr::scene::ISceneNode* node = smgr->addOctreeSceneNode(mesh->getMesh(0), nullptr, -1, 512);
    node->setScale({17, 17, 17});
    node->updateAbsolutePosition();
    irr::scene::ITriangleSelector* selector = smgr->createOctreeTriangleSelector(mesh->getMesh(0), node, 128);
    const LevelPlan plan = orvendPlan();
    const WaypointFile waypoints = checkWaypointFile(WaypointSource);
    int rays = 0, clear = 0;
    const Clock::time_point cast = Clock::now();
    for (const Spawn& s : plan.spawns)
        for (const WaypointFile::Point& w : waypoints.points)
            for (int repeat = 0; repeat < 20; ++repeat) {
                irr::core::vector3df hit;
                irr::core::triangle3df triangle;
                irr::scene::ISceneNode* hitNode = nullptr;
                clear += !smgr->getSceneCollisionManager()->getCollisionPoint(
                    {s.x, plan.monsterHeight, s.z, w.x, plan.monsterHeight, w.z}, selector, hit, triangle,
                    hitNode);
                ++rays;
            }
    const double castTime = seconds(cast);
    std::printf("%d rays from the spawn points to the waypoints in %.3f s: %.1f us a ray (%d clear)\n", rays,
                castTime, castTime / rays * 1e6, clear / 20);
    selector->drop();
    device->drop();
    fs::remove_all(folder);
    return 0;
}
