// satlink: starts the engine and the sound, runs the game loop, and shuts down.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ai/GraphEditor.h"
#include "ai/NPC.h"
#include "app/MainLoop.h"
#include "app/Startup.h"
#include "app/demoStart.h"
#include "demo/DemoPlayer.h"
#include "mission/Story.h"
#include "net/QuizWorker.h"
#include "net/Server.h"
#include "platform/CommandLine.h"
#include "platform/GameFolders.h"
#include "platform/LogFile.h"
#include "platform/installtoken.h"
#include "platform/startkeys.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

namespace {

void openLog(const GameFolders& folders)
{
    folders.makeLogFolder();
    GLog.setpath(folders.logFile().c_str());
    GLog.clear();
    GLog.writelf(folders.description().c_str());
    GLog.writelf("main");
}

// L counts only where config.xml allows test mode; --test-mode is for whoever starts the game by hand.
void readStartupKeys(const CommandLine& options)
{
    GcheatTests = options.testMode() || (Gconfig.cheating && startupKeyHeld('L'));
    if (GcheatTests)
        GLog.writelf("test mode on");
}

// Held E or --editor: the editor shows the level's waypoints, or those of the file given to edit.
void openEditor(const CommandLine& options)
{
    if (!options.editor() && !startupKeyHeld('E'))
        return;
    GGraphEditor = new GraphEditor(GDevice, GmainCamera->getNode());
    const std::string file = options.waypoints().empty()
                                 ? std::string(mediaFile("\\media\\orvendMap\\waypoint.wpn").c_str())
                                 : options.waypoints();
    GGraphEditor->load(file.c_str());
}

}

int main(int argc, char** argv)
{
    // Every end of the game, the window closed or O pressed with a request out included, passes here
    // before the globals the requests read are gone.
    std::atexit([] { GquizWorker.stop(); });
    CommandLine options(argc, argv);
    if (!options.error().empty()) {
        std::fprintf(stderr, "%s\n", options.error().c_str());
        return 2;
    }
    if (options.help()) {
        std::fputs(CommandLine::usage(), stdout);
        return 0;
    }
    const GameFolders folders = GameFolders::ofThisGame();
    Gexepath = folders.dataFolder().c_str();
    openLog(folders);
    readConfig(folders.configFile().c_str());
    GinstallToken = installToken(folders.installTokenFile());
    Gresolucao = irr::core::dimension2d<irr::u32>(Gconfig.res_x, Gconfig.res_y);
    Gblood = true;
    StartupEngine();
    initSound();
    readStartupKeys(options);
    // The mission builds the level before the log-on window shows.
    GStory = new Story();
    GStory->start();
    // After the level's own waypoints, so that the graph the editor loads is the one the monsters use.
    openEditor(options);
    std::unique_ptr<DemoPlayer> demo;
    if (options.demo())
        demo = startDemo(options);
    gameLoop();
    demo.reset();
    drop();
    return 666;
}
