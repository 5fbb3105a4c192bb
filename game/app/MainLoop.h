// The main loop: prepares the scene and runs frames until the device stops or the game is stopped.
#pragma once

#include <functional>

// Returns 1 once the frame loop has ended.
int gameLoop();
// Runs `step` on every frame of the log-on phase (the automatic player fills the window through it).
void onLogonFrame(std::function<void()> step);
// What gameLoop does before its first frame: the event receiver, the light, the running flag.
void prepareFrames();
// Ends the frame loop after the frame in progress.
void stopGame();
// One frame of the loop: draws the scene, the GUI and the player's status, then runs the frame's logic.
void runFrame();
// The frame's work apart from drawing: input, the agenda, the execution pass, the caption and the
// collision sweep when due.
void runFrameLogic();
