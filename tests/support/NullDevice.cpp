#include "support/NullDevice.h"

#include "shell/Engine.h"
#include "platform/StateReset.h"

void openNullDevice()
{
    resetRegisteredState();
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.WindowSize = irr::core::dimension2d<irr::u32>(800, 600);
    parameters.LoggingLevel = irr::ELL_NONE;
    GDevice = irr::createDeviceEx(parameters);
    if (!GDevice)
        return;
    GDriver = GDevice->getVideoDriver();
    GSmgr = GDevice->getSceneManager();
    GEnvironment = GDevice->getGUIEnvironment();
    GTimer = GDevice->getTimer();
}

void closeNullDevice()
{
    irr::IrrlichtDevice* device = GDevice;
    resetRegisteredState();
    if (device)
        device->drop();
}
