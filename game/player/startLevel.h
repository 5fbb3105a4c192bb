// Puts the player into the station: the level, the sky, the furniture, his movement-blocking set, his
// start position and his first two weapons.
#pragma once

// Runs once before the log-on window, as the mission's start will when it takes this over.
void startLevel();
