// Cost of one frame of five monsters' brains on the generated level: three ninjas and two spiders from
// their spawn points chasing the player, route planning and strikes included.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "ai/Brain1.h"
#include "ai/Ninja.h"
#include "ai/Spider.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "support/FrameCosts.h"
#include "support/NullDevice.h"
#include "support/PinnedTimer.h"
#include "world/Graph.h"
#include "world/Map.h"

using irr::core::vector3df;

namespace {

const std::filesystem::path Build = SATLINK_BUILD_DIR;

}  // namespace

int main()
{
    const std::filesystem::path level = Build / "media" / "OrvendMap";
    if (!std::filesystem::exists(level / "wayPoint.wpn")) {
        std::printf("brains: level not generated (%s)\n", level.c_str());
        return 0;
    }
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "bench_brains_log.txt";
    openNullDevice();
    GLog.setpath(log.c_str());
    PinnedTimer timer(10000);
    GTimer = &timer;
    Gexepath = SATLINK_BUILD_DIR;
    Gresolucao = irr::core::dimension2du(800, 600);
    {
        Map map;
        Graph graph;
        GcurrentMap = &map;
        GGraph = &graph;
        map.load3DSMap((level.string() + "/").c_str());
        map.getNode()->updateAbsolutePosition();
        map.loadGraph((level.string() + "/").c_str());
        Camera player;
        GmainCamera = &player;
        player.getNode()->setPosition({-100, 80, -280});
        player.setLife(1e9f);

        std::vector<std::unique_ptr<NPC>> monsters;
        const vector3df spawns[] = {
            {-300, 3, 300}, {-115, 3, 500}, {500, 3, 300}, {200, 3, 100}, {-600, 3, -500}};
        for (int i = 0; i < 5; ++i) {
            if (i < 3)
                monsters.push_back(std::make_unique<Ninja>(new Brain1()));
            else
                monsters.push_back(std::make_unique<Spider>(new Brain1()));
            monsters.back()->getNode()->setPosition(spawns[i]);
        }
        const int frames = 3000;
        FrameCosts costs;
        for (int f = 0; f < frames; ++f) {
            timer.set(timer.getTime() + 16);
            costs.start();
            for (auto& m : monsters) {
                try {
                    m->exec();
                } catch (const std::exception&) {
                    // An unreachable target: the brain plans again on a later frame, as in the game.
                }
            }
            costs.stop();
            GSmgr->getRootSceneNode()->OnAnimate(timer.getTime());
        }
        std::printf("one frame of five monsters' brains (3 ninjas, 2 spiders chasing on the level, %d frames "
                    "of 16 ms):\n",
                    frames);
        costs.print();
        monsters.clear();
        GmainCamera = nullptr;
    }
    closeNullDevice();
    std::filesystem::remove(log);
    return 0;
}
