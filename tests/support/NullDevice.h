// Irrlicht's null device in the engine globals, for tests and benchmarks that need no window.
#pragma once

// Resets the global context, then opens an 800 x 600 null device, silent, into the engine globals.
void openNullDevice();
// Releases the device and puts the global context back to its start.
void closeNullDevice();
