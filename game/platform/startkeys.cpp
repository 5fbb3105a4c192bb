// Keys held down at the moment the game starts.
#include "platform/startkeys.h"

#include <X11/Xlib.h>
#include <cctype>

bool startupKeyHeld(char letter)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    char keys[32];
    XQueryKeymap(display, keys);
    char name[2] = {static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), '\0'};
    KeyCode code = XKeysymToKeycode(display, XStringToKeysym(name));
    XCloseDisplay(display);
    return code != 0 && (keys[code / 8] & (1 << (code % 8))) != 0;
}
