// The main loop: prepares the scene and runs frames until the device stops or the game is stopped.
#pragma once

// Returns 1 once the frame loop has ended.
int gameLoop();
// Ends the frame loop after the frame in progress.
void stopGame();
