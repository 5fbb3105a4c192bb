// The game's own work in a frame, drawing aside, on the null device: input, the agenda, the execution
// pass (the player, and the busiest monster stage's spider and ninja with their brains and route
// planning), the collision sweep on its cadence, the animators that move everyone, and the log lines
// all of it writes. 60 frames a second of game time, 3000 frames.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/MainLoop.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "support/BusiestStage.h"
#include "support/FrameCosts.h"
#include "support/NullDevice.h"
#include "support/PinnedTimer.h"
#include "ui/Dialogs.h"
#include "world/Graph.h"

namespace {

const std::filesystem::path Build = SATLINK_BUILD_DIR;

void openNullWorld(PinnedTimer& timer, const std::filesystem::path& log)
{
    openNullDevice();
    GLog.setpath(log.c_str());
    GTimer = &timer;
    Gexepath = SATLINK_BUILD_DIR;
    Gresolucao = irr::core::dimension2du(800, 600);
    GmainCamera = new Camera();
    GGraph = new Graph();
    GDialogs.createDialogs();
    startMission();
}

FrameCosts runFrames(PinnedTimer& timer, int frames)
{
    FrameCosts costs;
    for (int f = 0; f < frames; ++f) {
        timer.set(timer.getTime() + 16);
        costs.start();
        runFrameLogic();
        GSmgr->getRootSceneNode()->OnAnimate(timer.getTime());
        costs.stop();
    }
    return costs;
}

long linesIn(const std::filesystem::path& file)
{
    std::ifstream in(file);
    return std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
}

}  // namespace

int main()
{
    if (!std::filesystem::exists(Build / "media" / "OrvendMap" / "wayPoint.wpn")) {
        std::printf("logic: level not generated (%s/media)\n", Build.c_str());
        return 0;
    }
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "bench_logic_log.txt";
    PinnedTimer timer(10000);
    openNullWorld(timer, log);
    busiestStage();
    GLog.clear();
    const int frames = 3000;
    std::printf("game logic of one frame, the mission's busiest stage: spider and ninja after the player, "
                "%d frames of 16 ms:\n",
                frames);
    FrameCosts costs = runFrames(timer, frames);
    std::printf(" with the log (%.2f lines a frame, the file kept open, each line flushed):\n",
                static_cast<double>(linesIn(log)) / frames);
    costs.print();
    // The same stage going on, its log lines dropped: what the log itself costs.
    GLog.setpath((log.string() + ".missing/log.txt").c_str());
    costs = runFrames(timer, frames);
    std::printf(" the next %d frames with the log's file unopenable, its lines dropped:\n", frames);
    costs.print();
    delete GmainCamera;
    GmainCamera = nullptr;
    closeNullDevice();
    std::filesystem::remove(log);
    return 0;
}
