// The game's own work in a frame, drawing aside, on the null device: input, the agenda, the execution
// pass (the player, and the busiest monster stage's spider and ninja with their brains and route
// planning), the collision sweep on its cadence, the animators that move everyone, and the log lines
// all of it writes. 60 frames a second of game time, 3000 frames.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/MainLoop.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "player/startLevel.h"
#include "shell/Global.h"
#include "support/BusiestStage.h"
#include "support/PinnedTimer.h"
#include "ui/Dialogs.h"
#include "world/Graph.h"

using Clock = std::chrono::steady_clock;

namespace {

const std::filesystem::path Build = SATLINK_BUILD_DIR;

void openNullWorld(PinnedTimer& timer)
{
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.LoggingLevel = irr::ELL_NONE;
    GDevice = irr::createDeviceEx(parameters);
    GSmgr = GDevice->getSceneManager();
    GDriver = GDevice->getVideoDriver();
    GEnvironment = GDevice->getGUIEnvironment();
    GTimer = &timer;
    Gexepath = SATLINK_BUILD_DIR;
    Gresolucao = irr::core::dimension2du(800, 600);
    GmainCamera = new Camera();
    GGraph = new Graph();
    GDialogs.createDialogs();
    startLevel();
    GmainCamera->setLife(1e9f);
}

double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

struct Costs {
    std::vector<double> us;
    void print(const char* what)
    {
        std::sort(us.begin(), us.end());
        double sum = 0;
        for (double c : us)
            sum += c;
        const size_t n = us.size();
        std::printf("  %-15s mean %6.1f us, median %6.1f us, 99th percentile %7.1f us, worst %8.1f us\n", what,
                    sum / n, us[n / 2], us[n * 99 / 100], us.back());
    }
};

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
    GLog.setpath(log.c_str());
    PinnedTimer timer(10000);
    openNullWorld(timer);
    auto monsters = busiestStage();
    GLog.clear();
    const int frames = 3000;
    Costs wall, processor;
    for (int f = 0; f < frames; ++f) {
        timer.set(timer.getTime() + 16);
        const Clock::time_point start = Clock::now();
        const double startProcessor = threadMicroseconds();
        runFrameLogic();
        GSmgr->getRootSceneNode()->OnAnimate(timer.getTime());
        processor.us.push_back(threadMicroseconds() - startProcessor);
        wall.us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("game logic of one frame, player and spider and ninja chasing (%d frames of 16 ms), %.2f log "
                "lines a frame:\n",
                frames, static_cast<double>(linesIn(log)) / frames);
    // Wall time takes in whatever else the machine ran meanwhile; processor time is this thread's own.
    processor.print("processor time");
    wall.print("wall time");
    monsters.clear();
    delete GmainCamera;
    GmainCamera = nullptr;
    GDevice->drop();
    std::filesystem::remove(log);
    return 0;
}
