// Handing the input over between the player's camera and a dialog or message on screen.
#pragma once

// The player's camera takes input again (true) or stops taking it (false).
void setCameraInput(bool enabled);
void showCursor(bool visible);
// Key releases for the arrows, so that a player walking when a dialog opens stops walking.
void releaseArrowKeys();
