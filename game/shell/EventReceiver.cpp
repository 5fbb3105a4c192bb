// Keyboard and mouse state, recorded as the engine delivers its events.
#include "shell/EventReceiver.h"

#include "platform/StateReset.h"

EventReceiver GEventReceiver;

namespace {

enum MouseButton { LEFT = 0, MIDDLE = 1, RIGHT = 2 };

bool isDown(keyStatesENUM state)
{
    return state == DOWN || state == PRESSED;
}

bool isUp(keyStatesENUM state)
{
    return state == UP || state == RELEASED;
}

const bool inputResetRegistered = registerReset([] { GEventReceiver.clear_input(); });

}

EventReceiver::EventReceiver()
{
    clear_input();
}

EventReceiver::~EventReceiver() = default;

bool EventReceiver::OnEvent(const irr::SEvent& event)
{
    if (event.EventType == irr::EET_KEY_INPUT_EVENT)
        onKey(event.KeyInput);
    else if (event.EventType == irr::EET_MOUSE_INPUT_EVENT)
        onMouse(event.MouseInput);
    return false;
}

void EventReceiver::onKey(const irr::SEvent::SKeyInput& key)
{
    if (key.Key < sizeof keyState / sizeof keyState[0])
        keyState[key.Key] = key.PressedDown ? DOWN : UP;
}

void EventReceiver::onMouse(const irr::SEvent::SMouseInput& input)
{
    switch (input.Event) {
    case irr::EMIE_MOUSE_MOVED:
        mouse.X = input.X;
        mouse.Y = input.Y;
        break;
    case irr::EMIE_MOUSE_WHEEL:
        mouse.wheel += input.Wheel;
        break;
    case irr::EMIE_LMOUSE_PRESSED_DOWN:
        mouseButtonState[LEFT] = DOWN;
        break;
    case irr::EMIE_LMOUSE_LEFT_UP:
        mouseButtonState[LEFT] = UP;
        break;
    case irr::EMIE_MMOUSE_PRESSED_DOWN:
        buttonDown(mouseButtonState[MIDDLE]);
        break;
    case irr::EMIE_MMOUSE_LEFT_UP:
        buttonUp(mouseButtonState[MIDDLE]);
        break;
    case irr::EMIE_RMOUSE_PRESSED_DOWN:
        buttonDown(mouseButtonState[RIGHT]);
        break;
    case irr::EMIE_RMOUSE_LEFT_UP:
        buttonUp(mouseButtonState[RIGHT]);
        break;
    default:
        break;
    }
}

void EventReceiver::buttonDown(keyStatesENUM& state)
{
    state = isUp(state) ? PRESSED : DOWN;
}

void EventReceiver::buttonUp(keyStatesENUM& state)
{
    if (state != UP)
        state = RELEASED;
}

void EventReceiver::clear_input()
{
    for (keyStatesENUM& state : keyState)
        state = UP;
    for (keyStatesENUM& state : mouseButtonState)
        state = UP;
    mouse = mouseData();
    for (bool& taken : _pressTaken)
        taken = false;
}

bool EventReceiver::takeKeyPress(irr::u8 key)
{
    const bool fresh = keyDown(key) && !_pressTaken[key];
    if (fresh)
        _pressTaken[key] = true;
    if (keyUp(key))
        _pressTaken[key] = false;
    return fresh;
}

// The state queries read best as a table, one line each.
// clang-format off
bool EventReceiver::keyDown(irr::u8 key) const { return isDown(keyState[key]); }
bool EventReceiver::keyUp(irr::u8 key) const { return isUp(keyState[key]); }
bool EventReceiver::keyPressed(irr::u8 key) const { return keyState[key] == PRESSED; }
bool EventReceiver::keyReleased(irr::u8 key) const { return keyState[key] == RELEASED; }

bool EventReceiver::leftMouseDown() const { return mouseButtonState[LEFT] == DOWN; }
bool EventReceiver::leftMouseUp() const { return mouseButtonState[LEFT] == UP; }
bool EventReceiver::leftMousePressed() const { return mouseButtonState[LEFT] == PRESSED; }
bool EventReceiver::leftMouseReleased() const { return mouseButtonState[LEFT] == RELEASED; }
bool EventReceiver::middleMouseDown() const { return isDown(mouseButtonState[MIDDLE]); }
bool EventReceiver::middleMouseUp() const { return isUp(mouseButtonState[MIDDLE]); }
bool EventReceiver::middleMousePressed() const { return mouseButtonState[MIDDLE] == PRESSED; }
bool EventReceiver::middleMouseReleased() const { return mouseButtonState[MIDDLE] == RELEASED; }
bool EventReceiver::rightMouseDown() const { return isDown(mouseButtonState[RIGHT]); }
bool EventReceiver::rightMouseUp() const { return isUp(mouseButtonState[RIGHT]); }
bool EventReceiver::rightMousePressed() const { return mouseButtonState[RIGHT] == PRESSED; }
bool EventReceiver::rightMouseReleased() const { return mouseButtonState[RIGHT] == RELEASED; }

int EventReceiver::mouseX() const { return mouse.X; }
int EventReceiver::mouseY() const { return mouse.Y; }
float EventReceiver::mouseWheel() const { return mouse.wheel; }
// clang-format on

float EventReceiver::takeMouseWheel()
{
    float wheel = mouse.wheel;
    mouse.wheel = 0.0f;
    return wheel;
}
