// The game waits while its window is out of the focus: once the window has had the focus, losing it holds
// the clock and the player's input until it comes back. A window never focused (a screen without a
// window manager) is not paused.
#pragma once

#include <irrlicht.h>

class PausableTimer;

class FocusPause {
public:
    explicit FocusPause(PausableTimer* clock) : _clock(clock) {}

    // Told each frame whether the window has the focus; true while the game is paused.
    bool check(bool focused);

    // What the paused view says.
    static const wchar_t* const Notice;

private:
    void pause();
    void resume();

    PausableTimer* _clock;
    bool _everFocused = false;
    bool _cameraInput = false;
    bool _cursorShown = false;
};
