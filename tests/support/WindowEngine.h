// The engine of the small window programs of the window tests: an 800 x 600 OpenGL window whose handles
// the game's code reaches through its globals, with the built media beside it.
#pragma once

#include "shell/Config.h"
#include "shell/Engine.h"

inline void startWindowEngine()
{
    Gresolucao = irr::core::dimension2d<irr::u32>(800, 600);
    Gconfig.res_x = 800;
    Gconfig.res_y = 600;
    GDevice = irr::createDevice(irr::video::EDT_OPENGL, Gresolucao);
    if (!GDevice)
        return;
    GDriver = GDevice->getVideoDriver();
    GSmgr = GDevice->getSceneManager();
    GEnvironment = GDevice->getGUIEnvironment();
    GTimer = GDevice->getTimer();
    Gexepath = SATLINK_BUILD_DIR;
}
