// The game's settings, read once at start-up from config.xml.
#pragma once

#include <irrlicht.h>

struct SConfig {
    bool fullscreen = false;
    // No width yet: the size floor then gives 700 x 500. A width without a height keeps this height.
    int res_x = 0;
    int res_y = 500;
    int port_proxy = 0;
    bool wireframe = false;
    bool killall = false;
    bool music = false;
    // Frames a second at most, so that the game leaves the processor idle between frames; 0 or less
    // lifts the cap. The game's pace follows the clock, not the frame count, at any cap.
    int maxfps = 60;
    // Only the rooms in sight drawn; off, the whole level and everything in it is drawn every frame.
    bool culling = true;
    // Asked for in the file; whether test mode is on is the start-up's decision, not this setting's.
    bool cheating = false;
};

struct Usuario {
    char usuario[200] = {};
    char senha[200] = {};
    char endereco[250] = {};
};

extern SConfig Gconfig;
extern Usuario GUser;
// The proxy to the internet the quiz server is reached through, when active.
extern bool GproxyInternet;
extern irr::core::stringc GproxyIP;
extern int GproxyPort;
// Test mode: every answer right and the mission's shortcuts on; decided at start-up.
extern bool GcheatTests;

// Puts the settings back to their defaults.
void resetConfig();

// Fills Gconfig, GUser and the proxy globals from the file at path (a native path); a missing or
// unreadable file leaves them as they are. Ends with the window-size floor.
void readConfig(const char* path);
