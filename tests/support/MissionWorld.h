// The whole mission on the null device with the generated media and a clock that moves only when told:
// the player's touches, pick-ups, kills, answers and closed messages are driven from the test.
#pragma once

#include <functional>
#include <string>

#include "support/PinnedTimer.h"

class Story;

class MissionWorld {
public:
    // Opens the device, builds the dialogs, the player and the mission, and starts it.
    void open(bool testMode);
    void close();

    // One frame of the mission and of the agenda, the clock 20 ms on.
    void frame();
    void frames(int count);
    // Frames until the condition holds, as many as a quiz server's reply takes to come back from the
    // requests' own thread; false when it never does.
    bool framesUntil(const std::function<bool()>& condition);
    void advance(irr::u32 ms);

    void touch(const char* scenery);
    void use(const char* scenery);
    void pick(const char* collectable);
    void killMonster(int slot);
    // Types into the question window's answer box and presses OK.
    void answer(const std::string& text = "");
    void closeMessage();
    bool questionOnShow() const;

    Story& story() const { return *_story; }
    std::string log() const;
    PinnedTimer timer{100000};

private:
    Story* _story = nullptr;
    std::string _folder;
};
