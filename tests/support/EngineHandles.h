// The engine's handles in the game's globals, as the game's code reaches them: from any device, or from
// the 800 x 600 OpenGL window of the window tests' small programs.
#pragma once

#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

// Puts the device and its driver, scene, GUI and timer into the globals; a null device leaves them be.
inline void takeEngineHandles(irr::IrrlichtDevice* device)
{
    GDevice = device;
    if (!GDevice)
        return;
    GDriver = GDevice->getVideoDriver();
    GSmgr = GDevice->getSceneManager();
    GEnvironment = GDevice->getGUIEnvironment();
    GTimer = GDevice->getTimer();
}

// An 800 x 600 OpenGL window with the built media beside it.
inline void startWindowEngine()
{
    Gresolucao = irr::core::dimension2d<irr::u32>(800, 600);
    Gconfig.res_x = 800;
    Gconfig.res_y = 600;
    Gexepath = SATLINK_BUILD_DIR;
    takeEngineHandles(irr::createDevice(irr::video::EDT_OPENGL, Gresolucao));
}
