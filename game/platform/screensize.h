// The size of the screen the game's window opens on.
#pragma once

#include <optional>

struct ScreenSize {
    unsigned width;
    unsigned height;
};

// From the X display the window would open on; nullopt when there is none.
std::optional<ScreenSize> screenSize();
