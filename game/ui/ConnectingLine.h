// The short line that tells the player the game is waiting for the quiz server.
#pragma once

#include <irrlicht.h>

class ConnectingLine {
public:
    // Shows or hides the line; made on the GUI the first time it shows.
    void show(bool on);
    bool shown() const;

private:
    irr::gui::IGUIStaticText* _text = nullptr;
};
