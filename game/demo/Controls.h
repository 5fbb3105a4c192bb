// The automatic player's hold on the controls from frame to frame: which walking keys are down, the
// left button pressed on one frame and let go on the next, one press of A per weapon switch, and the
// mouse turns that point the view.
#pragma once

#include <irrlicht.h>
#include <set>

#include "demo/InputPoster.h"
#include "demo/Steering.h"

class Camera;

class Controls {
public:
    explicit Controls(irr::IrrlichtDevice* device) : _input(device) {}

    InputPoster& input() { return _input; }

    // Call first every frame: lets go of what was pressed for one frame only.
    void beginFrame();
    // Keeps exactly these walking keys down (arrow keys).
    void walk(const std::set<irr::EKEY_CODE>& keys);
    void stop() { walk({}); }
    // Turns the view by the given angles through the mouse, at most a comfortable step a frame.
    void turn(const ViewTurn& turn, irr::f32 rotateSpeed);
    // Presses the left button for one frame (fire, or use with the empty hand).
    void click();
    // Presses A for one frame unless the weapon of that kind is in hand; true when it is.
    bool holdWeapon(Camera* player, char kind);
    // Presses a key for one frame.
    void tap(irr::EKEY_CODE key);

private:
    InputPoster _input;
    std::set<irr::EKEY_CODE> _walking;
    bool _buttonDown = false;
    bool _resting = false;
    irr::EKEY_CODE _tapped = irr::KEY_KEY_CODES_COUNT;
};
