// Start-up and shutdown of the engine and the sound engine.
#include "app/Startup.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/stat.h>

#include "mission/Story.h"
#include "platform/LogFile.h"
#include "platform/SoundEngine.h"
#include "platform/nativepath.h"
#include "platform/screensize.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/PausableTimer.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "world/Collidable.h"
#include "world/Graph.h"
#include "world/Map.h"

namespace {

// The device's timer as the game reads it, held while the game is paused.
std::optional<PausableTimer> pausableClock;

irr::SIrrlichtCreationParameters creationParameters(irr::video::E_DRIVER_TYPE driver)
{
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = driver;
    parameters.WindowSize = Gresolucao;
    parameters.Fullscreen = Gconfig.fullscreen;
    parameters.AntiAlias = 8;
    return parameters;
}

// Larger windows are more than OpenGL drivers draw into (16384 is the common limit), and the
// window system ends the process outright for sizes past 32767.
const irr::u32 largestWindowSide = 16384;

void failStartup(const char* reason)
{
    char line[200];
    std::snprintf(line, sizeof line, "could not open a %d x %d window: %s",
                  static_cast<int>(Gresolucao.Width), static_cast<int>(Gresolucao.Height), reason);
    fatal(line);
}

// A window larger than the screen shows only in part and costs memory all the same (1.2 GB at
// 16384 x 16384): it is cut to the screen.
void fitToScreen()
{
    const std::optional<ScreenSize> screen = screenSize();
    if (!screen)
        return;
    const irr::core::dimension2d<irr::u32> fitted(std::min(Gresolucao.Width, screen->width),
                                                  std::min(Gresolucao.Height, screen->height));
    if (fitted == Gresolucao)
        return;
    char line[200];
    std::snprintf(line, sizeof line, "window %u x %u is larger than the screen (%u x %u): cut to %u x %u",
                  Gresolucao.Width, Gresolucao.Height, screen->width, screen->height, fitted.Width, fitted.Height);
    GLog.writelf(line);
    Gresolucao = fitted;
}

bool isFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Media files are then found by bare name, whatever their case and folder.
void mountMedia()
{
    std::vector<std::string> folders;
    for (const char* folder : {"\\media", "\\media\\sound"}) {
        std::string path = nativePath((Gexepath + folder).c_str());
        if (isFolder(path))
            folders.push_back(path);
        else
            GLog.writelf(("no media folder " + path).c_str());
    }
    irr::io::IFileSystem* files = GDevice->getFileSystem();
    for (const std::string& folder : folders)
        files->addFileArchive(folder.c_str(), true, true);
    for (const std::string& folder : folders)
        files->addFileArchive(folder.c_str(), true, true, irr::io::EFAT_FOLDER);
}

}

void StartupEngine(irr::video::E_DRIVER_TYPE driver)
{
    GLog.writelf("StartupEngine");
    const char* const outOfRange = "size out of range (1 to 16384 pixels a side)";
    // A height of 0 or less (a negative one wraps round) is no size to cut to the screen.
    if (Gresolucao.Height == 0 || Gresolucao.Height > static_cast<irr::u32>(INT_MAX))
        failStartup(outOfRange);
    if (driver != irr::video::EDT_NULL)
        fitToScreen();
    if (Gresolucao.Width > largestWindowSide || Gresolucao.Height > largestWindowSide)
        failStartup(outOfRange);
    irr::SIrrlichtCreationParameters parameters = creationParameters(driver);
    GDevice = irr::createDeviceEx(parameters);
    if (!GDevice)
        failStartup("no OpenGL display");
    GDriver = GDevice->getVideoDriver();
    GEnvironment = GDevice->getGUIEnvironment();
    GSmgr = GDevice->getSceneManager();
    Gconfig.res_x = static_cast<int>(GDriver->getScreenSize().Width);
    Gconfig.res_y = static_cast<int>(GDriver->getScreenSize().Height);
    Gcolisao.clear();
    GmainCamera = new Camera(Camera::walkingKeys());
    GmainCamera->readMessagesFrom([] { return ScreenMessage{GMessageBox.text(), GMessageBox.holdsGame()}; });
    pausableClock.emplace(GDevice->getTimer());
    GTimer = &*pausableClock;
    GGraph = new Graph();
    mountMedia();
    GDialogs.createDialogs();
}

PausableTimer* gameClock()
{
    return pausableClock ? &*pausableClock : nullptr;
}

void initSound()
{
    GLog.writelf("initSound");
    GSound = SoundEngine::create();
    if (!GSound)
        GLog.writelf("no sound device: the game runs silent");
}

void drop()
{
    GLog.writelf("drop");
    delete GStory;
    GStory = nullptr;
    if (GtriangleSelectorsCamera)
        GtriangleSelectorsCamera->drop();
    GtriangleSelectorsCamera = nullptr;
    delete GmainCamera;
    GmainCamera = nullptr;
    delete GcurrentMap;
    GcurrentMap = nullptr;
    delete GGraph;
    GGraph = nullptr;
    Gcolisao.clear();
    if (GSound)
        GSound->drop();
    GSound = nullptr;
    if (GDevice)
        GDevice->drop();
    GDevice = nullptr;
}
