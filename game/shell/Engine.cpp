// The engine's handles.
#include "shell/Engine.h"

#include "platform/StateReset.h"

irr::IrrlichtDevice* GDevice = nullptr;
irr::video::IVideoDriver* GDriver = nullptr;
irr::scene::ISceneManager* GSmgr = nullptr;
irr::gui::IGUIEnvironment* GEnvironment = nullptr;
irr::ITimer* GTimer = nullptr;
irr::core::dimension2d<irr::u32> Gresolucao(0, 0);

namespace {

const bool engineResetRegistered = registerReset(resetEngine);

}

void resetEngine()
{
    GDevice = nullptr;
    GDriver = nullptr;
    GSmgr = nullptr;
    GEnvironment = nullptr;
    GTimer = nullptr;
    Gresolucao = irr::core::dimension2d<irr::u32>(0, 0);
}
