// The main loop: prepares the scene and runs frames until the device stops or the game is stopped.
#pragma once

// Returns 1 once the frame loop has ended.
int gameLoop();
// What gameLoop does before its first frame: the event receiver, the light, the running flag.
void prepareFrames();
// One frame of play: the scene and the player's status drawn, input, agenda, execution list, collision.
void playFrame();
// Ends the frame loop after the frame in progress.
void stopGame();
