// Keyboard and mouse state, recorded as the engine delivers its events.
#pragma once

#include <irrlicht.h>

enum keyStatesENUM { UP = 0, DOWN = 1, PRESSED = 2, RELEASED = 3 };

struct mouseData {
    int X = 0;
    int Y = 0;
    float wheel = 0.0f;
};

class EventReceiver : public irr::IEventReceiver {
public:
    EventReceiver();
    ~EventReceiver() override;

    // Records the event and returns false, so the GUI and the camera see every event too.
    bool OnEvent(const irr::SEvent& event) override;
    void clear_input();

    bool keyDown(irr::u8 key) const;
    bool keyUp(irr::u8 key) const;
    bool keyPressed(irr::u8 key) const;
    bool keyReleased(irr::u8 key) const;

    bool leftMouseDown() const;
    bool leftMouseUp() const;
    bool leftMousePressed() const;
    bool leftMouseReleased() const;
    bool middleMouseDown() const;
    bool middleMouseUp() const;
    bool middleMousePressed() const;
    bool middleMouseReleased() const;
    bool rightMouseDown() const;
    bool rightMouseUp() const;
    bool rightMousePressed() const;
    bool rightMouseReleased() const;

    int mouseX() const;
    int mouseY() const;
    float mouseWheel() const;
    // True once for each press of key: on the first call that finds it down, and again only after a
    // call has found it up.
    bool takeKeyPress(irr::u8 key);
    // Returns the wheel sum and sets it back to 0, so that each movement is acted on once.
    float takeMouseWheel();

    keyStatesENUM mouseButtonState[3];
    // One state per engine key code; the 256th slot lets any 8-bit code be asked safely.
    keyStatesENUM keyState[256];
    mouseData mouse;

private:
    void onKey(const irr::SEvent::SKeyInput& key);
    void onMouse(const irr::SEvent::SMouseInput& input);
    static void buttonDown(keyStatesENUM& state);
    static void buttonUp(keyStatesENUM& state);

    bool _pressTaken[256];
};

// The receiver the engine delivers the game's events to.
extern EventReceiver GEventReceiver;
