// The main loop: prepares the scene and runs frames until the device stops or the game is stopped.
#include "app/MainLoop.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

#include "ai/GraphEditor.h"
#include "app/CollisionCadence.h"
#include "app/FocusPause.h"
#include "app/FrameLimiter.h"
#include "app/Startup.h"
#include "app/teclado.h"
#include "messaging/Agenda.h"
#include "net/QuizWorker.h"
#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/EventReceiver.h"
#include "shell/Executable.h"
#include "shell/fatal.h"
#include "ui/Dialogs.h"
#include "world/Collidable.h"

namespace {

// What the loop keeps from frame to frame.
struct LoopState {
    bool running = false;
    CollisionCadence collisionCadence;
    std::function<void()> logonFrameStep;
};

LoopState loop;

const bool loopResetRegistered = registerReset([] { loop = LoopState(); });

void beginScene()
{
    GDriver->beginScene(true, true, irr::video::SColor(0, 80, 80, 80));
}

void reportFailedPass(const char* what)
{
    std::puts("bad index at Gexecucao[iii]");
    std::fflush(stdout);
    GLog.writelf((std::string("execution pass: ") + what).c_str());
}

// Runs every object of the list, reading its size again after each call so that an object
// created during the pass runs in it too.
void runExecutionPass()
{
    try {
        for (size_t i = 0; i < Gexecucao.size(); ++i)
            Gexecucao[i]->exec();
    } catch (const std::exception& error) {
        reportFailedPass(error.what());
    } catch (...) {
        reportFailedPass("unknown failure");
    }
}

void drawLogonFrame()
{
    beginScene();
    GSmgr->drawAll();
    GEnvironment->drawAll();
    GDriver->endScene();
}

// Only the log-on window runs until it is answered: no input, agenda, execution list or collision.
void logonPhase(FrameLimiter& limiter)
{
    GDialogs.setAnswer(0);
    GDialogs.fillLogon();
    GDialogs.ShowDialogLogon();
    for (bool first = true; GDevice->run() && GDialogs.isDialogOpened(); first = false) {
        drawLogonFrame();
        // The end of the start-up as the player sees it, and as the start-up benchmark times it.
        if (first)
            GLog.writelf("logon dialog drawn");
        if (loop.logonFrameStep)
            loop.logonFrameStep();
        limiter.wait();
    }
    GDialogs.closeLogon();
}

void showFrameRate()
{
    GDevice->setWindowCaption(irr::core::stringw(GDriver->getFPS()).c_str());
}

void collisionStep()
{
    if (loop.collisionCadence.due())
        updateCollision();
}

// Over the scene and the GUI. The game always has a player; some tests run frames without one.
void drawPlayerStatus()
{
    if (GmainCamera)
        GmainCamera->drawStatus();
}

// The scene stands still under a band that says the game waits.
void drawPausedFrame()
{
    beginScene();
    GSmgr->drawAll();
    drawPlayerStatus();
    const irr::core::dimension2du screen = GDriver->getScreenSize();
    const irr::s32 middle = static_cast<irr::s32>(screen.Height) / 2;
    const irr::core::recti band(0, middle - 30, static_cast<irr::s32>(screen.Width), middle + 30);
    GDriver->draw2DRectangle(irr::video::SColor(200, 0, 0, 0), band);
    if (irr::gui::IGUIFont* font = GEnvironment->getSkin()->getFont())
        font->draw(FocusPause::Notice, band, irr::video::SColor(255, 255, 255, 255), true, true);
    GDriver->endScene();
}

}

void prepareFrames()
{
    GDevice->setEventReceiver(&GEventReceiver);
    GSmgr->setAmbientLight(irr::video::SColorf(irr::video::SColor(255, 255, 255, 255)));
    loop.running = true;
}

void runFrame()
{
    beginScene();
    GSmgr->drawAll();
    GEnvironment->drawAll();
    drawPlayerStatus();
    if (GGraphEditor)
        GGraphEditor->drawKeys();
    GDriver->endScene();
    runFrameLogic();
}

void runFrameLogic()
{
    process_input(&GEventReceiver);
    GAgenda.exec();
    runExecutionPass();
    showFrameRate();
    collisionStep();
    GquizWorker.writeLog();
}

int gameLoop()
{
    GLog.writelf("gameLoop");
    prepareFrames();
    FrameLimiter limiter(Gconfig.maxfps);
    logonPhase(limiter);
    std::optional<FocusPause> focus;
    if (PausableTimer* clock = gameClock())
        focus.emplace(clock);
    while (GDevice->run() && loop.running) {
        if (focus && focus->check(GDevice->isWindowActive()))
            drawPausedFrame();
        else
            runFrame();
        limiter.wait();
    }
    return 1;
}

void onLogonFrame(std::function<void()> step)
{
    loop.logonFrameStep = std::move(step);
}

void stopGame()
{
    loop.running = false;
}
