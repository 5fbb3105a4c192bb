#include "support/NullDevice.h"

#include "platform/StateReset.h"
#include "support/EngineHandles.h"

void openNullDevice()
{
    resetRegisteredState();
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.WindowSize = irr::core::dimension2d<irr::u32>(800, 600);
    parameters.LoggingLevel = irr::ELL_NONE;
    takeEngineHandles(irr::createDeviceEx(parameters));
}

void closeNullDevice()
{
    irr::IrrlichtDevice* device = GDevice;
    resetRegisteredState();
    if (device)
        device->drop();
}
