// The end of the game when a piece the level cannot be built without is missing.
#pragma once

// Prints `text` on the console, waits for one key and ends the process with status 0.
[[noreturn]] void fatalEnd(const char* text);
