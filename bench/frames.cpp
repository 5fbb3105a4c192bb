// Frame rate of the game beside the bare engine drawing the same level, sky and furniture: the game at
// the player's start, the game with the busiest monster stage chasing him, and the processor time the
// game takes with and without its frame cap. Needs a display (run it under xvfb-run).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "ai/NPC.h"
#include "app/FrameLimiter.h"
#include "app/MainLoop.h"
#include "app/Startup.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "support/BareScene.h"
#include "support/BusiestStage.h"
#include "support/Child.h"

using Clock = std::chrono::steady_clock;

namespace {

const std::string Build = SATLINK_BUILD_DIR;

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs frames for a second to settle, then for `seconds`, and prints the rate, the share of a
// processor core this process used meanwhile and the triangles of the last frame.
void measure(irr::video::IVideoDriver* driver, double seconds, const std::function<void()>& frame)
{
    for (const Clock::time_point warm = Clock::now(); since(warm) < 1;)
        frame();
    const double processor = processorSeconds();
    const Clock::time_point start = Clock::now();
    long frames = 0;
    for (; since(start) < seconds; ++frames)
        frame();
    const double wall = since(start);
    std::printf("fps %.1f\n", frames / wall);
    std::printf("cpu %.1f\n", 100 * (processorSeconds() - processor) / wall);
    std::printf("triangles %u\n", driver->getPrimitiveCountDrawn());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak %.1f\n", usage.ru_maxrss / 1024.0);
}

void openGame(int maxfps, const std::string& log)
{
    Gexepath = Build.c_str();
    GLog.setpath(log.c_str());
    GLog.clear();
    Gresolucao = irr::core::dimension2du(800, 600);
    Gconfig.maxfps = maxfps;
    Gblood = true;
    StartupEngine();
    startMission();
    GSmgr->setAmbientLight(irr::video::SColorf(1, 1, 1, 1));
}

// One mode in this process: "bare", "game" (the mission's start), "unculled" (the same, every room drawn)
// or "monsters" (its busiest stage), with the game's frame cap (0: none).
int runMode(const std::string& mode, int maxfps, double seconds)
{
    if (mode == "bare") {
        irr::IrrlichtDevice* device = openBareWindow();
        if (!device)
            return 1;
        buildBareScene(device, Build + "/media");
        measure(device->getVideoDriver(), seconds, [device] {
            device->run();
            drawBareFrame(device);
        });
        device->drop();
        return 0;
    }
    const std::string log = "/tmp/bench_frames_log_" + std::to_string(getpid()) + ".txt";
    Gconfig.culling = mode != "unculled";
    openGame(maxfps, log);
    if (mode == "monsters")
        busiestStage();
    FrameLimiter limiter(maxfps);
    measure(GDriver, seconds, [&limiter] {
        GDevice->run();
        runFrame();
        limiter.wait();
    });
    drop();
    std::filesystem::remove(log);
    return 0;
}

struct Figures {
    std::vector<double> fps, cpu, triangles, peak;
    void add(const std::vector<std::string>& lines)
    {
        fps.push_back(figure(lines, "fps"));
        cpu.push_back(figure(lines, "cpu"));
        triangles.push_back(figure(lines, "triangles"));
        peak.push_back(figure(lines, "peak"));
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Each round's rate against the bare engine's in the same round, the load of the moment falling on both.
double medianRatio(const Figures& game, const Figures& bare)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < game.fps.size(); ++i)
        ratios.push_back(game.fps[i] / bare.fps[i]);
    return median(ratios);
}

void printRate(const char* what, const Figures& figures, const Figures& bare)
{
    std::printf("  %-40s %7.1f fps  %5.1f%% of bare  %6.0f triangles\n", what, median(figures.fps),
                100 * medianRatio(figures, bare), median(figures.triangles));
}

// The share of a core, and the processor time a frame takes: below the cap the share grows with the rate.
void printUse(const char* what, const Figures& figures)
{
    std::vector<double> perFrame;
    for (size_t i = 0; i < figures.fps.size(); ++i)
        if (figures.fps[i] > 0)
            perFrame.push_back(10 * figures.cpu[i] / figures.fps[i]);
    std::printf("  %-40s %5.1f%% at %5.1f fps, %5.1f ms a frame\n", what, median(figures.cpu), median(figures.fps),
                median(perFrame));
}

// Each mode in turn, round after round, so that a load from outside falls on all of them alike.
int compare(int rounds, double seconds)
{
    Figures bare, game, unculled, monsters, capped, cappedUnculled, slow;
    const std::string time = " " + std::to_string(seconds);
    for (int round = 0; round < rounds; ++round) {
        bare.add(runSelf("bare 0" + time));
        game.add(runSelf("game 0" + time));
        unculled.add(runSelf("unculled 0" + time));
        monsters.add(runSelf("monsters 0" + time));
        capped.add(runSelf("game 60" + time));
        cappedUnculled.add(runSelf("unculled 60" + time));
        slow.add(runSelf("game 10" + time));
    }
    std::printf("frames a second at 800x600, uncapped (medians of %d rounds of %.0f s):\n", rounds, seconds);
    printRate("bare engine, same level, sky, furniture", bare, bare);
    printRate("game at the start, first ninja coming", game, bare);
    printRate("the same, every room drawn (culling off)", unculled, bare);
    printRate("game at room G, spider and ninja coming", monsters, bare);
    std::printf("peak resident memory: bare engine %.0f MB, game at the start %.0f MB, at room G %.0f MB\n",
                median(bare.peak), median(game.peak), median(monsters.peak));
    std::printf("processor use of the game at the start, this process only (100%% = one core):\n");
    printUse("uncapped (maxfps=\"0\")", game);
    printUse("capped at 60 (the default)", capped);
    printUse("capped at 60, culling off", cappedUnculled);
    printUse("capped at 10", slow);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::puts("frames: no display (run it under xvfb-run -a)");
        return 0;
    }
    if (argc == 4)
        return runMode(argv[1], std::atoi(argv[2]), std::atof(argv[3]));
    const char* rounds = std::getenv("BENCH_ROUNDS");
    const char* seconds = std::getenv("BENCH_SECONDS");
    return compare(rounds ? std::atoi(rounds) : 2, seconds ? std::atof(seconds) : 5);
}
