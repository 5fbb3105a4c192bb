// Asked of X before the engine opens its window, as the start-up keys are.
#include "platform/screensize.h"

#include <X11/Xlib.h>

std::optional<ScreenSize> screenSize()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    const int screen = DefaultScreen(display);
    const ScreenSize size{static_cast<unsigned>(DisplayWidth(display, screen)),
                          static_cast<unsigned>(DisplayHeight(display, screen))};
    XCloseDisplay(display);
    return size;
}
