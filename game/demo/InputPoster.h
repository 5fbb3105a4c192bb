// The automatic player's hands: key strokes, mouse clicks and mouse turns, posted to the device as
// real input events so they pass the same receivers a person's input does.
#pragma once

#include <irrlicht.h>
#include <string>

class InputPoster {
public:
    explicit InputPoster(irr::IrrlichtDevice* device) : _device(device) {}

    void key(irr::EKEY_CODE key, bool down, wchar_t character = 0, bool control = false);
    // Each character pressed and released, as a keyboard types it.
    void type(const std::wstring& text);
    // The pointer put at a pixel of the window, then the left button pressed or released there.
    void leftButton(irr::core::position2di at, bool down);
    // The left button where the pointer is now (firing and using do not care where).
    void leftButtonHere(bool down);
    // Moves the pointer by a fraction of the window from its centre, which is how the first-person
    // camera reads a turn of the mouse.
    void nudgeFromCentre(irr::f32 dx, irr::f32 dy);

private:
    void mouse(irr::EMOUSE_INPUT_EVENT kind, irr::core::position2di at);

    irr::IrrlichtDevice* _device;
};
