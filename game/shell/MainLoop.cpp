// The main loop: prepares the scene and runs frames until the device stops or the game is stopped.
#include "shell/MainLoop.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "mission/Dialogs.h"
#include "shell/CollisionCadence.h"
#include "shell/Config.h"
#include "shell/EventReceiver.h"
#include "shell/Executable.h"
#include "shell/Global.h"
#include "shell/LogFile.h"
#include "shell/teclado.h"
#include "messaging/Agenda.h"
#include "player/Camera.h"
#include "world/Collidable.h"

namespace {

bool continuarLaco = false;
CollisionCadence collisionCadence;

void prepare()
{
    GDevice->setEventReceiver(&GEventReceiver);
    GSmgr->setAmbientLight(irr::video::SColorf(irr::video::SColor(255, 255, 255, 255)));
    continuarLaco = true;
}

void beginScene()
{
    GDriver->beginScene(true, true, irr::video::SColor(0, 80, 80, 80));
}

// Runs every object of the list, reading its size again after each call so that an object
// created during the pass runs in it too.
void runExecutionPass()
{
    try {
        for (size_t i = 0; i < Gexecucao.size(); ++i)
            Gexecucao[i]->exec();
    } catch (...) {
        std::puts("bad index at Gexecucao[iii]");
        std::fflush(stdout);
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
void logonPhase()
{
    GDialogs.setAnswer(0);
    GDialogs.fillLogon();
    GDialogs.ShowDialogLogon();
    while (GDevice->run() && GDialogs.isDialogOpened())
        drawLogonFrame();
    GDialogs.CloseDialog();
    if (GDialogs.answer() == Dialogs::cancelButton)
        std::exit(0);
    GDialogs.copyLogonToUser();
    GLog.writelf(("logon as " + std::string(GUser.usuario)).c_str());
}

void showFrameRate()
{
    GDevice->setWindowCaption(irr::core::stringw(GDriver->getFPS()).c_str());
}

void collisionStep()
{
    if (collisionCadence.due())
        updateCollision();
}

// Over the scene and the GUI. The game always has a player; some tests run frames without one.
void drawPlayerStatus()
{
    if (GmainCamera)
        GmainCamera->drawStatus();
}

void runFrame()
{
    beginScene();
    GSmgr->drawAll();
    GEnvironment->drawAll();
    drawPlayerStatus();
    GDriver->endScene();
    process_input(&GEventReceiver);
    GAgenda.exec();
    runExecutionPass();
    showFrameRate();
    collisionStep();
}

}

int gameLoop()
{
    GLog.writelf("gameLoop");
    prepare();
    logonPhase();
    while (GDevice->run() && continuarLaco)
        runFrame();
    return 1;
}

void stopGame()
{
    continuarLaco = false;
}
