#include "support/NullDevice.h"

#include "shell/Global.h"

void openNullDevice()
{
    resetGlobalContext();
    GDevice = irr::createDevice(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(800, 600));
    if (!GDevice)
        return;
    GDevice->getLogger()->setLogLevel(irr::ELL_NONE);
    GDriver = GDevice->getVideoDriver();
    GSmgr = GDevice->getSceneManager();
    GEnvironment = GDevice->getGUIEnvironment();
    GTimer = GDevice->getTimer();
}

void closeNullDevice()
{
    irr::IrrlichtDevice* device = GDevice;
    resetGlobalContext();
    if (device)
        device->drop();
}
