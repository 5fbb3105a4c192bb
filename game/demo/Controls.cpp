// The automatic player's hold on the controls from frame to frame.
#include "demo/Controls.h"

#include <algorithm>

#include "player/Arma.h"
#include "player/Camera.h"

namespace {

// The largest turn of one frame, in degrees: a quick flick of the mouse.
const irr::f32 largestTurn = 40.0f;

wchar_t characterOf(irr::EKEY_CODE key)
{
    return key == irr::KEY_SPACE ? L' ' : key == irr::KEY_KEY_A ? L'a' : 0;
}

}

// What is let go of now must be seen up by the game for a frame before it is pressed again.
void Controls::beginFrame()
{
    _resting = _buttonDown || _tapped != irr::KEY_KEY_CODES_COUNT;
    if (_buttonDown) {
        _input.leftButtonHere(false);
        _buttonDown = false;
    }
    if (_tapped != irr::KEY_KEY_CODES_COUNT) {
        _input.key(_tapped, false, characterOf(_tapped));
        _tapped = irr::KEY_KEY_CODES_COUNT;
    }
}

// Keys are pressed again every frame: the camera forgets them whenever a message takes its input.
void Controls::walk(const std::set<irr::EKEY_CODE>& keys)
{
    for (irr::EKEY_CODE key : _walking)
        if (!keys.count(key))
            _input.key(key, false);
    for (irr::EKEY_CODE key : keys)
        _input.key(key, true);
    _walking = keys;
}

void Controls::turn(const ViewTurn& turn, irr::f32 rotateSpeed)
{
    if (turn.within(0.05f) || rotateSpeed <= 0)
        return;
    const irr::f32 yaw = std::clamp(turn.yaw, -largestTurn, largestTurn);
    const irr::f32 pitch = std::clamp(turn.pitch, -largestTurn, largestTurn);
    _input.nudgeFromCentre(yaw / rotateSpeed, pitch / rotateSpeed);
}

void Controls::click()
{
    if (_buttonDown || _resting)
        return;
    _input.leftButtonHere(true);
    _buttonDown = true;
}

void Controls::tap(irr::EKEY_CODE key)
{
    if (_tapped != irr::KEY_KEY_CODES_COUNT || _resting)
        return;
    _input.key(key, true, characterOf(key));
    _tapped = key;
}

bool Controls::holdWeapon(Camera* player, char kind)
{
    const Arma* inHand = player->getArma();
    if (inHand && inHand->tipo == kind)
        return true;
    const auto& carried = player->getWeapons();
    const bool carries =
        std::any_of(carried.begin(), carried.end(), [kind](const Arma* a) { return a->tipo == kind; });
    if (carries)
        tap(irr::KEY_KEY_A);
    return false;
}
