// satlink: starts the engine and the sound, runs the game loop, and shuts down.
#include <cstdio>

#include "platform/CommandLine.h"
#include "platform/GameFolders.h"
#include "platform/startkeys.h"
#include "shell/Config.h"
#include "shell/Global.h"
#include "shell/LogFile.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"

namespace {

void openLog(const GameFolders& folders)
{
    folders.makeLogFolder();
    GLog.setpath(folders.logFile().c_str());
    GLog.clear();
    GLog.writelf(folders.description().c_str());
    GLog.writelf("main");
}

void readStartupKeys(const CommandLine& options)
{
    GcheatTests = options.testMode() || startupKeyHeld('L');
    if (GcheatTests)
        GLog.writelf("test mode on");
}

}

int main(int argc, char** argv)
{
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
    GcheatTests = false;
    Gresolucao = irr::core::dimension2d<irr::u32>(Gconfig.res_x, Gconfig.res_y);
    Gblood = true;
    StartupEngine();
    initSound();
    readStartupKeys(options);
    gameLoop();
    drop();
    return 666;
}
