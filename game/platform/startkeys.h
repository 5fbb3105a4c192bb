// Keys held down at the moment the game starts.
#pragma once

// Whether the letter key (a to z) is held now on the X display; with no display it is not held.
bool startupKeyHeld(char letter);
