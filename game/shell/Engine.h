// The engine's handles: the device and the parts of it that the game calls every frame. Start-up fills
// them; they stay null until then, and on the null device of the tests.
#pragma once

#include <irrlicht.h>

extern irr::IrrlichtDevice* GDevice;
extern irr::video::IVideoDriver* GDriver;
extern irr::scene::ISceneManager* GSmgr;
extern irr::gui::IGUIEnvironment* GEnvironment;
extern irr::ITimer* GTimer;
extern irr::core::dimension2d<irr::u32> Gresolucao;  // window size asked of the engine

// Forgets the handles; the device is not released, its owner drops it.
void resetEngine();
