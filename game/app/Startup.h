// Start-up and shutdown of the engine and the sound engine.
#pragma once

#include <irrlicht.h>

// Creates the window and the engine globals and mounts the media folders; ends the process with
// status 0 when no window can be opened. Long unattended runs ask for the null driver: no window at all.
void StartupEngine(irr::video::E_DRIVER_TYPE driver = irr::video::EDT_OPENGL);
class PausableTimer;

// The clock StartupEngine made GTimer; null before.
PausableTimer* gameClock();
// Creates the sound engine into GSound; it stays null when no sound device opens.
void initSound();
// Releases the collision registry, the sound engine and the device.
void drop();
