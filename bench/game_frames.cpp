// The game on the null device for a long unattended run: the mission's station, three ninjas
// and two spiders hunting him, the player firing now and then, each monster shot down every ten seconds
// and a fresh one put in its place once its body is gone. Prints the cost of a frame; built with
// LeakSanitizer (scripts/leakcheck) its leak report at the end tells what the frames left behind. The heap
// in use and the resident memory, taken at every tenth of the run, show what stays reachable and grows.
//     bench_game_frames [FRAMES [GAME_FOLDER]]   (10000 frames; the folder holding media/)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

#include "ai/Brain1.h"
#include "ai/NPC.h"
#include "ai/Ninja.h"
#include "ai/Spider.h"
#include "app/MainLoop.h"
#include "app/Startup.h"
#include "mission/Story.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "support/PinnedTimer.h"

using irr::core::vector3df;

namespace {

const irr::u32 FrameMs = 16;
const long FramesBetweenVolleys = 600;
const long FramesBetweenShots = 45;
// In the lobby, in sight of where the player starts (200, 100, -650).
const vector3df Spawns[] = {{200, 3, -350}, {50, 3, -400}, {350, 3, -400}, {120, 3, -300}, {280, 3, -300}};

std::unique_ptr<NPC> spawn(size_t slot)
{
    std::unique_ptr<NPC> monster;
    if (slot < 3)
        monster = std::make_unique<Ninja>(new Brain1());
    else
        monster = std::make_unique<Spider>(new Brain1());
    // One name per slot: a death signal nobody reads replaces the last one of its slot.
    monster->setName(("Monster" + std::to_string(slot)).c_str());
    monster->getNode()->setPosition(Spawns[slot]);
    return monster;
}

void click(irr::EMOUSE_INPUT_EVENT what)
{
    irr::SEvent event{};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = what;
    event.MouseInput.X = 400;
    event.MouseInput.Y = 300;
    GDevice->postEventFromUser(event);
}

long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
        if (word == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

void printMemory(long frame)
{
    const struct mallinfo2 heap = mallinfo2();
    std::printf("%9ld %12zu %10ld\n", frame, (heap.uordblks + heap.hblkhd) / 1024, residentKb());
}

class Fight {
public:
    Fight()
    {
        for (size_t slot = 0; slot < std::size(Spawns); ++slot)
            _monsters.push_back(spawn(slot));
    }

    void step(long frame)
    {
        if (frame % FramesBetweenShots == 0)
            click(irr::EMIE_LMOUSE_PRESSED_DOWN);
        if (frame % FramesBetweenShots == 2)
            click(irr::EMIE_LMOUSE_LEFT_UP);
        for (size_t slot = 0; slot < _monsters.size(); ++slot) {
            NPC& monster = *_monsters[slot];
            if (frame % FramesBetweenVolleys == 0 && monster.isAlive())
                monster.gotShoot(60, monster.getPosition(), vector3df());
            // Hidden once its death has been announced: only then is nothing left that points at it.
            if (!monster.isAlive() && !monster.getNode()->isVisible()) {
                _monsters[slot].reset();
                _monsters[slot] = spawn(slot);
                ++_respawns;
            }
        }
    }

    long respawns() const { return _respawns; }

private:
    std::vector<std::unique_ptr<NPC>> _monsters;
    long _respawns = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    const long frames = argc > 1 ? std::atol(argv[1]) : 10000;
    const std::filesystem::path folder = argc > 2 ? argv[2] : SATLINK_BUILD_DIR;
    if (!std::filesystem::exists(folder / "media" / "OrvendMap" / "wayPoint.wpn")) {
        std::printf("game_frames: no generated level under %s\n", folder.c_str());
        return 1;
    }
    GLog.setpath(std::getenv("GAME_FRAMES_LOG") ? std::getenv("GAME_FRAMES_LOG") : "/dev/null");
    Gexepath = folder.c_str();
    Gresolucao = irr::core::dimension2du(800, 600);
    Gblood = true;
    StartupEngine(irr::video::EDT_NULL);
    GDevice->getLogger()->setLogLevel(irr::ELL_NONE);
    PinnedTimer timer(10000);
    GTimer = &timer;
    // The station as the mission builds it, its own first ninja among the bench's monsters; no server.
    GcheatTests = true;
    GStory = new Story();
    GStory->start();
    prepareFrames();
    GmainCamera->setLife(1e9f);
    long respawns = 0;
    const auto start = std::chrono::steady_clock::now();
    {
        Fight fight;
        std::printf("%9s %12s %10s\n", "frame", "heap kB", "RSS kB");
        for (long frame = 0; frame < frames && GDevice->run(); ++frame) {
            if (frame % std::max(1L, frames / 10) == 0)
                printMemory(frame);
            timer.set(timer.getTime() + FrameMs);
            fight.step(frame);
            runFrame();
        }
        printMemory(frames);
        respawns = fight.respawns();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("game frames on the null device: %ld frames, %.3f ms each, %ld monsters shot down and "
                "replaced\n",
                frames, seconds * 1000 / static_cast<double>(frames), respawns);
    drop();
    return 0;
}
