// The main loop: prepares the scene and runs frames until the device stops or the game is stopped.
#pragma once

#include <functional>

// Returns 1 once the frame loop has ended.
int gameLoop();
// Runs `step` on every frame of the log-on phase (the automatic player fills the window through it).
void onLogonFrame(std::function<void()> step);
// Ends the frame loop after the frame in progress.
void stopGame();
