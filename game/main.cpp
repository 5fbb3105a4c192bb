// satlink: starts the engine and the sound, runs the game loop, and shuts down.
#include <cstdio>

#include "app/MainLoop.h"
#include "app/Startup.h"
#include "platform/CommandLine.h"
#include "platform/LogFile.h"
#include "platform/exepath.h"
#include "platform/nativepath.h"
#include "platform/startkeys.h"
#include "shell/Config.h"
#include "shell/Global.h"

namespace {

void openLog()
{
    GLog.setpath(nativePath((Gexepath + "\\log.txt").c_str()).c_str());
    GLog.clear();
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
    Gexepath = executableFolder();
    openLog();
    readConfig(nativePath((Gexepath + "\\config.xml").c_str()).c_str());
    Gresolucao = irr::core::dimension2d<irr::u32>(Gconfig.res_x, Gconfig.res_y);
    Gblood = true;
    StartupEngine();
    initSound();
    readStartupKeys(options);
    gameLoop();
    drop();
    return 666;
}
