// State that lives for the whole run (the log, the registries, the engine's handles, the mission) is
// owned by the module that declares it; each owner registers here how to put its state back to the start.
// The tests put everything back between cases, whichever folders their program links.
#pragma once

// Adds reset to the list; returns true, so that an owner can register while its globals are built.
bool registerReset(void (*reset)());
// Runs every registered reset, in the order they were registered.
void resetRegisteredState();
