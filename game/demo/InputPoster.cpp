// The automatic player's hands: key strokes, mouse clicks and mouse turns as real input events.
#include "demo/InputPoster.h"

void InputPoster::key(irr::EKEY_CODE key, bool down, wchar_t character, bool control)
{
    irr::SEvent event;
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.Char = character;
    event.KeyInput.PressedDown = down;
    event.KeyInput.Shift = false;
    event.KeyInput.Control = control;
    _device->postEventFromUser(event);
}

void InputPoster::type(const std::wstring& text)
{
    for (wchar_t c : text) {
        key(irr::KEY_KEY_X, true, c);
        key(irr::KEY_KEY_X, false, c);
    }
}

void InputPoster::mouse(irr::EMOUSE_INPUT_EVENT kind, irr::core::position2di at)
{
    irr::SEvent event;
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = kind;
    event.MouseInput.X = at.X;
    event.MouseInput.Y = at.Y;
    event.MouseInput.Wheel = 0;
    event.MouseInput.Shift = false;
    event.MouseInput.Control = false;
    event.MouseInput.ButtonStates = kind == irr::EMIE_LMOUSE_PRESSED_DOWN ? irr::EMBSM_LEFT : 0;
    _device->postEventFromUser(event);
}

void InputPoster::leftButton(irr::core::position2di at, bool down)
{
    if (irr::gui::ICursorControl* cursor = _device->getCursorControl())
        cursor->setPosition(at);
    mouse(irr::EMIE_MOUSE_MOVED, at);
    mouse(down ? irr::EMIE_LMOUSE_PRESSED_DOWN : irr::EMIE_LMOUSE_LEFT_UP, at);
}

void InputPoster::leftButtonHere(bool down)
{
    irr::gui::ICursorControl* cursor = _device->getCursorControl();
    const irr::core::position2di at = cursor ? cursor->getPosition() : irr::core::position2di();
    mouse(down ? irr::EMIE_LMOUSE_PRESSED_DOWN : irr::EMIE_LMOUSE_LEFT_UP, at);
}

void InputPoster::nudgeFromCentre(irr::f32 dx, irr::f32 dy)
{
    irr::gui::ICursorControl* cursor = _device->getCursorControl();
    if (!cursor)
        return;
    cursor->setPosition(irr::core::position2df(0.5f + dx, 0.5f + dy));
    mouse(irr::EMIE_MOUSE_MOVED, cursor->getPosition());
}
